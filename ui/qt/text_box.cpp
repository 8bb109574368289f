#include "text_box.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "text_box_accessible.h"

namespace quorvel::ui {
namespace {

// Characters laid out at a time: more than a box shows of the narrowest
// text, so one stretch nearly always fills it; it doubles when it does not.
constexpr int kStretch = 256;
// Past this a stretch stops growing: only invisible characters get there.
constexpr int kLongestStretch = 1 << 16;
// The toolkit's box keeps this much room between its frame and its text.
constexpr int kHorizontalMargin = 2;

bool ShownAsSpace(QChar c) {
  return (c.unicode() < 0x20 && c != QLatin1Char('\t')) || c == QChar::LineSeparator ||
         c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter;
}

void LayOutLine(QTextLayout& layout, QString shown, const QFont& font,
                const QList<QTextLayout::FormatRange>& formats = {}) {
  for (QChar& c : shown) {
    if (ShownAsSpace(c)) c = QLatin1Char(' ');
  }
  layout.setText(shown);
  layout.setFont(font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.setFormats(formats);
  layout.setCacheEnabled(true);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
}

// A slice may start inside a surrogate pair; a caret position never does.
int ToCharacterStart(const QString& text, int position) {
  if (position > 0 && position < text.size() && text.at(position).isLowSurrogate()) --position;
  return position;
}

QString Words(const char* source) { return QCoreApplication::translate("QLineEdit", source); }

QString WithShortcut(const QString& label, QKeySequence::StandardKey key) {
  if (!QGuiApplication::styleHints()->showShortcutsInContextMenus()) return label;
  return label + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QWidget(parent) {
  InstallTextBoxAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  setCursor(Qt::IBeamCursor);
}

void TextBox::setText(const QString& text) {
  const QString before = std::exchange(text_, text);
  preedit_.clear();
  cursor_ = anchor_ = first_shown_ = 0;
  TellTextReplaced(*this, 0, before, text_);
  TellCaretAndSelection();
  undo_.clear();
  redo_.clear();
  ShowCaretNow();
  updateMicroFocus();
}

void TextBox::setReadOnly(bool read_only) {
  read_only_ = read_only;
  setAttribute(Qt::WA_InputMethodEnabled, !read_only);
  ShowCaretNow();
}

void TextBox::setCursorPosition(int position) { MoveTo(position, false); }

QString TextBox::selectedText() const {
  return text_.mid(std::min(cursor_, anchor_), std::abs(cursor_ - anchor_));
}

void TextBox::selectAll() {
  anchor_ = 0;
  MoveTo(static_cast<int>(text_.size()), true);
}

void TextBox::setSelection(int anchor, int caret) {
  anchor_ = ToCharacterStart(text_, std::clamp(anchor, 0, static_cast<int>(text_.size())));
  MoveTo(caret, true);
}

bool TextBox::replaceRange(int start, int end, const QString& with) {
  if (read_only_ || !isEnabled()) return false;
  const int size = static_cast<int>(text_.size());
  const int from = ToCharacterStart(text_, std::clamp(std::min(start, end), 0, size));
  const int to = ToCharacterStart(text_, std::clamp(std::max(start, end), 0, size));
  Replace(from, to - from, with, Typed::kNo);
  return true;
}

int TextBox::ShownIndex(int position, const QTextLayout& layout) const {
  const int shown = static_cast<int>(layout.text().size() - preedit_.size());
  const int index = position - first_shown_;
  if (index < 0 || index >= shown) return -1;
  // What an input method composes is laid out at the caret.
  return index < cursor_ - first_shown_ ? index : index + static_cast<int>(preedit_.size());
}

QRect TextBox::characterRect(int position) const {
  const int size = static_cast<int>(text_.size());
  if (position < first_shown_ || position >= size) return {};
  position = ToCharacterStart(text_, position);
  QTextLayout layout;
  LayOutShown(layout);
  const int index = ShownIndex(position, layout);
  if (index < 0) return {};
  const int units = text_.at(position).isHighSurrogate() && position + 1 < size ? 2 : 1;
  const QTextLine line = layout.lineAt(0);
  const qreal a = line.cursorToX(index);
  const qreal b = line.cursorToX(index + units);
  const QRect place = LineRect();
  const int left = place.left() + static_cast<int>(std::floor(std::min(a, b)));
  const int right = place.left() + static_cast<int>(std::ceil(std::max(a, b)));
  // Characters past the right edge are laid out but not seen.
  if (left > place.right()) return {};
  return {left, place.top(), right - left, place.height()};
}

int TextBox::characterAt(QPoint point) const {
  const QRect place = LineRect();
  // The frame and the margin inside it hold no character.
  if (!rect().contains(point) || point.x() < place.left()) return -1;
  QTextLayout layout;
  LayOutShown(layout);
  int index = layout.lineAt(0).xToCursor(point.x() - place.left(), QTextLine::CursorOnCharacter);
  const int caret = cursor_ - first_shown_;
  const int composing = static_cast<int>(preedit_.size());
  // A point on what an input method composes is at the caret.
  index = index >= caret + composing ? index - composing : std::min(index, caret);
  const int position = first_shown_ + index;
  return position < static_cast<int>(text_.size()) ? position : -1;
}

void TextBox::LayOut(QTextLayout& layout, int from, int length) const {
  LayOutLine(layout, text_.mid(from, length), font());
}

void TextBox::LayOutShown(QTextLayout& layout) const {
  const int width = LineRect().width();
  const int size = static_cast<int>(text_.size());
  for (int length = kStretch;; length *= 2) {
    QString shown = text_.mid(first_shown_, length);
    QList<QTextLayout::FormatRange> formats;
    const int caret = cursor_ - first_shown_;
    if (!preedit_.isEmpty() && caret >= 0 && caret <= shown.size()) {
      shown.insert(caret, preedit_);
      QTextLayout::FormatRange composing;
      composing.start = caret;
      composing.length = static_cast<int>(preedit_.size());
      composing.format.setFontUnderline(true);
      formats.append(composing);
    }
    LayOutLine(layout, shown, font(), formats);
    if (layout.lineAt(0).naturalTextWidth() > width || first_shown_ + length >= size ||
        length >= kLongestStretch) {
      return;
    }
  }
}

QStyleOptionFrame TextBox::Panel() const {
  QStyleOptionFrame panel;
  panel.initFrom(this);
  panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
  panel.state |= QStyle::State_Sunken;
  if (read_only_) panel.state |= QStyle::State_ReadOnly;
  return panel;
}

QRect TextBox::LineRect() const {
  const QStyleOptionFrame panel = Panel();
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  const int height = fontMetrics().height();
  return {contents.x() + kHorizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
          contents.width() - 2 * kHorizontalMargin, height};
}

int TextBox::CaretX() const {
  QTextLayout layout;
  LayOutShown(layout);
  const int caret = std::clamp(cursor_ - first_shown_, 0, static_cast<int>(layout.text().size()));
  return LineRect().left() +
         qRound(layout.lineAt(0).cursorToX(caret + static_cast<int>(preedit_.size())));
}

int TextBox::PositionAt(int x) const {
  const QRect line = LineRect();
  if (x < line.left() && first_shown_ > 0) {
    return Step(first_shown_, -1, QTextLayout::SkipCharacters);
  }
  QTextLayout layout;
  LayOutShown(layout);
  int position = first_shown_ + layout.lineAt(0).xToCursor(x - line.left());
  // Dragging past the right edge reaches for what is hidden there.
  if (x > line.right()) position = Step(position, 1, QTextLayout::SkipCharacters);
  return std::min(position, static_cast<int>(text_.size()));
}

int TextBox::Step(int position, int direction, QTextLayout::CursorMode mode) const {
  const int from = ToCharacterStart(text_, std::max(0, position - kStretch));
  const int to = std::min(static_cast<int>(text_.size()), position + kStretch);
  // Caret positions need the characters only, not their layout.
  QTextLayout layout(text_.mid(from, to - from));
  const int local = position - from;
  return from + (direction > 0 ? layout.nextCursorPosition(local, mode)
                               : layout.previousCursorPosition(local, mode));
}

int TextBox::FirstShownFor(int position) const {
  const qreal width = LineRect().width() - 1;  // and the caret after it
  for (int back = kStretch;; back *= 2) {
    const int from = ToCharacterStart(text_, std::max(0, position - back));
    QTextLayout layout;
    LayOut(layout, from, position - from);
    const QTextLine line = layout.lineAt(0);
    const qreal end = line.cursorToX(position - from);
    if (end <= width) {
      if (from == 0 || back >= kLongestStretch) return from;
      continue;
    }
    int first = 0;
    while (first < position - from && end - line.cursorToX(first) > width) {
      first = layout.nextCursorPosition(first);
    }
    return from + first;
  }
}

void TextBox::KeepCaretShown() {
  if (cursor_ < first_shown_) {
    first_shown_ = cursor_;
  } else {
    first_shown_ = std::max(first_shown_, FirstShownFor(cursor_));
  }
  // No blank room after the text's end while some of it is hidden on the left.
  if (first_shown_ > 0) {
    first_shown_ = std::min(first_shown_, FirstShownFor(static_cast<int>(text_.size())));
  }
}

void TextBox::MoveTo(int position, bool select) {
  cursor_ = ToCharacterStart(text_, std::clamp(position, 0, static_cast<int>(text_.size())));
  if (!select) anchor_ = cursor_;
  KeepCaretShown();
  ShowCaretNow();
  updateMicroFocus();
  TellCaretAndSelection();
}

void TextBox::TellCaretAndSelection() {
  const int start = hasSelectedText() ? selectionStart() : 0;
  const int end = hasSelectedText() ? selectionEnd() : 0;
  if (start != told_selection_start_ || end != told_selection_end_) {
    told_selection_start_ = start;
    told_selection_end_ = end;
    TellSelectionChanged(*this, start, end, cursor_);
  }
  if (cursor_ != told_cursor_) {
    told_cursor_ = cursor_;
    TellCaretMoved(*this, cursor_);
  }
}

void TextBox::Replace(int from, int length, const QString& with, Typed typed) {
  if (length == 0 && with.isEmpty()) return;
  const bool typing = typed == Typed::kYes;
  const QString removed = text_.mid(from, length);
  if (typing && length == 0 && !undo_.empty() && undo_.back().typed &&
      undo_.back().position + undo_.back().inserted.size() == from) {
    undo_.back().inserted += with;
  } else {
    undo_.push_back({from, removed, with, typing});
  }
  redo_.clear();
  text_.replace(from, length, with);
  TellTextReplaced(*this, from, removed, with);
  MoveTo(from + static_cast<int>(with.size()), false);
}

void TextBox::ReplaceSelection(const QString& with, Typed typed) {
  Replace(std::min(cursor_, anchor_), std::abs(cursor_ - anchor_), with, typed);
}

void TextBox::EraseStep(int direction, QTextLayout::CursorMode mode) {
  if (hasSelectedText()) {
    ReplaceSelection({}, Typed::kNo);
    return;
  }
  int other = 0;
  if (direction < 0 && mode == QTextLayout::SkipCharacters) {
    // Backspace takes one character, not a whole cluster, so a mark can be
    // corrected without retyping its letter.
    other = std::max(0, cursor_ - 1);
    if (other > 0 && text_.at(other).isLowSurrogate() && text_.at(other - 1).isHighSurrogate()) {
      --other;
    }
  } else {
    other = Step(cursor_, direction, mode);
  }
  Replace(std::min(cursor_, other), std::abs(cursor_ - other), {}, Typed::kNo);
}

void TextBox::Undo() { Revisit(undo_, redo_, false); }
void TextBox::Redo() { Revisit(redo_, undo_, true); }

void TextBox::Revisit(std::vector<Edit>& from, std::vector<Edit>& to, bool again) {
  if (from.empty()) return;
  const Edit edit = from.back();
  from.pop_back();
  const QString& before = again ? edit.removed : edit.inserted;
  const QString& after = again ? edit.inserted : edit.removed;
  text_.replace(edit.position, before.size(), after);
  TellTextReplaced(*this, edit.position, before, after);
  to.push_back(edit);
  MoveTo(edit.position + static_cast<int>(after.size()), false);
}

void TextBox::Copy() const {
  if (hasSelectedText()) QGuiApplication::clipboard()->setText(selectedText());
}

void TextBox::Cut() {
  Copy();
  ReplaceSelection({}, Typed::kNo);
}

void TextBox::Paste(bool from_selection) {
  const QString pasted = QGuiApplication::clipboard()->text(from_selection ? QClipboard::Selection
                                                                           : QClipboard::Clipboard);
  ReplaceSelection(pasted, Typed::kNo);
}

void TextBox::SelectWordAt(int position) {
  const int from = ToCharacterStart(text_, std::max(0, position - kStretch));
  const int to = std::min(static_cast<int>(text_.size()), position + kStretch);
  QTextBoundaryFinder words(QTextBoundaryFinder::Word, text_.mid(from, to - from));
  words.setPosition(position - from);
  const qsizetype start = words.isAtBoundary() ? position - from : words.toPreviousBoundary();
  words.setPosition(position - from);
  const qsizetype end = words.toNextBoundary();
  anchor_ = from + static_cast<int>(std::max<qsizetype>(start, 0));
  MoveTo(end < 0 ? to : from + static_cast<int>(end), true);
}

bool TextBox::CaretWanted() const { return hasFocus() && isEnabled() && !read_only_; }

void TextBox::ShowCaretNow() {
  caret_on_ = true;
  const int period = QGuiApplication::styleHints()->cursorFlashTime();
  if (CaretWanted() && period >= 2) {
    blink_.start(period / 2, this);
  } else {
    blink_.stop();
  }
  update();
}

void TextBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QStyleOptionFrame panel = Panel();
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

  painter.setClipRect(style()->subElementRect(QStyle::SE_LineEditContents, &panel, this));
  const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                     : isActiveWindow() ? QPalette::Active
                                                        : QPalette::Inactive;
  painter.setPen(palette().color(group, QPalette::Text));
  QTextLayout layout;
  LayOutShown(layout);
  const int shown = static_cast<int>(layout.text().size() - preedit_.size());
  QList<QTextLayout::FormatRange> selection;
  // As in a classic text box, the selection shows while the box has focus.
  if (hasSelectedText() && hasFocus() && preedit_.isEmpty()) {
    const int start = std::clamp(std::min(cursor_, anchor_) - first_shown_, 0, shown);
    const int end = std::clamp(std::max(cursor_, anchor_) - first_shown_, 0, shown);
    QTextLayout::FormatRange range;
    range.start = start;
    range.length = end - start;
    range.format.setBackground(palette().brush(group, QPalette::Highlight));
    range.format.setForeground(palette().brush(group, QPalette::HighlightedText));
    selection.append(range);
  }
  const QPoint origin = LineRect().topLeft();
  layout.draw(&painter, origin, selection);
  if (caret_on_ && CaretWanted()) {
    const int caret = std::clamp(cursor_ - first_shown_, 0, shown);
    layout.drawCursor(&painter, origin, caret + static_cast<int>(preedit_.size()));
  }
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  using Key = QKeySequence;
  const int size = static_cast<int>(text_.size());
  const int selection_start = std::min(cursor_, anchor_);
  const int selection_end = std::max(cursor_, anchor_);
  const bool editable = !read_only_;
  if (event->matches(Key::SelectAll)) {
    selectAll();
  } else if (event->matches(Key::Copy)) {
    Copy();
  } else if (event->matches(Key::Cut)) {
    if (editable) Cut();
  } else if (event->matches(Key::Paste)) {
    if (editable) Paste(false);
  } else if (event->matches(Key::Undo)) {
    if (editable) Undo();
  } else if (event->matches(Key::Redo)) {
    if (editable) Redo();
  } else if (event->matches(Key::MoveToNextChar)) {
    MoveTo(hasSelectedText() ? selection_end : Step(cursor_, 1, QTextLayout::SkipCharacters),
           false);
  } else if (event->matches(Key::MoveToPreviousChar)) {
    MoveTo(hasSelectedText() ? selection_start : Step(cursor_, -1, QTextLayout::SkipCharacters),
           false);
  } else if (event->matches(Key::SelectNextChar)) {
    MoveTo(Step(cursor_, 1, QTextLayout::SkipCharacters), true);
  } else if (event->matches(Key::SelectPreviousChar)) {
    MoveTo(Step(cursor_, -1, QTextLayout::SkipCharacters), true);
  } else if (event->matches(Key::MoveToNextWord) || event->matches(Key::SelectNextWord)) {
    MoveTo(Step(cursor_, 1, QTextLayout::SkipWords), event->matches(Key::SelectNextWord));
  } else if (event->matches(Key::MoveToPreviousWord) || event->matches(Key::SelectPreviousWord)) {
    MoveTo(Step(cursor_, -1, QTextLayout::SkipWords), event->matches(Key::SelectPreviousWord));
  } else if (event->matches(Key::MoveToStartOfLine) || event->matches(Key::MoveToStartOfBlock) ||
             event->matches(Key::MoveToStartOfDocument)) {
    MoveTo(0, false);
  } else if (event->matches(Key::SelectStartOfLine) || event->matches(Key::SelectStartOfBlock) ||
             event->matches(Key::SelectStartOfDocument)) {
    MoveTo(0, true);
  } else if (event->matches(Key::MoveToEndOfLine) || event->matches(Key::MoveToEndOfBlock) ||
             event->matches(Key::MoveToEndOfDocument)) {
    MoveTo(size, false);
  } else if (event->matches(Key::SelectEndOfLine) || event->matches(Key::SelectEndOfBlock) ||
             event->matches(Key::SelectEndOfDocument)) {
    MoveTo(size, true);
  } else if (event->matches(Key::Delete)) {
    if (editable) EraseStep(1, QTextLayout::SkipCharacters);
  } else if (event->matches(Key::DeleteEndOfWord)) {
    if (editable) EraseStep(1, QTextLayout::SkipWords);
  } else if (event->matches(Key::DeleteStartOfWord)) {
    if (editable) EraseStep(-1, QTextLayout::SkipWords);
  } else if (event->key() == Qt::Key_Backspace &&
             !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
    if (editable) EraseStep(-1, QTextLayout::SkipCharacters);
  } else {
    const QString typed = event->text();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // Ctrl with Alt is AltGr on some keyboards, which types characters.
    const bool command =
        modifiers.testFlag(Qt::MetaModifier) ||
        (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier));
    if (!editable || command || typed.isEmpty() || !typed.front().isPrint()) {
      // Enter, Escape and the rest belong to the form.
      event->ignore();
      return;
    }
    ReplaceSelection(typed, Typed::kYes);
  }
  event->accept();
}

void TextBox::mousePressEvent(QMouseEvent* event) {
  if (!preedit_.isEmpty()) QGuiApplication::inputMethod()->commit();
  const int x = qRound(event->position().x());
  if (event->button() == Qt::LeftButton) {
    selecting_ = true;
    MoveTo(PositionAt(x), event->modifiers().testFlag(Qt::ShiftModifier));
  } else if (event->button() == Qt::MiddleButton && !read_only_ &&
             QGuiApplication::clipboard()->supportsSelection()) {
    MoveTo(PositionAt(x), false);
    Paste(true);
  } else {
    QWidget::mousePressEvent(event);
  }
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
  if (selecting_ && (event->buttons() & Qt::LeftButton)) {
    MoveTo(PositionAt(qRound(event->position().x())), true);
  }
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  selecting_ = false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (hasSelectedText() && clipboard->supportsSelection()) {
    clipboard->setText(selectedText(), QClipboard::Selection);
  }
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) SelectWordAt(PositionAt(qRound(event->position().x())));
}

void TextBox::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
       reason == Qt::ShortcutFocusReason) &&
      !hasSelectedText()) {
    selectAll();
  }
  ShowCaretNow();
  QWidget::focusInEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  ShowCaretNow();
  QWidget::focusOutEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (extend_menu_) extend_menu_(*menu);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

