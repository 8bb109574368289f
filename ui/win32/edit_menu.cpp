#include "edit_menu.h"

namespace quorvel::win32 {
namespace {

enum Item : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll, kCheck };

// From the keyboard: below the caret, as the system's own menu opens.
POINT MenuPoint(HWND edit, LPARAM where) {
  if (where != static_cast<LPARAM>(-1)) {
    return {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  }
  POINT caret{0, 0};
  if (!GetCaretPos(&caret)) caret = {0, 0};
  RECT client{};
  GetClientRect(edit, &client);
  POINT point{caret.x, client.bottom};
  ClientToScreen(edit, &point);
  return point;
}

}  // namespace

bool ShowEditMenu(HWND edit, LPARAM where, const MenuCheck& check) {
  const HMENU menu = CreatePopupMenu();
  if (!menu) return false;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selected = start != end;
  const bool writable = (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) == 0;
  const int length = GetWindowTextLengthW(edit);
  const bool all_selected = start == 0 && end == static_cast<DWORD>(length);
  const auto add = [menu](UINT id, const wchar_t* text, bool enabled) {
    AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, text);
  };
  add(kUndo, L"撤消(&U)", writable && SendMessageW(edit, EM_CANUNDO, 0, 0) != 0);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  add(kCut, L"剪切(&T)", writable && selected);
  add(kCopy, L"复制(&C)", selected);
  add(kPaste, L"粘贴(&P)", writable && IsClipboardFormatAvailable(CF_UNICODETEXT));
  add(kDelete, L"删除(&D)", writable && selected);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  add(kSelectAll, L"全选(&A)", length > 0 && !all_selected);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | (check.checked ? MF_CHECKED : MF_UNCHECKED), kCheck,
              check.text.c_str());

  SetFocus(edit);
  const POINT point = MenuPoint(edit, where);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, edit, nullptr));
  DestroyMenu(menu);
  switch (chosen) {
    case kUndo:
      SendMessageW(edit, EM_UNDO, 0, 0);
      break;
    case kCut:
      SendMessageW(edit, WM_CUT, 0, 0);
      break;
    case kCopy:
      SendMessageW(edit, WM_COPY, 0, 0);
      break;
    case kPaste:
      SendMessageW(edit, WM_PASTE, 0, 0);
      break;
    case kDelete:
      SendMessageW(edit, WM_CLEAR, 0, 0);
      break;
    case kSelectAll:
      SendMessageW(edit, EM_SETSEL, 0, -1);
      break;
    default:
      break;
  }
  return chosen == kCheck;
}

}  // namespace quorvel::win32
