#include "text_box_accessible.h"

#include <QAccessibleWidget>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "text_box.h"

namespace quorvel::ui {
namespace {

// A stretch this far either way of the offset is read first; it doubles
// while the item found comes near a place where the stretch cuts the text.
constexpr int kFirstReach = 256;
// Segmentation rules look a few characters either way of a boundary, so
// boundaries this close to a cut are not trusted.
constexpr int kContext = 32;

enum class ItemSide { kBefore, kAt, kAfter };

struct Span {
  int start;
  int end;
};

// Where items of one kind start and end in a stretch of a text. The
// stretch's own ends count as such places, as the text's ends do.
class ItemBoundaries {
 public:
  ItemBoundaries(const QString& text, QTextBoundaryFinder::BoundaryType type, int from, int to)
      : from_(from), to_(to), finder_(type, text.constData() + from, to - from) {}

  int AtOrBefore(int position) {
    while (!IsItemBoundary(position)) --position;
    return position;
  }
  int Before(int position) {
    if (position <= from_) return position;
    do --position;
    while (!IsItemBoundary(position));
    return position;
  }
  int After(int position) {
    if (position >= to_) return position;
    do ++position;
    while (!IsItemBoundary(position));
    return position;
  }

 private:
  bool IsItemBoundary(int position) {
    if (position <= from_ || position >= to_) return true;
    finder_.setPosition(position - from_);
    return (finder_.boundaryReasons() &
            (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem)) != 0;
  }

  int from_;
  int to_;
  QTextBoundaryFinder finder_;
};

Span FindItem(ItemBoundaries& items, int offset, ItemSide side) {
  switch (side) {
    case ItemSide::kBefore: {
      const int end = items.AtOrBefore(offset);
      return {items.Before(end), end};
    }
    case ItemSide::kAt: {
      const int start = items.AtOrBefore(offset);
      return {start, items.After(start)};
    }
    case ItemSide::kAfter: {
      const int start = items.After(offset);
      return {start, items.After(start)};
    }
  }
  return {offset, offset};
}

// The item of `boundary` (a character, word, sentence; anything else is the
// whole line) at, before or after `offset`, by the toolkit's rules for a
// whole text, but read from a stretch around the offset so that a pasted
// megabyte is never segmented whole. Start and end are -1 for an offset
// outside the text.
QString TextItem(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                 ItemSide side, int* start, int* end) {
  const int size = static_cast<int>(text.size());
  if (text.isEmpty() || offset < 0 || offset > size) {
    *start = *end = -1;
    return {};
  }
  QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
  switch (boundary) {
    case QAccessible::CharBoundary:
      type = QTextBoundaryFinder::Grapheme;
      break;
    case QAccessible::WordBoundary:
      type = QTextBoundaryFinder::Word;
      break;
    case QAccessible::SentenceBoundary:
      type = QTextBoundaryFinder::Sentence;
      break;
    default:  // one line holds the whole text
      *start = 0;
      *end = size;
      return text;
  }
  if (offset == (side == ItemSide::kBefore ? 0 : size)) {
    *start = *end = offset;
    return {};
  }
  for (int reach = kFirstReach;; reach *= 2) {
    const int from = std::max(0, offset - reach);
    const int to = std::min(size, offset + reach);
    ItemBoundaries items(text, type, from, to);
    const Span span = FindItem(items, offset, side);
    if ((from == 0 || span.start - from >= kContext) && (to == size || to - span.end >= kContext)) {
      *start = span.start;
      *end = span.end;
      return text.mid(span.start, span.end - span.start);
    }
  }
}

// What screen readers learn of a box: an editable text, its value, and the
// text interfaces over it.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
 public:
  explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  // A read-only box offers no editable text: the toolkit's bridge answers
  // every edit over the bus with success whatever the box did with it, so
  // only the interfaces offered can tell a screen reader the truth.
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      if (Box().isReadOnly()) return nullptr;
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Box().text();
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Box().isReadOnly();
    state.editable = !Box().isReadOnly();
    state.selectableText = true;
    return state;
  }

