#include "program_resources.h"

#include <stdexcept>

#include "text.h"

namespace quorvane_e2e {
namespace {

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
  reinterpret_cast<std::vector<int>*>(ids)->push_back(
      IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : -1);
  return TRUE;
}

std::optional<std::string> ResourceBytes(HMODULE module, HRSRC found) {
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) throw std::runtime_error("a resource was found but cannot be loaded");
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

}  // namespace

ProgramResources::ProgramResources(const std::wstring& programPath)
    : module_(LoadLibraryExW(programPath.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
  if (module_ == nullptr) {
    throw std::runtime_error("cannot load " + Utf8(programPath) + " as data (error " +
                             std::to_string(GetLastError()) + ")");
  }
}

ProgramResources::~ProgramResources() { FreeLibrary(module_); }

std::optional<std::string> ProgramResources::Bytes(const wchar_t* type, int id, WORD language) const {
  return ResourceBytes(module_, FindResourceExW(module_, type, MAKEINTRESOURCEW(id), language));
}

std::optional<std::string> ProgramResources::Bytes(const wchar_t* type, int id) const {
  return ResourceBytes(module_, FindResourceW(module_, MAKEINTRESOURCEW(id), type));
}

std::vector<int> ProgramResources::Ids(const wchar_t* type) const {
  std::vector<int> ids;
  EnumResourceNamesW(module_, type, CollectId, reinterpret_cast<LONG_PTR>(&ids));
  return ids;
}

VersionRecord::VersionRecord(const std::wstring& programPath) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(programPath.c_str(), &ignored);
  data_.resize(size);
  if (size == 0 || !GetFileVersionInfoW(programPath.c_str(), 0, size, data_.data())) {
    throw std::runtime_error("no version record in " + Utf8(programPath));
  }
}

const VS_FIXEDFILEINFO& VersionRecord::Fixed() const {
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data_.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
    throw std::runtime_error("the version record has no fixed part");
  }
  return *static_cast<const VS_FIXEDFILEINFO*>(value);
}

std::optional<std::string> VersionRecord::String(const std::wstring& subBlock) const {
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data_.data(), subBlock.c_str(), &value, &length)) return std::nullopt;
  // The length counts characters, with the terminating zero when there is one.
  std::wstring text(static_cast<const wchar_t*>(value), length);
  if (const size_t end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
  return Utf8(text);
}

std::vector<std::pair<WORD, WORD>> VersionRecord::Translations() const {
  void* value = nullptr;
  UINT length = 0;
  std::vector<std::pair<WORD, WORD>> pairs;
  if (!VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length)) return pairs;
  const auto* words = static_cast<const WORD*>(value);
  for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2) pairs.emplace_back(words[i], words[i + 1]);
  return pairs;
}

}  // namespace quorvane_e2e
