// The Win32 window's parts in one process: the fonts it asks Windows for and
// what Windows gives, labels measured in them, the single-instance mutex, and
// the UTF-16 the window's texts travel in.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "edit_menu.h"
#include "fonts.h"
#include "form/controls.h"
#include "form/texts.h"
#include "single_instance.h"
#include "wide_text.h"

namespace quorvel::win32 {
namespace {

using form::FontRole;

std::string Utf8Of(const wchar_t* wide) { return EncodeUtf8(FromWide(wide)); }

struct FontCase {
  FontRole role;
  int dpi;
  int height;  // negative: the characters' height without the leading
  int weight;
  int charset;
  const wchar_t* face;
};

// Sizes in points at the window's resolution: 9 pt is 12 pixels at 96 dpi.
const FontCase kFontCases[] = {
    {FontRole::kHint, 96, -12, 400, 0, L"Verdana"},
    {FontRole::kCaption, 96, -16, 700, 134, L"微软雅黑"},
    {FontRole::kStatus, 96, -14, 700, 134, L"微软雅黑"},
    {FontRole::kBox, 96, -14, 700, 0, L"Verdana"},
    {FontRole::kButton, 96, -12, 400, 134, L"微软雅黑"},
    {FontRole::kHint, 144, -18, 400, 0, L"Verdana"},
    {FontRole::kCaption, 144, -24, 700, 134, L"微软雅黑"},
    {FontRole::kStatus, 144, -21, 700, 134, L"微软雅黑"},
    {FontRole::kBox, 144, -21, 700, 0, L"Verdana"},
    {FontRole::kButton, 144, -18, 400, 134, L"微软雅黑"},
};

class FontTest : public testing::TestWithParam<FontCase> {};

bool RunsUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// The font a Wine prefix pins a face to (scripts/wine-env.sh), or empty.
std::wstring PinnedFont(const wchar_t* face) {
  wchar_t font[LF_FACESIZE] = {};
  DWORD size = sizeof font;
  const LSTATUS status = RegGetValueW(
      HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", face,
      RRF_RT_REG_SZ, nullptr, font, &size);
  return status == ERROR_SUCCESS ? font : L"";
}

// The family named inside the font file that draws the selected font: a
// substitute keeps the requested name in GetTextFaceW, not here.
std::wstring DrawnFamily(HDC device) {
  const UINT size = GetOutlineTextMetricsW(device, 0, nullptr);
  if (size == 0) return L"";
  std::vector<char> buffer(size);
  auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
  if (GetOutlineTextMetricsW(device, size, metrics) == 0) return L"";
  const auto offset = reinterpret_cast<std::uintptr_t>(metrics->otmpFamilyName);
  return reinterpret_cast<const wchar_t*>(buffer.data() + offset);
}

TEST_P(FontTest, AsksForTheTablesFontAndGetsItsSize) {
  const FontCase& c = GetParam();
  const LOGFONTW asked = FontDescription(c.role, c.dpi);
  EXPECT_EQ(asked.lfHeight, c.height);
  EXPECT_EQ(asked.lfWeight, c.weight);
  EXPECT_EQ(asked.lfCharSet, c.charset);
  EXPECT_STREQ(asked.lfFaceName, c.face);
  EXPECT_FALSE(asked.lfItalic || asked.lfUnderline || asked.lfStrikeOut);

  // What the font mapper made of it, with whatever face stands in here.
  const FontSet fonts(c.dpi);
  const HDC device = CreateCompatibleDC(nullptr);
  ASSERT_NE(device, nullptr);
  const HGDIOBJ previous = SelectObject(device, fonts.For(c.role));
  TEXTMETRICW got{};
  ASSERT_TRUE(GetTextMetricsW(device, &got));
  const std::string drawn = Utf8Of(DrawnFamily(device).c_str());
  SelectObject(device, previous);
  DeleteDC(device);
  EXPECT_EQ(got.tmHeight - got.tmInternalLeading, -c.height) << "font " << drawn;
  EXPECT_EQ(got.tmWeight >= 600, c.weight >= 600) << "font " << drawn;
  EXPECT_FALSE(got.tmItalic || got.tmUnderlined || got.tmStruckOut);
  // Under Wine the stand-in would otherwise be whichever font fontconfig
  // offers first, and the sizes above would hold on some machines only.
  if (RunsUnderWine()) {
    const std::wstring pinned = PinnedFont(c.face);
    EXPECT_FALSE(pinned.empty()) << "the Wine prefix pins no font for " << Utf8Of(c.face);
    EXPECT_EQ(drawn, Utf8Of(pinned.c_str())) << "face " << Utf8Of(c.face);
  }
}

std::string CaseName(const testing::TestParamInfo<FontCase>& row) {
  static const char* const kRoles[] = {"hint", "caption", "status", "box", "button", "default"};
  return std::string(kRoles[static_cast<int>(row.param.role)]) + "_" +
         std::to_string(row.param.dpi);
}

INSTANTIATE_TEST_SUITE_P(Roles, FontTest, testing::ValuesIn(kFontCases), CaseName);

TEST(WindowDefaultFont, IsTheMessageFontAtTheWindowsResolution) {
  const LOGFONTW at96 = FontDescription(FontRole::kWindowDefault, 96);
  const LOGFONTW at144 = FontDescription(FontRole::kWindowDefault, 144);
  EXPECT_NE(at96.lfFaceName[0], L'\0');
  EXPECT_NE(at96.lfHeight, 0);
  EXPECT_NEAR(std::abs(at144.lfHeight), std::abs(at96.lfHeight) * 1.5, 1.0);
}

// A label is as large as its caption in its font: the width grows with the
// resolution, the height is one line even for an empty caption.
TEST(LabelExtent, GrowsWithTheResolutionAndKeepsItsLine) {
  const std::wstring caption = WideFromUtf8(form::WindowText(form::Message::kWindowHintCase));
  const FontSet at96(96);
  const FontSet at144(144);
  const SIZE small = TextExtent(nullptr, at96.For(FontRole::kHint), caption);
  const SIZE large = TextExtent(nullptr, at144.For(FontRole::kHint), caption);
  ASSERT_GT(small.cx, 0);
  EXPECT_NEAR(static_cast<double>(large.cx) / small.cx, 1.5, 0.1);
  EXPECT_NEAR(static_cast<double>(large.cy) / small.cy, 1.5, 0.15);
  const SIZE empty = TextExtent(nullptr, at96.For(FontRole::kHint), L"");
  EXPECT_EQ(empty.cx, 0);
  EXPECT_EQ(empty.cy, small.cy);
}

TEST(InstanceMutexName, OneNamePerFileHoweverSpelled) {
  const std::wstring name = InstanceMutex::MutexName(L"C:\\Program Files\\Quorvel\\quorvel.exe");
  EXPECT_EQ(name.rfind(L"Local\\", 0), 0u);
  EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos) << "a backslash would name a namespace";
  EXPECT_EQ(InstanceMutex::MutexName(L"c:\\PROGRAM FILES\\quorvel\\QUORVEL.EXE"), name);
  EXPECT_NE(InstanceMutex::MutexName(L"C:\\Program Files\\Quorvel2\\quorvel.exe"), name);
  EXPECT_NE(InstanceMutex::MutexName(L"D:\\Program Files\\Quorvel\\quorvel.exe"), name);
}

TEST(InstanceMutex, FirstHoldsItAndItsEndFreesTheNextStart) {
  const std::wstring path = InstanceMutex::ThisProgramPath();
  ASSERT_FALSE(path.empty());
  auto first = std::make_unique<InstanceMutex>(path);
  EXPECT_FALSE(first->IsRunning());
  EXPECT_FALSE(first->IsRunning()) << "the holder asks again";
  InstanceMutex second(path);
  EXPECT_TRUE(second.IsRunning());
  InstanceMutex other(path + L".other");
  EXPECT_FALSE(other.IsRunning()) << "another program file is another program";
  first.reset();
  InstanceMutex third(path);
  EXPECT_FALSE(third.IsRunning()) << "the refused second start holds nothing";
}

TEST(WideText, RoundTrips) {
  struct Case {
    Text text;
    std::wstring wide;
  };
  const Case cases[] = {
      {U"H2+O2=H2O", L"H2+O2=H2O"},
      {U"方程式＋（）", L"方程式＋（）"},
      {U"\U0001D407"
       U"2",
       L"\xD835\xDC07"
       L"2"},                                               // beyond U+FFFF: a surrogate pair
      {Text{0xD800, U'x'}, std::wstring{L'\xD800', L'x'}},  // a lone surrogate stays
      {Text{0xDC00}, std::wstring{L'\xDC00'}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToWide(c.text), c.wide);
    EXPECT_EQ(FromWide(c.wide), c.text);
  }
  EXPECT_EQ(ToWide(Text{0x110000}), L"\xFFFD") << "beyond Unicode";
}

// Text1's right-click menu: the system's edit items, each offered only when
// it can act, then the mode item with its check.
struct EditMenuCase {
  const char* name;
  EditState box;
  bool checked;
  // Undo, cut, copy, paste, delete, select all.
  std::vector<bool> enabled;
};

TEST(EditMenu, OffersWhatCanBeDoneThenTheModeItem) {
  // Writable, can undo, selected, has text, all selected, clipboard text.
  const EditMenuCase cases[] = {
      {"empty",
       {true, false, false, false, false, false},
       false,
       {false, false, false, false, false, false}},
      {"typed, nothing selected, text to paste",
       {true, true, false, true, false, true},
       true,
       {true, false, false, true, false, true}},
      {"part selected",
       {true, false, true, true, false, false},
       false,
       {false, true, true, false, true, true}},
      {"all selected",
       {true, false, true, true, true, false},
       true,
       {false, true, true, false, true, false}},
      // Only copying and selecting change nothing.
      {"read-only",
       {false, true, true, true, false, true},
       false,
       {false, false, true, false, false, true}},
  };
  const std::vector<std::string> labels = {
      "撤消(&U)", "",
      "剪切(&T)", "复制(&C)",
      "粘贴(&P)", "删除(&D)",
      "",         "全选(&A)",
      "",         form::WindowText(form::Message::kWindowChemistryMenuItem)};
  for (const EditMenuCase& c : cases) {
    SCOPED_TRACE(c.name);
    const HMENU menu = BuildEditMenu(
        c.box,
        {WideFromUtf8(form::WindowText(form::Message::kWindowChemistryMenuItem)), c.checked});
    ASSERT_TRUE(menu);
    std::vector<std::string> shown;
    std::vector<bool> enabled;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      shown.push_back(Utf8Of(text));
      const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
      if (!(state & MF_SEPARATOR) && i < 8) enabled.push_back(!(state & MF_GRAYED));
    }
    EXPECT_EQ(shown, labels);
    EXPECT_EQ(enabled, c.enabled);
    EXPECT_EQ((GetMenuState(menu, 9, MF_BYPOSITION) & MF_CHECKED) != 0, c.checked);
    DestroyMenu(menu);
  }
}

}  // namespace
}  // namespace quorvel::win32