  // Text: offsets count UTF-16 units, as the toolkit's own boxes count them.
  void selection(int index, int* start, int* end) const override {
    const bool any = index == 0 && Box().hasSelectedText();
    *start = any ? Box().selectionStart() : 0;
    *end = any ? Box().selectionEnd() : 0;
  }
  int selectionCount() const override { return Box().hasSelectedText() ? 1 : 0; }
  // One selection at a time: another replaces it.
  void addSelection(int start, int end) override { Box().setSelection(start, end); }
  void removeSelection(int index) override {
    if (index == 0) Box().setCursorPosition(Box().cursorPosition());
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) Box().setSelection(start, end);
  }
  int cursorPosition() const override { return Box().cursorPosition(); }
  void setCursorPosition(int position) override { Box().setCursorPosition(position); }
  QString text(int start, int end) const override {
    const int size = characterCount();
    start = std::clamp(start, 0, size);
    end = std::clamp(end, start, size);
    return Box().text().mid(start, end - start);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                           int* end) const override {
    return TextItem(Box().text(), offset, boundary, ItemSide::kBefore, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                          int* end) const override {
    return TextItem(Box().text(), offset, boundary, ItemSide::kAfter, start, end);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                       int* end) const override {
    return TextItem(Box().text(), offset, boundary, ItemSide::kAt, start, end);
  }
  int characterCount() const override { return static_cast<int>(Box().text().size()); }
  QRect characterRect(int offset) const override {
    const QRect place = Box().characterRect(offset);
    if (place.isEmpty()) return {};
    return {Box().mapToGlobal(place.topLeft()), place.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Box().characterAt(Box().mapFromGlobal(point));
  }
  // A box shows the stretch around its caret, so the caret goes there, as
  // in a line edit: to the end first, then back to the start.
  void scrollToSubstring(int start, int end) override {
    Box().setCursorPosition(end);
    Box().setCursorPosition(start);
  }
  // One look for the whole text: no attributes of its own.
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  // Editable text: edits the user can undo, refused (as typing is) while
  // the box is disabled.
  void deleteText(int start, int end) override { Box().replaceRange(start, end, {}); }
  void insertText(int offset, const QString& text) override {
    Box().replaceRange(offset, offset, text);
  }
  void replaceText(int start, int end, const QString& text) override {
    Box().replaceRange(start, end, text);
  }

 private:
  TextBox& Box() const { return *static_cast<TextBox*>(widget()); }
};

QAccessibleInterface* MakeAccessible(const QString& class_name, QObject* object) {
  auto* box = qobject_cast<TextBox*>(object);
  if (box == nullptr || class_name != QLatin1String(TextBox::staticMetaObject.className())) {
    return nullptr;
  }
  return new TextBoxAccessible(box);
}

}  // namespace

void InstallTextBoxAccessibility() {
  static const bool installed = (QAccessible::installFactory(MakeAccessible), true);
  static_cast<void>(installed);
}

void TellTextReplaced(TextBox& box, int position, const QString& removed, const QString& inserted) {
  if (!QAccessible::isActive()) return;
  if (removed.isEmpty() && inserted.isEmpty()) return;
  if (removed.isEmpty()) {
    QAccessibleTextInsertEvent event(&box, position, inserted);
    QAccessible::updateAccessibility(&event);
  } else if (inserted.isEmpty()) {
    QAccessibleTextRemoveEvent event(&box, position, removed);
    QAccessible::updateAccessibility(&event);
  } else {
    QAccessibleTextUpdateEvent event(&box, position, removed, inserted);
    QAccessible::updateAccessibility(&event);
  }
}

void TellCaretMoved(TextBox& box, int position) {
  if (!QAccessible::isActive()) return;
  QAccessibleTextCursorEvent event(&box, position);
  QAccessible::updateAccessibility(&event);
}

void TellSelectionChanged(TextBox& box, int start, int end, int caret) {
  if (!QAccessible::isActive()) return;
  QAccessibleTextSelectionEvent event(&box, start, end);
  event.setCursorPosition(caret);
  QAccessible::updateAccessibility(&event);
}

}  // namespace quorvel::ui
