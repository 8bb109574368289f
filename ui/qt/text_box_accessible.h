#pragma once

#include <QAccessible>
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

// The item of `boundary` (a character, word, sentence; anything else is the
// whole line) at, before or after `offset`, with the toolkit's rules for a
// whole text, but read from a stretch around the offset so that a pasted
// megabyte is never segmented whole. Sets start and end to -1 for an offset
// outside the text.
enum class ItemSide { kBefore, kAt, kAfter };
QString TextItem(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                 ItemSide side, int* start, int* end);

}  // namespace quorvel::ui
