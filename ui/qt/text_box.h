#pragma once

#include <QBasicTimer>
#include <QString>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

class QMenu;

namespace quorvel::ui {

// The form's one-line text box. It edits like the toolkit's own line edit
// (keys, mouse, clipboard, undo, input methods, the right-click menu in the
// toolkit's words) but lays out only the stretch of text it shows, so a new
// text, a repaint or a key costs the same for a pasted megabyte as for a
// formula. The toolkit's box measures its whole text on every change and
// repaint, which held the window still for a fifth of a second or more per
// megabyte.
class TextBox : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText USER true)

 public:
  explicit TextBox(QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  // A text set by the program is shown from its start, caret first and
  // nothing selected, as a classic text box shows it. Undo starts afresh.
  void setText(const QString& text);

  bool isReadOnly() const { return read_only_; }
  void setReadOnly(bool read_only);

  int cursorPosition() const { return cursor_; }
  void setCursorPosition(int position);
  bool hasSelectedText() const { return cursor_ != anchor_; }
  int selectionStart() const { return std::min(cursor_, anchor_); }
  int selectionEnd() const { return std::max(cursor_, anchor_); }
  QString selectedText() const;
  void selectAll();
  // Selects from `anchor` to `caret`, and puts the caret there.
  void setSelection(int anchor, int caret);

  // Replaces the text from `start` to `end` as an edit the user can take
  // back. A read-only or disabled box refuses it and returns false.
  bool replaceRange(int start, int end, const QString& with);

  // Where the character at `position` is drawn in the box; empty while it
  // is scrolled out of sight. Lays out only the stretch on show.
  QRect characterRect(int position) const;
  // The character drawn at `point` in the box, or -1 where there is none.
  int characterAt(QPoint point) const;

  // The right-click menu; the caller owns it.
  QMenu* createStandardContextMenu();
  // Adds the owner's items below the edit items each time the menu opens.
  void SetMenuExtension(std::function<void(QMenu&)> extend) { extend_menu_ = std::move(extend); }

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // One change of the text, enough to take it back or make it again.
  struct Edit {
    int position;
    QString removed;
    QString inserted;
    bool typed;  // typed characters in a row are taken back together
  };
  enum class Typed { kNo, kYes };

  // The text from `from`, `length` characters, laid out on one line as it
  // is drawn: control characters show as spaces, as in the toolkit's box.
  void LayOut(QTextLayout& layout, int from, int length) const;
  // The stretch on show, from the first visible character to past the
  // right edge, with the input method's unfinished text at the caret.
  void LayOutShown(QTextLayout& layout) const;
  QStyleOptionFrame Panel() const;  // the frame, as the style draws a line edit's
  QRect LineRect() const;
  int CaretX() const;  // in the widget, for the caret drawn and for input methods
  int PositionAt(int x) const;
  // The caret position one step from `position`: a character, or a word.
  int Step(int position, int direction, QTextLayout::CursorMode mode) const;
  // The first position from which the text up to `position` fits the box.
  int FirstShownFor(int position) const;
  void KeepCaretShown();
  // The place of `position` in the stretch LayOutShown lays out, or -1.
  int ShownIndex(int position, const QTextLayout& layout) const;

  void MoveTo(int position, bool select);
  void Replace(int from, int length, const QString& with, Typed typed);
  void ReplaceSelection(const QString& with, Typed typed);
  void TellCaretAndSelection();  // to screen readers, when either changed
  void EraseStep(int direction, QTextLayout::CursorMode mode);
  void Undo();
  void Redo();
  // Takes the newest edit of `from` back, or makes it `again`, and files it in `to`.
  void Revisit(std::vector<Edit>& from, std::vector<Edit>& to, bool again);
  void Copy() const;
  void Cut();
  void Paste(bool from_selection);
  void SelectWordAt(int position);
  void ShowCaretNow();
  bool CaretWanted() const;

  QString text_;
  QString preedit_;  // what an input method is still composing
  int cursor_ = 0;
  int anchor_ = 0;  // the other end of the selection
  int first_shown_ = 0;
  // The caret and selection screen readers were last told of.
  int told_cursor_ = 0;
  int told_selection_start_ = 0;
  int told_selection_end_ = 0;
  bool read_only_ = false;
  bool caret_on_ = false;
  bool selecting_ = false;  // the left button is down
  QBasicTimer blink_;
  std::vector<Edit> undo_;
  std::vector<Edit> redo_;
  std::function<void(QMenu&)> extend_menu_;
};

}  // namespace quorvel::ui