QMenu* TextBox::createStandardContextMenu() {
  auto* menu = new QMenu(this);
  const auto add = [this, menu](const QString& label, bool enabled, auto act) {
    QAction* action = menu->addAction(label);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, act);
  };
  const bool selected = hasSelectedText();
  if (!read_only_) {
    add(WithShortcut(Words("&Undo"), QKeySequence::Undo), !undo_.empty(), [this] { Undo(); });
    add(WithShortcut(Words("&Redo"), QKeySequence::Redo), !redo_.empty(), [this] { Redo(); });
    menu->addSeparator();
    add(WithShortcut(Words("Cu&t"), QKeySequence::Cut), selected, [this] { Cut(); });
  }
  add(WithShortcut(Words("&Copy"), QKeySequence::Copy), selected, [this] { Copy(); });
  if (!read_only_) {
    add(WithShortcut(Words("&Paste"), QKeySequence::Paste),
        !QGuiApplication::clipboard()->text().isEmpty(), [this] { Paste(false); });
    add(Words("Delete"), selected, [this] { ReplaceSelection({}, Typed::kNo); });
    menu->addSeparator();
  }
  add(WithShortcut(Words("Select All"), QKeySequence::SelectAll),
      !text_.isEmpty() && selectedText().size() != text_.size(), [this] { selectAll(); });
  return menu;
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  if (read_only_ || !isEnabled()) {
    event->ignore();
    return;
  }
  const QString& commit = event->commitString();
  if (hasSelectedText() && (!commit.isEmpty() || !event->preeditString().isEmpty())) {
    ReplaceSelection(commit, Typed::kYes);
  } else if (!commit.isEmpty() || event->replacementLength() > 0) {
    const int size = static_cast<int>(text_.size());
    const int from = std::clamp(cursor_ + event->replacementStart(), 0, size);
    const int length = std::clamp(event->replacementLength(), 0, size - from);
    Replace(from, length, commit, Typed::kYes);
  }
  preedit_ = event->preeditString();
  KeepCaretShown();
  ShowCaretNow();
  updateMicroFocus();
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  // Input methods see the text around the caret, not all of a pasted megabyte.
  const int around = ToCharacterStart(text_, std::max(0, cursor_ - kStretch));
  const int around_end = std::min(static_cast<int>(text_.size()), cursor_ + kStretch);
  switch (query) {
    case Qt::ImEnabled:
      return isEnabled() && !read_only_;
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle: {
      const QRect line = LineRect();
      return QRect(CaretX(), line.top(), 1, line.height());
    }
    case Qt::ImFont:
      return font();
    case Qt::ImCursorPosition:
      return cursor_ - around;
    case Qt::ImAnchorPosition:
      return std::clamp(anchor_, around, around_end) - around;
    case Qt::ImSurroundingText:
      return text_.mid(around, around_end - around);
    case Qt::ImCurrentSelection:
      return selectedText();
    default:
      return QWidget::inputMethodQuery(query);
  }
}

void TextBox::timerEvent(QTimerEvent* event) {
  if (event->timerId() != blink_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  caret_on_ = !caret_on_;
  update();
}

void TextBox::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
      KeepCaretShown();
      break;
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
      ShowCaretNow();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

void TextBox::resizeEvent(QResizeEvent* event) {
  KeepCaretShown();
  QWidget::resizeEvent(event);
}

}  // namespace quorvel::ui
