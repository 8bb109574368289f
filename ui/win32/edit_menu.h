#pragma once

// The right-click menu of an EDIT control, built here so that its owner can
// add an item of its own: the system's menu cannot be added to.
#include <windows.h>

#include <string>

namespace quorvel::win32 {

// A checkable item below the edit items, after a separator.
struct MenuCheck {
  std::wstring text;
  bool checked = false;
};

// What the edit items can act on.
struct EditState {
  bool writable = true;
  bool can_undo = false;
  bool selected = false;
  bool has_text = false;
  bool all_selected = false;
  bool clipboard_text = false;
};

EditState ReadEditState(HWND edit);
// The menu for a box in `box`'s state; the caller destroys it.
HMENU BuildEditMenu(const EditState& box, const MenuCheck& check);

// Shows the menu at `where` (WM_CONTEXTMENU's lparam: screen coordinates, or
// -1, -1 from the keyboard), does the edit item chosen, and returns true
// when `check` was chosen.
bool ShowEditMenu(HWND edit, LPARAM where, const MenuCheck& check);

}  // namespace quorvel::win32
