// signer OPENSSL KEY DATA: signs the file DATA with the private key KEY as
// scripts/publish-tips.sh does, into DATA.sig (all Unix paths), and exits 0
// once the signature is there, or 1 after 10 s.
//
// Wine starts a Unix program but cannot wait for it, and forking it breaks
// the listening sockets of the process that starts it; so the test driver
// runs this instead, and the signature gets its name only once it is whole.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const std::wstring openssl = argv[1], key = argv[2], data = argv[3];
  std::wstring command = L"sh -c \"'" + openssl + L"' dgst -sha256 -sign '" + key + L"' -out '" + data +
                         L".part' '" + data + L"' && mv '" + data + L".part' '" + data + L".sig'\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return 1;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  const std::wstring signature = L"Z:" + data + L".sig";
  for (const ULONGLONG end = GetTickCount64() + 10'000; GetTickCount64() < end; Sleep(10))  // the poll's pace
    if (GetFileAttributesW(signature.c_str()) != INVALID_FILE_ATTRIBUTES) return 0;
  return 1;
}
