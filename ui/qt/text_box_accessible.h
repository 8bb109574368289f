#pragma once

#include <QString>

namespace quorvel::ui {

class TextBox;

// Screen readers reach a text box through the toolkit's text and editable
// text interfaces, as they reach a line edit: its text, caret, selection,
// the place of each character, and edits. Installed once, by the first box.
void InstallTextBoxAccessibility();

// What a box tells screen readers as it changes, as a line edit tells them.
// Each costs nothing while no screen reader listens.
void TellTextReplaced(TextBox& box, int position, const QString& removed, const QString& inserted);
void TellCaretMoved(TextBox& box, int position);
void TellSelectionChanged(TextBox& box, int start, int end, int caret);

}  // namespace quorvel::ui
