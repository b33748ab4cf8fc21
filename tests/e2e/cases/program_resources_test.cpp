// What Quorvane.exe carries: its manifest, its version record, its icons and
// the two guide documents.
#include <gtest/gtest.h>

#include <cstring>

#include "../driver/build_outputs.h"
#include "../driver/files.h"
#include "../driver/program_resources.h"
#include "../driver/text.h"

namespace quorvane_e2e {
namespace {

constexpr WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

// The element of the manifest that starts with `start`, up to its end.
std::string ManifestElement(const std::string& manifest, const std::string& start) {
  const size_t begin = manifest.find(start);
  if (begin == std::string::npos) return {};
  return manifest.substr(begin, manifest.find('>', begin) + 1 - begin);
}

TEST(ProgramResources, CarriesOneManifestThatAsksForCommonControls6AndPerMonitorDpi) {
  const ProgramResources program(ProgramUnderTest());
  ASSERT_EQ(program.Ids(RT_MANIFEST), std::vector<int>{1});
  const std::string manifest = program.Bytes(RT_MANIFEST, 1).value_or("");
  const std::string commonControls = ManifestElement(
      manifest, "<assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\"");
  EXPECT_NE(commonControls.find("version=\"6.0.0.0\""), std::string::npos) << manifest;
  EXPECT_NE(manifest.find(">PerMonitorV2<"), std::string::npos) << manifest;
}

TEST(ProgramResources, VersionRecordNamesQuorvane1) {
  const VersionRecord version(ProgramUnderTest());
  const VS_FIXEDFILEINFO& fixed = version.Fixed();
  EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed.dwFileVersionLS, 0u);
  EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed.dwProductVersionLS, 0u);
  const std::pair<WORD, WORD> simplifiedChineseUnicode{0x0804, 1200};
  EXPECT_EQ(version.Translations(), std::vector{simplifiedChineseUnicode});
  const struct {
    const wchar_t* name;
    const char* value;
  } strings[] = {
      {L"ProductName", "Quorvane"}, {L"InternalName", "Quorvane"}, {L"OriginalFilename", "Quorvane.exe"},
      {L"FileVersion", "1.00"},     {L"ProductVersion", "1.00"},
  };
  for (const auto& string : strings) {
    EXPECT_EQ(version.String(std::wstring(L"\\StringFileInfo\\080404B0\\") + string.name), string.value)
        << Utf8(string.name);
  }
}

TEST(ProgramResources, IconGroupsPickTheirImagesAt32By32) {
  struct IconGroup {
    const char* name;
    int group;
    int image;
    WORD bitsPerPixel;
  };
  const IconGroup groups[] = {
      {"application icon", 1, 30001, 4},
      {"light bulb", 2, 30101, 4},
  };
  const ProgramResources program(ProgramUnderTest());
  for (const IconGroup& expected : groups) {
    SCOPED_TRACE(expected.name);
    const std::optional<std::string> group = program.Bytes(RT_GROUP_ICON, expected.group);
    ASSERT_TRUE(group) << "no icon group " << expected.group;
    auto* directory = reinterpret_cast<BYTE*>(const_cast<char*>(group->data()));
    EXPECT_EQ(LookupIconIdFromDirectoryEx(directory, TRUE, 32, 32, LR_DEFAULTCOLOR), expected.image);
    const std::optional<std::string> image = program.Bytes(RT_ICON, expected.image);
    ASSERT_TRUE(image) << "no icon image " << expected.image;
    ASSERT_GE(image->size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header = {};
    std::memcpy(&header, image->data(), sizeof header);
    // An icon image's height counts its colour and mask bitmaps.
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64);
    EXPECT_EQ(header.biBitCount, expected.bitsPerPixel);
    auto* bits = reinterpret_cast<BYTE*>(const_cast<char*>(image->data()));
    const HICON icon = CreateIconFromResourceEx(bits, static_cast<DWORD>(image->size()), TRUE, 0x00030000, 32,
                                                32, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr) << "the image does not make an icon";
    if (icon != nullptr) DestroyIcon(icon);
  }
}

TEST(ProgramResources, CarriesTheTwoGuideDocumentsTheBuildMade) {
  const struct {
    int id;
    const wchar_t* document;
  } guides[] = {{101, L"tkw.chm"}, {102, L"qelmuEbook.chm"}};
  const ProgramResources program(ProgramUnderTest());
  for (const auto& guide : guides) {
    SCOPED_TRACE(Utf8(guide.document));
    const std::optional<std::string> carried = program.Bytes(L"CUSTOM", guide.id, kChinesePrc);
    ASSERT_TRUE(carried) << "no CUSTOM " << guide.id << " in language 2052";
    EXPECT_EQ(carried->substr(0, 4), "ITSF");
    EXPECT_TRUE(carried == ReadFileBytes(BuiltAsset(guide.document))) << "not the document the build made";
  }
}

}  // namespace
}  // namespace quorvane_e2e
