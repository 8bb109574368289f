// Boxes that hold their long texts themselves: what part of a text the EDIT
// gets, a paste worked out on the whole text, and, in a real EDIT (where a
// window can be made), that every reader still gets the whole text and that
// whatever needs it inside the EDIT gets it there first.
#include "long_text_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "remote_window.h"

namespace quorvel::win32 {
namespace {

std::wstring Lines(std::size_t count, std::size_t length) {
  std::wstring text;
  for (std::size_t i = 0; i < count; ++i) {
    text.append(length, static_cast<wchar_t>(L'a' + i % 26)).append(L"\r\n");
  }
  return text;
}

struct ShownCase {
  const char* name;
  std::wstring text;
  bool multiline;
  std::wstring shown;
};

class ShownPartTest : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownPartTest, IsTheStartOfEachLineItShows) {
  const ShownCase& c = GetParam();
  const std::wstring shown = ShownPart(c.text, c.multiline);
  EXPECT_TRUE(shown == c.shown) << shown.size() << " characters, want " << c.shown.size();
}

const std::wstring kLongLine(100000, L'x');
const std::wstring kSurrogatePair = L"\U0001F600";

INSTANTIATE_TEST_SUITE_P(
    LongTextBox, ShownPartTest,
    testing::Values(
        ShownCase{"one_line_cut", kLongLine, false, std::wstring(1024, L'x')},
        // Line breaks mean nothing to a box of one line.
        ShownCase{"one_line_box_ignores_breaks", Lines(3, 2000), false,
                  Lines(3, 2000).substr(0, 1024)},
        // A character of two halves is not cut in two.
        ShownCase{"cut_keeps_characters_whole", std::wstring(1023, L'x') + kSurrogatePair, false,
                  std::wstring(1023, L'x')},
        ShownCase{"each_line_cut_breaks_kept", Lines(3, 2000) + L"end", true,
                  std::wstring(1024, L'a') + L"\r\n" + std::wstring(1024, L'b') + L"\r\n" +
                      std::wstring(1024, L'c') + L"\r\nend"},
        ShownCase{"only_the_first_lines", Lines(100000, 5), true, Lines(64, 5)},
        ShownCase{"short_lines_whole", Lines(10, 5), true, Lines(10, 5)}),
    [](const testing::TestParamInfo<ShownCase>& row) { return std::string(row.param.name); });

struct PasteCase {
  const char* name;
  std::wstring text;
  std::size_t start;
  std::size_t end;
  std::wstring clip;
  bool multiline;
  std::wstring pasted;
  std::size_t caret;
};

class PasteIntoTest : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteIntoTest, ReplacesTheSelection) {
  const PasteCase& c = GetParam();
  const Pasted pasted = PasteInto(c.text, c.start, c.end, c.clip, c.multiline);
  EXPECT_EQ(pasted.text, c.pasted);
  EXPECT_EQ(pasted.caret, c.caret);
}

INSTANTIATE_TEST_SUITE_P(
    LongTextBox, PasteIntoTest,
    testing::Values(PasteCase{"at_the_caret", L"H2=H2O", 2, 2, L"+O2", false, L"H2+O2=H2O", 5},
                    PasteCase{"over_the_selection", L"H2+X=H2O", 3, 4, L"O2", false, L"H2+O2=H2O", 5},
                    PasteCase{"selection_made_backwards", L"H2+X=H2O", 4, 3, L"O2", false,
                              L"H2+O2=H2O", 5},
                    PasteCase{"selection_past_the_end", L"H2", 7, 9, L"+O2", false, L"H2+O2", 5},
                    PasteCase{"one_line_stops_at_lf", L"", 0, 0, L"H2+O2\nH2O", false, L"H2+O2", 5},
                    PasteCase{"one_line_stops_at_cr_lf", L"=H2O", 0, 0, L"H2+O2\r\nx", false,
                              L"H2+O2=H2O", 5},
                    PasteCase{"lines_keep_their_breaks", L"", 0, 0, L"1\r\n2", true, L"1\r\n2", 4}),
    [](const testing::TestParamInfo<PasteCase>& row) { return std::string(row.param.name); });

// --- In a real EDIT ------------------------------------------------------------

// A hidden EDIT that holds long texts, or none where no window can be made
// (Wine without a display).
class HeldEdit {
 public:
  explicit HeldEdit(DWORD style) {
    edit_ = CreateWindowExW(0, WC_EDIT, L"", WS_POPUP | style, 0, 0, 200, 40, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!edit_) return;
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
    HoldLongTexts(edit_);
    WNDCLASSEXW edit_class{};
    edit_class.cbSize = sizeof(edit_class);
    GetClassInfoExW(nullptr, WC_EDIT, &edit_class);
    edit_proc_ = edit_class.lpfnWndProc;
  }
  ~HeldEdit() {
    if (edit_) DestroyWindow(edit_);
  }
  HeldEdit(const HeldEdit&) = delete;
  HeldEdit& operator=(const HeldEdit&) = delete;

