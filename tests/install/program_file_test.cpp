// What Windows reads from a program file (the console program's, and the
// window program's in a second build of this file): the version record that
// Explorer's details show, the icon it draws the file with, and the manifest
// it starts the window program with. Read through the same system calls
// Explorer uses, so a record that the resource compiler mangled (wrong
// language block, broken text encoding) fails here.

// clang-format off
#include <windows.h>
// clang-format on

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "quorvel/version.h"
#include "wide_text.h"

namespace {

const std::wstring kProgram = Wide(QUORVEL_PROGRAM_EXE);

class VersionRecord : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kProgram.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version record in the program file";
    data_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(kProgram.c_str(), 0, size, data_.data()));
  }

  // The value under a path of the record, or nullopt.
  static std::pair<void*, UINT> Query(const std::wstring& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data_.data(), path.c_str(), &value, &length)) return {nullptr, 0};
    return {value, length};
  }

  static std::vector<char> data_;
};
std::vector<char> VersionRecord::data_;

TEST_F(VersionRecord, IsChinesePrcWithUnicodeStrings) {
  const auto [value, length] = Query(L"\\VarFileInfo\\Translation");
  ASSERT_NE(value, nullptr);
  ASSERT_GE(length, 4u);
  const auto* pair = static_cast<const WORD*>(value);
  EXPECT_EQ(pair[0], 0x0804) << "language";
  EXPECT_EQ(pair[1], 1200) << "code page";
}

TEST_F(VersionRecord, NumbersMatchTheVersionText) {
  const auto [value, length] = Query(L"\\");
  ASSERT_NE(value, nullptr);
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const std::string text = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                           (LOWORD(fixed->dwFileVersionMS) < 10 ? "0" : "") +
                           std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                           std::to_string(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(text, QUORVEL_VERSION_TEXT);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

struct StringValue {
  const char* name;
  const wchar_t* key;
  std::string text;
};

void PrintTo(const StringValue& row, std::ostream* out) { *out << row.name; }

class VersionStringTest : public VersionRecord, public testing::WithParamInterface<StringValue> {};

TEST_P(VersionStringTest, ReadsAsWritten) {
  const auto [value, length] =
      Query(std::wstring(L"\\StringFileInfo\\080404B0\\") + GetParam().key);
  ASSERT_NE(value, nullptr) << "missing";
  const auto* text = static_cast<const wchar_t*>(value);
  EXPECT_EQ(Utf8(std::wstring_view(text, wcsnlen(text, length))), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, VersionStringTest,
    testing::Values(StringValue{"company", L"CompanyName", "Dravik"},
                    StringValue{"product", L"ProductName", "Quorvel"},
                    StringValue{"file_version", L"FileVersion", QUORVEL_VERSION_TEXT},
                    StringValue{"product_version", L"ProductVersion", QUORVEL_VERSION_TEXT},
                    StringValue{"description", L"FileDescription", QUORVEL_PROGRAM_DESCRIPTION},
                    StringValue{"file_name", L"OriginalFilename", QUORVEL_PROGRAM_FILE_NAME}),
    [](const testing::TestParamInfo<StringValue>& row) { return std::string(row.param.name); });

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bits_per_pixel;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

class ProgramIcon : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(kProgram.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_F(ProgramIcon, GroupHoldsTheTenImages) {
  const HRSRC found = FindResourceW(module_, L"IDI_ICON1", MAKEINTRESOURCEW(14) /* group icon */);
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
  ASSERT_NE(group, nullptr);
  const WORD count = reinterpret_cast<const WORD*>(group)[2];
  ASSERT_EQ(count, 10);
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(group + 6);
  std::set<std::pair<int, int>> images;
  for (WORD i = 0; i < count; ++i) {
    const int size = entries[i].width == 0 ? 256 : entries[i].width;
    images.insert({size, entries[i].bits_per_pixel});
    // Each image the group names is in the file as its own resource.
    EXPECT_NE(FindResourceW(module_, MAKEINTRESOURCEW(entries[i].id), MAKEINTRESOURCEW(3)),
              nullptr);
  }
  const std::set<std::pair<int, int>> wanted = {{16, 4}, {32, 4},  {48, 4},  {16, 8},  {32, 8},
                                                {48, 8}, {16, 32}, {32, 32}, {48, 32}, {256, 32}};
  EXPECT_EQ(images, wanted);
}

class ProgramIconSizeTest : public ProgramIcon, public testing::WithParamInterface<int> {};

TEST_P(ProgramIconSizeTest, LoadsAtItsSize) {
  const int size = GetParam();
  const auto icon =
      static_cast<HICON>(LoadImageW(module_, L"IDI_ICON1", IMAGE_ICON, size, size, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, size);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ProgramIconSizeTest, testing::Values(16, 32, 48, 256));

TEST_F(ProgramIcon, ResourcesAreTaggedChinesePrc) {
  const WORD chinese_prc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
  EXPECT_NE(FindResourceExW(module_, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1), chinese_prc),
            nullptr)
      << "version record";
  EXPECT_NE(FindResourceExW(module_, MAKEINTRESOURCEW(14), L"IDI_ICON1", chinese_prc), nullptr)
      << "icon group";
}

// The window program asks for the current common controls and for sharp
// text at every monitor's resolution; the console program needs neither.
TEST_F(ProgramIcon, HasItsManifestOnce) {
  int manifests = 0;
  EnumResourceNamesW(
      module_, MAKEINTRESOURCEW(24),
      [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) -> BOOL {
        ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&manifests));
  if (!QUORVEL_PROGRAM_HAS_MANIFEST) {
    EXPECT_EQ(manifests, 0);
    return;
  }
  ASSERT_EQ(manifests, 1);
  const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr) << "the manifest Windows reads at start is resource 1";
  const auto* text = static_cast<const char*>(LockResource(LoadResource(module_, found)));
  const std::string manifest(text, SizeofResource(module_, found));
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor<"), std::string::npos);
  EXPECT_NE(manifest.find(std::string("version=\"") + QUORVEL_PROGRAM_VERSION + ".0\""),
            std::string::npos);
}

}  // namespace
