// The resources linked into sorvane.exe, read back the way Windows reads them: the icon
// groups with their image sizes, the icons loaded at each size, the version block and the
// manifest. The test program links resources/sorvane.rc exactly as the clock does.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "version.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {  // one image of an RT_GROUP_ICON resource
  BYTE width;            // 0 means 256
  BYTE height;
  BYTE colour_count;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

struct IconImage {
  int size;
  int colour_count;
  int bit_count;
  friend bool operator==(const IconImage&, const IconImage&) = default;
};

void PrintTo(const IconImage& i, std::ostream* os) {
  *os << i.size << "px/" << i.colour_count << " colours/" << i.bit_count << " bpp";
}

std::string ResourceBytes(int id, LPCSTR type) {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(id), type);
  if (!found) return {};
  const auto* data = static_cast<const char*>(LockResource(LoadResource(self, found)));
  return std::string(data, SizeofResource(self, found));
}

std::vector<IconImage> GroupImages(int id) {
  const std::string bytes = ResourceBytes(id, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  std::vector<IconImage> images;
  if (bytes.size() < sizeof(GroupIconHeader)) return images;
  const auto* header = reinterpret_cast<const GroupIconHeader*>(bytes.data());
  const auto* entry =
      reinterpret_cast<const GroupIconEntry*>(bytes.data() + sizeof(GroupIconHeader));
  for (int i = 0; i < header->count; ++i) {
    const int size = entry[i].width == 0 ? 256 : entry[i].width;
    images.push_back({size, entry[i].colour_count, entry[i].bit_count});
  }
  return images;
}

TEST(Resources, IconGroupsHoldTheDrawnSizes) {
  struct Case {
    int id;
    std::vector<IconImage> images;
  };
  const Case cases[] = {
      {IDI_APP, {{16, 0, 32}, {32, 0, 32}, {48, 0, 32}, {256, 0, 32}}},
      {IDI_TRAY, {{16, 16, 4}}},
  };
  for (const Case& c : cases) EXPECT_EQ(GroupImages(c.id), c.images) << "icon " << c.id;
}

TEST(Resources, IconsLoadAtEachSize) {
  struct Case {
    int id;
    int size;
  };
  const Case cases[] = {
      {IDI_APP, 16}, {IDI_APP, 32}, {IDI_APP, 48}, {IDI_APP, 256}, {IDI_TRAY, 16}};
  for (const Case& c : cases) {
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id), IMAGE_ICON, c.size,
                             c.size, 0);
    ASSERT_NE(icon, nullptr) << "icon " << c.id << " at " << c.size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, c.size) << "icon " << c.id;
    // An icon that is see-through everywhere would be an empty tray slot: the corner must
    // be transparent and the centre drawn.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmMask);
    EXPECT_NE(GetPixel(dc, 0, 0), RGB(0, 0, 0)) << "corner of icon " << c.id << " at " << c.size;
    EXPECT_EQ(GetPixel(dc, c.size / 2, c.size / 2), RGB(0, 0, 0)) << "centre of icon " << c.id;
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DestroyIcon(static_cast<HICON>(icon));
  }
}

std::string VersionString(const std::vector<char>& block, const char* key) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + key;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
      length == 0)
    return {};
  return std::string(value);
}

TEST(Resources, VersionNamesSorvaneAndTheProjectsVersion) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe, &handle);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  const DWORD major_minor = (SORVANE_VERSION_MAJOR << 16) | SORVANE_VERSION_MINOR;
  EXPECT_EQ(fixed->dwFileVersionMS, major_minor);
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(SORVANE_VERSION_PATCH << 16));
  EXPECT_EQ(fixed->dwProductVersionMS, major_minor);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_EQ(VersionString(block, "ProductName"), "Sorvane");
  EXPECT_EQ(VersionString(block, "ProductVersion"), SORVANE_VERSION_TEXT);
  EXPECT_EQ(VersionString(block, "FileVersion"), SORVANE_VERSION_TEXT);
  EXPECT_EQ(VersionString(block, "OriginalFilename"), "sorvane.exe");
}

TEST(Resources, ManifestAsksForDpiAwarenessAndCommonControls6) {
  const std::string manifest = ResourceBytes(1, MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_FALSE(manifest.empty());
  const char* expected[] = {
      ">true</dpiAware>",
      ">PerMonitorV2, PerMonitor</dpiAwareness>",
      "name=\"Microsoft.Windows.Common-Controls\"",
      "version=\"6.0.0.0\"",
  };
  for (const char* text : expected)
    EXPECT_NE(manifest.find(text), std::string::npos) << "manifest lacks " << text;
}

}  // namespace
