#include "long_text_box.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <utility>

namespace quorvel::win32 {
namespace {

// More than a box shows on the largest screen at the smallest font.
constexpr std::size_t kShownLines = 64;
constexpr std::size_t kShownColumns = 1024;
constexpr UINT_PTR kSubclassId = 0x4C6F6E67;  // this subclass's own, beside others of the box

struct HeldText {
  bool held = false;
  std::wstring text;           // the box's whole text, while held
  std::size_t shown_size = 0;  // how much of its start the EDIT has
  // The selection in the whole text, which the EDIT cannot hold past its part.
  DWORD selection_start = 0;
  DWORD selection_end = 0;
};

bool Multiline(HWND edit) { return (GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) != 0; }
bool ReadOnly(HWND edit) { return (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0; }

// Ends a cut before a lone high surrogate: half a character is no character.
std::size_t WholeCharacters(std::wstring_view text, std::size_t cut) {
  if (cut > 0 && cut < text.size() && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) {
    return cut - 1;
  }
  return cut;
}

// The EDIT's own text, past this subclass.
std::wstring EditText(HWND edit) {
  const auto length = static_cast<std::size_t>(DefSubclassProc(edit, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      DefSubclassProc(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

std::optional<std::wstring> ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Up to its terminator, and never past the memory that holds it.
      const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
      text.emplace(chars, std::find(chars, chars + capacity, L'\0'));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

LRESULT CopyOut(const std::wstring& text, WPARAM capacity, LPARAM buffer) {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (capacity == 0 || !out) return 0;
  const std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
  std::wmemcpy(out, text.data(), count);
  out[count] = L'\0';
  return static_cast<LRESULT>(count);
}

LRESULT SetText(HWND edit, HeldText& box, std::wstring_view text) {
  if (text.size() < kLongTextFrom) {
    box = HeldText{};
    const std::wstring copy(text);
    return DefSubclassProc(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  }
  box.held = true;
  box.text.assign(text);
  box.selection_start = box.selection_end = 0;
  const std::wstring shown = ShownPart(box.text, Multiline(edit));
  box.shown_size = shown.size();
  DefSubclassProc(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
  return TRUE;
}

// The EDIT gets the whole text, and the selection, at last.
void HandOver(HWND edit, HeldText& box) {
  HeldText was = std::move(box);
  box = HeldText{};
  DefSubclassProc(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(was.text.c_str()));
  DefSubclassProc(edit, EM_SETSEL, was.selection_start, was.selection_end);
}

// A paste as the EDIT makes it, on the whole text, when that text is or
// becomes long; a short paste into a short text is the EDIT's own.
LRESULT Paste(HWND edit, HeldText& box) {
  if (ReadOnly(edit)) return 0;
  const std::optional<std::wstring> clip = ClipboardText(edit);
  if (!clip) return 0;
  if (!box.held) {
    const auto length = static_cast<std::size_t>(DefSubclassProc(edit, WM_GETTEXTLENGTH, 0, 0));
    if (length + clip->size() < kLongTextFrom) return DefSubclassProc(edit, WM_PASTE, 0, 0);
  }
  DWORD start = box.selection_start;
  DWORD end = box.selection_end;
  std::wstring whole;
  if (box.held) {
    whole = box.text;
  } else {
    whole = EditText(edit);
    DefSubclassProc(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
  }
  const Pasted pasted = PasteInto(whole, start, end, *clip, Multiline(edit));
  const auto caret = static_cast<DWORD>(pasted.caret);
  SetText(edit, box, pasted.text);
  if (box.held) {
    box.selection_start = box.selection_end = caret;
  } else {
    DefSubclassProc(edit, EM_SETSEL, caret, caret);
    DefSubclassProc(edit, EM_SCROLLCARET, 0, 0);
  }
  DefSubclassProc(edit, EM_SETMODIFY, TRUE, 0);
  return 0;
}

// EM_SETSEL on a held text: within the part the EDIT has, both keep it.
bool SelectWithinShownPart(HWND edit, HeldText& box, WPARAM wparam, LPARAM lparam) {
  const auto start = static_cast<INT_PTR>(wparam);
  const auto end = static_cast<INT_PTR>(lparam);
  if (start < 0 || end < 0) return false;
  const auto limit = static_cast<INT_PTR>(box.shown_size);
  if (start > limit || end > limit) return false;
  box.selection_start = static_cast<DWORD>(std::min(start, end));
  box.selection_end = static_cast<DWORD>(std::max(start, end));
  DefSubclassProc(edit, EM_SETSEL, wparam, lparam);
  return true;
}

bool MovesOrEdits(WPARAM key) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_DELETE:
    case VK_INSERT:
    case VK_BACK:
      return true;
    default:
      // Ctrl with a key is a shortcut of the box (select all, undo, cut...),
      // except a paste, which comes here as WM_PASTE.
      return GetKeyState(VK_CONTROL) < 0 && key != VK_CONTROL && key != 'V';
  }
}

// What the EDIT can do right only with the whole text.
bool NeedsWholeText(UINT message, WPARAM wparam) {
  switch (message) {
    case WM_KEYDOWN:
      return MovesOrEdits(wparam);
    case WM_CHAR:
      // Enter, Tab and Escape change nothing; Ctrl+V arrives as WM_PASTE.
      return wparam != L'\r' && wparam != L'\t' && wparam != 0x1B && wparam != 0x16;
    case WM_SYSKEYDOWN:  // Alt+Backspace undoes
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CUT:
    case WM_COPY:
    case WM_CLEAR:
    case WM_UNDO:
      return true;
    // What the EDIT answers as well from its part as from the whole text.
    case EM_SCROLLCARET:
    case EM_GETFIRSTVISIBLELINE:
    case EM_GETLIMITTEXT:
    case EM_SETLIMITTEXT:
    case EM_SETREADONLY:
    case EM_GETMODIFY:
    case EM_SETMODIFY:
    case EM_SETMARGINS:
    case EM_GETMARGINS:
    case EM_GETRECT:
      return false;
    default:
      // Every other query or change of lines, positions and contents.
      return message >= EM_GETSEL && message <= EM_GETIMESTATUS;
  }
}

LRESULT CALLBACK BoxProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                         UINT_PTR /*subclass*/, DWORD_PTR data) {
  auto* box = reinterpret_cast<HeldText*>(data);
  switch (message) {
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, BoxProc, kSubclassId);
      delete box;
      return DefSubclassProc(edit, message, wparam, lparam);
    case WM_SETTEXT:
      return SetText(edit, *box, lparam ? reinterpret_cast<const wchar_t*>(lparam) : L"");
    case WM_PASTE:
      return Paste(edit, *box);
    default:
      break;
  }
  if (box->held) {
    switch (message) {
      case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(box->text.size());
      case WM_GETTEXT:
        return CopyOut(box->text, wparam, lparam);
      case EM_GETSEL:
        if (wparam) *reinterpret_cast<DWORD*>(wparam) = box->selection_start;
        if (lparam) *reinterpret_cast<DWORD*>(lparam) = box->selection_end;
        return MAKELRESULT(std::min<DWORD>(box->selection_start, 0xFFFF),
                           std::min<DWORD>(box->selection_end, 0xFFFF));
      case EM_SETSEL:
        if (SelectWithinShownPart(edit, *box, wparam, lparam)) return 0;
        HandOver(edit, *box);
        break;
      default:
        if (NeedsWholeText(message, wparam)) HandOver(edit, *box);
        break;
    }
  }
  return DefSubclassProc(edit, message, wparam, lparam);
}

}  // namespace

bool HoldLongTexts(HWND edit) {
  auto* box = new HeldText;
  if (SetWindowSubclass(edit, BoxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(box))) return true;
  delete box;
  return false;
}

std::wstring ShownPart(std::wstring_view text, bool multiline) {
  if (!multiline) return std::wstring(text.substr(0, WholeCharacters(text, kShownColumns)));
  std::wstring shown;
  std::size_t start = 0;
  for (std::size_t line = 0; line < kShownLines && start < text.size(); ++line) {
    const std::size_t newline = text.find(L'\n', start);
    const std::size_t next = newline == std::wstring_view::npos ? text.size() : newline + 1;
    std::size_t content_end = next;
    while (content_end > start && (text[content_end - 1] == L'\n' || text[content_end - 1] == L'\r')) {
      --content_end;
    }
    const std::wstring_view content = text.substr(start, content_end - start);
    shown.append(content.substr(0, WholeCharacters(content, kShownColumns)));
    shown.append(text.substr(content_end, next - content_end));
    start = next;
  }
  return shown;
}

Pasted PasteInto(std::wstring_view text, std::size_t start, std::size_t end,
                 std::wstring_view clip, bool multiline) {
  if (start > end) std::swap(start, end);
  start = std::min(start, text.size());
  end = std::min(end, text.size());
  if (!multiline) {
    // A line break cannot go into a box of one line: the clip ends there.
    const std::size_t newline = clip.find_first_of(L"\r\n");
    if (newline != std::wstring_view::npos) clip = clip.substr(0, newline);
  }
  std::wstring pasted;
  pasted.reserve(text.size() - (end - start) + clip.size());
  pasted.append(text.substr(0, start)).append(clip).append(text.substr(end));
  return {std::move(pasted), start + clip.size()};
}

}  // namespace quorvel::win32