  HWND edit() const { return edit_; }
  std::wstring Text() const {
    std::wstring text(static_cast<std::size_t>(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(edit_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }
  // How much the EDIT itself has, past the box's subclass.
  std::size_t EditLength() const {
    return static_cast<std::size_t>(CallWindowProcW(edit_proc_, edit_, WM_GETTEXTLENGTH, 0, 0));
  }

 private:
  HWND edit_ = nullptr;
  WNDPROC edit_proc_ = nullptr;
};

#define SKIP_WITHOUT_WINDOW(box) \
  if (!(box).edit()) GTEST_SKIP() << "no window can be made here (no display)"

TEST(HeldText, ReadersGetTheWholeTextTheEditOnlyItsStart) {
  HeldEdit box(ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL);
  SKIP_WITHOUT_WINDOW(box);
  const std::wstring matrix = Lines(20, 100000);
  ASSERT_TRUE(SetWindowTextW(box.edit(), matrix.c_str()));
  EXPECT_TRUE(box.Text() == matrix) << box.Text().size();
  EXPECT_EQ(box.EditLength(), ShownPart(matrix, true).size());
  // A buffer too small gets the text's start, ended by a NUL.
  wchar_t start[5] = {L'?', L'?', L'?', L'?', L'?'};
  EXPECT_EQ(SendMessageW(box.edit(), WM_GETTEXT, 5, reinterpret_cast<LPARAM>(start)), 4);
  EXPECT_EQ(std::wstring(start), matrix.substr(0, 4));
  // A short text goes to the EDIT whole again.
  ASSERT_TRUE(SetWindowTextW(box.edit(), L"1    \r\n"));
  EXPECT_EQ(box.Text(), L"1    \r\n");
  EXPECT_EQ(box.EditLength(), 7u);
}

struct HandOverCase {
  const char* name;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
  bool hands_over;
};

class HandOverTest : public testing::TestWithParam<HandOverCase> {};

TEST_P(HandOverTest, WholeTextReachesTheEditWhenNeeded) {
  const HandOverCase& c = GetParam();
  HeldEdit box(ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL);
  SKIP_WITHOUT_WINDOW(box);
  const std::wstring matrix = Lines(30, 2000);
  ASSERT_TRUE(SetWindowTextW(box.edit(), matrix.c_str()));
  SendMessageW(box.edit(), c.message, c.wparam, c.lparam);
  EXPECT_EQ(box.EditLength() >= matrix.size(), c.hands_over);
  if (c.hands_over) {
    // The EDIT's own answer from here on: for a key, the text it typed.
    EXPECT_EQ(box.Text().size(), box.EditLength());
  } else {
    EXPECT_TRUE(box.Text() == matrix);
  }
}

INSTANTIATE_TEST_SUITE_P(
    LongTextBox, HandOverTest,
    testing::Values(HandOverCase{"typed_character", WM_CHAR, L'x', 1, true},
                    HandOverCase{"line_count", EM_GETLINECOUNT, 0, 0, true},
                    HandOverCase{"select_all", EM_SETSEL, 0, static_cast<LPARAM>(-1), true},
                    HandOverCase{"copy", WM_COPY, 0, 0, true},
                    HandOverCase{"scroll", WM_VSCROLL, SB_PAGEDOWN, 0, true},
                    HandOverCase{"end_key", WM_KEYDOWN, VK_END, 1, true},
                    // What the window does with every text it gives a box.
                    HandOverCase{"caret_to_the_start", EM_SETSEL, 0, 0, false},
                    HandOverCase{"scroll_to_the_caret", EM_SCROLLCARET, 0, 0, false},
                    HandOverCase{"first_visible_line", EM_GETFIRSTVISIBLELINE, 0, 0, false},
                    // Enter goes to the balance command, not into the text.
                    HandOverCase{"enter", WM_CHAR, L'\r', 1, false},
                    HandOverCase{"enter_key", WM_KEYDOWN, VK_RETURN, 1, false}),
    [](const testing::TestParamInfo<HandOverCase>& row) { return std::string(row.param.name); });

// A megabyte pasted at the caret of a one-line box: the box holds it, and
// what the user types next lands right after it, not at the start.
TEST(HeldText, TypingAfterAPasteGoesAfterThePastedText) {
  HeldEdit box(ES_AUTOHSCROLL);
  SKIP_WITHOUT_WINDOW(box);
  ASSERT_TRUE(SetWindowTextW(box.edit(), L"H2O"));
  SendMessageW(box.edit(), EM_SETSEL, 0, 0);
  const std::wstring pasted = std::wstring(200000, L'H') + L"\r\nnot this line";
  ASSERT_TRUE(quorvel_test::PutOnClipboard(pasted));
  SendMessageW(box.edit(), WM_PASTE, 0, 0);
  const std::wstring line = std::wstring(200000, L'H');
  EXPECT_TRUE(box.Text() == line + L"H2O") << box.Text().size();
  EXPECT_LT(box.EditLength(), kLongTextFrom) << "the EDIT got the whole megabyte";
  SendMessageW(box.edit(), WM_CHAR, L'=', 1);
  EXPECT_TRUE(box.Text() == line + L"=H2O") << box.Text().substr(0, 8).size();
}

TEST(HeldText, ReadOnlyBoxTakesNoPaste) {
  HeldEdit box(ES_AUTOHSCROLL | ES_READONLY);
  SKIP_WITHOUT_WINDOW(box);
  ASSERT_TRUE(quorvel_test::PutOnClipboard(std::wstring(50000, L'x')));
  SendMessageW(box.edit(), WM_PASTE, 0, 0);
  EXPECT_EQ(box.Text(), L"");
}

}  // namespace
}  // namespace quorvel::win32
