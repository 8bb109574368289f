#include "edit_menu.h"

#include <array>
#include <optional>

#include "form/texts.h"
#include "wide_text.h"

namespace quorvel::win32 {
namespace {

// 0 is what TrackPopupMenu returns when nothing is chosen.
constexpr UINT kFirstItem = 1;
constexpr UINT kCheckItem = 100;

struct EditItem {
  std::optional<form::Message> text;  // none: a separator
  bool enabled;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

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

std::array<EditItem, 8> EditItems(const EditState& box) {
  // The system's own items, in its order and words; each is one message to the box.
  return {{
      {form::Message::kEditUndo, box.writable && box.can_undo, EM_UNDO, 0, 0},
      {std::nullopt, false, 0, 0, 0},
      {form::Message::kEditCut, box.writable && box.selected, WM_CUT, 0, 0},
      {form::Message::kEditCopy, box.selected, WM_COPY, 0, 0},
      {form::Message::kEditPaste, box.writable && box.clipboard_text, WM_PASTE, 0, 0},
      {form::Message::kEditDelete, box.writable && box.selected, WM_CLEAR, 0, 0},
      {std::nullopt, false, 0, 0, 0},
      {form::Message::kEditSelectAll, box.has_text && !box.all_selected, EM_SETSEL, 0, -1},
  }};
}

}  // namespace

EditState ReadEditState(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
  EditState box;
  box.writable = (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) == 0;
  box.can_undo = SendMessageW(edit, EM_CANUNDO, 0, 0) != 0;
  box.selected = start != end;
  box.has_text = length > 0;
  box.all_selected = start == 0 && end == length;
  box.clipboard_text = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
  return box;
}

HMENU BuildEditMenu(const EditState& box, const MenuCheck& check) {
  const HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  const std::array<EditItem, 8> items = EditItems(box);
  for (UINT i = 0; i < items.size(); ++i) {
    const EditItem& item = items[i];
    if (!item.text) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      const std::wstring text = WideFromUtf8(form::WindowText(*item.text));
      AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), kFirstItem + i,
                  text.c_str());
    }
  }
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | (check.checked ? MF_CHECKED : MF_UNCHECKED), kCheckItem,
              check.text.c_str());
  return menu;
}

bool ShowEditMenu(HWND edit, LPARAM where, const MenuCheck& check) {
  const EditState box = ReadEditState(edit);
  const HMENU menu = BuildEditMenu(box, check);
  if (!menu) return false;
  SetFocus(edit);
  const POINT point = MenuPoint(edit, where);
  const auto chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, edit, nullptr));
  DestroyMenu(menu);
  if (chosen >= kFirstItem && chosen < kCheckItem) {
    const EditItem item = EditItems(box)[chosen - kFirstItem];
    SendMessageW(edit, item.message, item.wparam, item.lparam);
  }
  return chosen == kCheckItem;
}

}  // namespace quorvel::win32
