#pragma once

// A text box that takes a megabyte without stalling the window. An EDIT
// control lays out its whole text for every new text it is given (under Wine
// a quarter of a second per megabyte on one line, half a minute for two
// megabytes on many lines), and the window's thread answers nothing while it
// does. A box made to hold long texts keeps a long text itself and gives the
// EDIT only the part of it that the box can show; WM_GETTEXT and
// WM_GETTEXTLENGTH still answer with the whole text, and a paste works on it.
// Anything else that needs the whole text inside the EDIT (a key, a click, a
// scroll, a copy, a query of lines or positions) hands it over once, at the
// EDIT's own cost, and the box is a plain EDIT again until its next long text.
// The box stays a real EDIT: its class, styles and what screen readers learn
// of it (an editable text, its value) are the EDIT's.
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::win32 {

// Texts shorter than this go to the EDIT as they are.
inline constexpr std::size_t kLongTextFrom = 32 * 1024;

// Makes `edit` hold its long texts itself, from now until it is destroyed.
bool HoldLongTexts(HWND edit);

// The part of a long `text` that its box gets: its first lines (only the
// first when the box has one line), each cut after as many characters as a
// box of any size shows.
std::wstring ShownPart(std::wstring_view text, bool multiline);

struct Pasted {
  std::wstring text;
  std::size_t caret;  // just after what was pasted
};
// `text` with the characters from `start` to `end` (either way round)
// replaced by the pasted `clip`; a box of one line takes the clip only up to
// its first line break.
Pasted PasteInto(std::wstring_view text, std::size_t start, std::size_t end,
                 std::wstring_view clip, bool multiline);

}  // namespace quorvel::win32
