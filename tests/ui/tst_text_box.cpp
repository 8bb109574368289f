// The form's text box edits as a line edit does, and scrolls, hit-tests and
// draws a text of a megabyte through the same short stretch it lays out.
#include <QAccessible>
#include <QInputMethodEvent>
// The offscreen platform has no screen reader bridge; a test plays one by
// switching the platform's accessibility on, as the toolkit's own tests do.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <QKeySequence>
#include <QWidget>
#include <memory>

#include "text_box.h"
#include "ui_test_support.h"

using quorvel::ui::TextBox;

namespace {

using Side = QString;  // "before", "at" or "after"

// The events a screen reader hears from the box under test, in words.
QStringList& Heard() {
  static QStringList heard;
  return heard;
}
QObject*& Listened() {
  static QObject* listened = nullptr;
  return listened;
}

void Hear(QAccessibleEvent* event) {
  if (event->object() != Listened()) return;
  QString said;
  switch (event->type()) {
    case QAccessible::TextInserted: {
      const auto* insert = static_cast<QAccessibleTextInsertEvent*>(event);
      said =
          QStringLiteral("insert %1 %2").arg(insert->changePosition()).arg(insert->textInserted());
      break;
    }
    case QAccessible::TextRemoved: {
      const auto* remove = static_cast<QAccessibleTextRemoveEvent*>(event);
      said =
          QStringLiteral("remove %1 %2").arg(remove->changePosition()).arg(remove->textRemoved());
      break;
    }
    case QAccessible::TextUpdated: {
      const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
      said = QStringLiteral("update %1 %2>%3")
                 .arg(update->changePosition())
                 .arg(update->textRemoved(), update->textInserted());
      break;
    }
    case QAccessible::TextCaretMoved:
      said = QStringLiteral("caret %1")
                 .arg(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
      break;
    case QAccessible::TextSelectionChanged: {
      const auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
      said = QStringLiteral("selection %1-%2")
                 .arg(selection->selectionStart())
                 .arg(selection->selectionEnd());
      break;
    }
    default:
      return;
  }
  Heard() << said;
}

void ListenAsScreenReader(bool listening) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(listening);
}

QAccessible::TextBoundaryType BoundaryNamed(const QString& name) {
  if (name == QLatin1String("char")) return QAccessible::CharBoundary;
  if (name == QLatin1String("word")) return QAccessible::WordBoundary;
  if (name == QLatin1String("sentence")) return QAccessible::SentenceBoundary;
  return QAccessible::LineBoundary;
}

}  // namespace

class TextBoxTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> window_;
  TextBox* box_ = nullptr;

  // A key script: "'text" types the text, anything else is a key sequence.
  void Press(const QStringList& keys) {
    for (const QString& key : keys) {
      if (key.startsWith(QLatin1Char('\''))) {
        QTest::keyClicks(box_, key.mid(1));
      } else {
        QTest::keySequence(box_, QKeySequence(key));
      }
    }
  }

  QRect CaretRect() const { return box_->inputMethodQuery(Qt::ImCursorRectangle).toRect(); }

  QAccessibleTextInterface* Text() const {
    return QAccessible::queryAccessibleInterface(box_)->textInterface();
  }

  // The item as the box's text interface gives it, "text@start-end", or as
  // the toolkit's own rules find it in the whole text at once.
  QString Item(int offset, const QString& boundary, const Side& side, bool whole = false) const {
    using Base = QAccessibleTextInterface;
    Base* text = Text();
    const QAccessible::TextBoundaryType type = BoundaryNamed(boundary);
    int start = 0;
    int end = 0;
    QString item;
    if (side == QLatin1String("before")) {
      item = whole ? text->Base::textBeforeOffset(offset, type, &start, &end)
                   : text->textBeforeOffset(offset, type, &start, &end);
    } else if (side == QLatin1String("at")) {
      item = whole ? text->Base::textAtOffset(offset, type, &start, &end)
                   : text->textAtOffset(offset, type, &start, &end);
    } else {
      item = whole ? text->Base::textAfterOffset(offset, type, &start, &end)
                   : text->textAfterOffset(offset, type, &start, &end);
    }
    return QStringLiteral("%1@%2-%3").arg(item).arg(start).arg(end);
  }

  // A script of what a user or a screen reader does: "'text" types, "=text"
  // is the program setting the text, "caret N", "select A B", "unselect",
  // "insert N text", "delete A B", "replace A B text", "disable"; anything
  // else is a key sequence.
  void Act(const QStringList& script) {
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(box_);
    for (const QString& step : script) {
      const QStringList word = step.split(QLatin1Char(' '));
      const auto number = [&word](int i) { return word.value(i).toInt(); };
      if (step.startsWith(QLatin1Char('\''))) {
        QTest::keyClicks(box_, step.mid(1));
      } else if (step.startsWith(QLatin1Char('='))) {
        box_->setText(step.mid(1));
      } else if (word[0] == QLatin1String("caret")) {
        seen->textInterface()->setCursorPosition(number(1));
      } else if (word[0] == QLatin1String("select")) {
        seen->textInterface()->setSelection(0, number(1), number(2));
      } else if (word[0] == QLatin1String("unselect")) {
        seen->textInterface()->removeSelection(0);
      } else if (word[0] == QLatin1String("insert")) {
        seen->editableTextInterface()->insertText(number(1), word.value(2));
      } else if (word[0] == QLatin1String("delete")) {
        seen->editableTextInterface()->deleteText(number(1), number(2));
      } else if (word[0] == QLatin1String("replace")) {
        seen->editableTextInterface()->replaceText(number(1), number(2), word.value(3));
      } else if (word[0] == QLatin1String("disable")) {
        box_->setEnabled(false);
      } else {
        QTest::keySequence(box_, QKeySequence(step));
      }
    }
  }

 private slots:
  void init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(543, 160);
    box_ = new TextBox(window_.get());
    box_->setGeometry(64, 56, 393, 25);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    box_->setFocus();
  }
  void cleanup() {
    window_.reset();
    QAccessible::installUpdateHandler(nullptr);
    ListenAsScreenReader(false);
    Listened() = nullptr;
  }

  void editing_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAfter");
    QTest::addColumn<QString>("selected");

    const QString pair = QStringLiteral("𝐎2");  // a surrogate pair, then a digit
    QTest::newRow("typing at the caret")
        << "H2=H2O" << 2 << false << QStringList{"'+O2"} << "H2+O2=H2O" << 5 << "";
    QTest::newRow("typing replaces the selection")
        << "H2+O2=H2O" << 0 << false << QStringList{"Shift+Right", "Shift+Right", "'Fe"}
        << "Fe+O2=H2O" << 2 << "";
    QTest::newRow("right steps over a pair whole")
        << pair << 0 << false << QStringList{"Right"} << pair << 2 << "";
    QTest::newRow("delete takes a pair whole")
        << pair << 0 << false << QStringList{"Del"} << "2" << 0 << "";
    QTest::newRow("backspace takes the pair before")
        << "H" + pair << 3 << false << QStringList{"Backspace"} << "H2" << 1 << "";
    QTest::newRow("shift+home selects back to the start")
        << "H2O" << 3 << false << QStringList{"Shift+Home"} << "H2O" << 0 << "H2O";
    QTest::newRow("left ends a selection at its start")
        << "H2O" << 0 << false << QStringList{"Shift+End", "Left"} << "H2O" << 0 << "";
    QTest::newRow("select all, delete")
        << "H2O" << 1 << false << QStringList{"Ctrl+A", "Del"} << "" << 0 << "";
    QTest::newRow("cut and paste move text")
        << "ab" << 0 << false << QStringList{"Shift+Right", "Ctrl+X", "End", "Ctrl+V"} << "ba" << 2
        << "";
    QTest::newRow("ctrl+backspace takes the word before")
        << "H2 + O2" << 7 << false << QStringList{"Ctrl+Backspace"} << "H2 + " << 5 << "";
    QTest::newRow("undo takes back a typed run at once")
        << "H2" << 2 << false << QStringList{"'+O2", "Ctrl+Z"} << "H2" << 2 << "";
    QTest::newRow("redo makes it again")
        << "H2" << 2 << false << QStringList{"'+O2", "Ctrl+Z", "Ctrl+Shift+Z"} << "H2+O2" << 5
        << "";
    QTest::newRow("undo after a paste and typing")
        << "" << 0 << false << QStringList{"'H2", "Ctrl+A", "Ctrl+C", "End", "Ctrl+V", "Ctrl+Z"}
        << "H2" << 2 << "";
    QTest::newRow("read-only: selects and copies, never changes")
        << "H2O" << 0 << true << QStringList{"'x", "Ctrl+A", "Ctrl+X", "Backspace", "Ctrl+V"}
        << "H2O" << 3 << "H2O";
  }
  void editing() {
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(bool, readOnly);
    QFETCH(QStringList, keys);
    box_->setText(start);
    box_->setReadOnly(readOnly);
    box_->setCursorPosition(caret);
    Press(keys);
    QTEST(box_->text(), "text");
    QTEST(box_->cursorPosition(), "caretAfter");
    QTEST(box_->selectedText(), "selected");
  }

  // Wherever the caret goes in a long text, the box scrolls to show it, and
  // a click where it is drawn puts it back on the same character.
  void longTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("fromEnd");  // where the caret ends, counted from the end
    const QString formula = QStringLiteral("C6H12O6+").repeated(128 * 1024);
    const QString chinese = QStringLiteral("氢氧𝐎").repeated(256 * 1024);
    QTest::newRow("formula, end") << formula << QStringList{"End"} << 0;
    QTest::newRow("formula, end and back") << formula << QStringList{"End", "Left", "Left"} << 2;
    QTest::newRow("wide characters and pairs, end") << chinese << QStringList{"End"} << 0;
    QTest::newRow("wide characters, back past a pair")
        << chinese << QStringList{"End", "Left", "Left"} << 3;
    QTest::newRow("formula, typed at the end") << formula << QStringList{"End", "'=CO2"} << 0;
    // The text scrolls back in rather than leave blank room after its end.
    QStringList erasing{"End"};
    for (int i = 0; i < 40; ++i) erasing << "Backspace";
    QTest::newRow("formula, end, forty erased") << formula << erasing << 0;
  }
  void longTexts() {
    QFETCH(QString, text);
    QFETCH(QStringList, keys);
    QFETCH(int, fromEnd);
    box_->setText(text);
    QCOMPARE(box_->cursorPosition(), 0);
    QVERIFY(CaretRect().left() < box_->width() / 4);
    Press(keys);
    const int caret = box_->cursorPosition();
    QCOMPARE(static_cast<int>(box_->text().size()) - caret, fromEnd);
    const QRect shown = box_->contentsRect();
    QVERIFY2(CaretRect().left() > shown.width() / 2 && CaretRect().right() <= shown.right(),
             qPrintable(QString::number(CaretRect().left())));
    QTest::mouseClick(box_, Qt::LeftButton, {}, CaretRect().center());
    QCOMPARE(box_->cursorPosition(), caret);
    QTest::keyClick(box_, Qt::Key_Home);
    QCOMPARE(box_->cursorPosition(), 0);
    QVERIFY(CaretRect().left() < box_->width() / 4);
    QCOMPARE(box_->text().left(64), text.left(64));
  }

  // Screen readers are told what the box is and what it holds.
  void accessible() {
    box_->setText(QStringLiteral("H2O"));
    box_->setReadOnly(true);
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(box_);
    QVERIFY(seen != nullptr);
    QCOMPARE(seen->role(), QAccessible::EditableText);
    QCOMPARE(seen->text(QAccessible::Value), QStringLiteral("H2O"));
    QVERIFY(seen->state().readOnly);
  }

  // Items by character, word, sentence and line around an offset, at its
  // edges and in a megabyte, where only a stretch around the offset is read.
  void accessibleItems_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("boundary");
    QTest::addColumn<Side>("side");
    QTest::addColumn<QString>("item");  // text@start-end

    const QString pairs = QStringLiteral("H𝐎2");  // a surrogate pair at 1
    const QString equation = QStringLiteral("H2 + O2 = H2O");
    const QString sentences = QStringLiteral("Balance it. Then read it.");
    QTest::newRow("char at a pair") << pairs << 1 << "char"
                                    << "at"
                                    << "𝐎@1-3";
    QTest::newRow("char at a pair's second half") << pairs << 2 << "char"
                                                  << "at"
                                                  << "𝐎@1-3";
    QTest::newRow("char after a pair") << pairs << 1 << "char"
                                       << "after"
                                       << "2@3-4";
    QTest::newRow("char before the digit is the pair") << pairs << 3 << "char"
                                                       << "before"
                                                       << "𝐎@1-3";
    QTest::newRow("word at the start") << equation << 0 << "word"
                                       << "at"
                                       << "H2@0-2";
    QTest::newRow("word after the first") << equation << 0 << "word"
                                          << "after"
                                          << " + @2-5";
    QTest::newRow("sentence at the second") << sentences << 14 << "sentence"
                                            << "at"
                                            << "Then read it.@12-25";
    QTest::newRow("line is the whole text") << equation << 4 << "line"
                                            << "at" << equation + "@0-13";
    QTest::newRow("at the end: nothing") << equation << 13 << "word"
                                         << "at"
                                         << "@13-13";
    QTest::newRow("before the start: nothing") << equation << 0 << "char"
                                               << "before"
                                               << "@0-0";
    QTest::newRow("past the end: an error") << equation << 14 << "char"
                                            << "at"
                                            << "@-1--1";
    QTest::newRow("empty text: an error") << QString() << 0 << "line"
                                          << "at"
                                          << "@-1--1";

    const QString formula = QStringLiteral("C6H12O6+").repeated(128 * 1024);
    QTest::newRow("megabyte: word in the middle") << formula << 8 * 65536 + 3 << "word"
                                                  << "at"
                                                  << "C6H12O6@524288-524295";
    QTest::newRow("megabyte: char at the end") << formula << int(formula.size()) - 1 << "char"
                                               << "at"
                                               << "+@1048575-1048576";
    // No stop anywhere: the stretch read grows to the whole text.
    QTest::newRow("megabyte: one sentence") << formula << 3 << "sentence"
                                            << "at" << formula + "@0-1048576";
    const QString long_word = QStringLiteral("x").repeated(5000);
    QTest::newRow("a word longer than the first stretch")
        << "a " + long_word + " b" << 2600 << "word"
        << "at" << long_word + "@2-5002";
  }
  void accessibleItems() {
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QString, boundary);
    QFETCH(Side, side);
    box_->setText(text);
    QTEST(Item(offset, boundary, side), "item");
  }

  // Wherever a stretch read around an offset cuts the text, the item found
  // is the one the toolkit finds in the whole text.
  void accessibleItemsAgreeWithWholeText() {
    const QStringList pieces = {QStringLiteral("Fe + O2 = Fe2O3. "),
                                QStringLiteral("氢气和氧气𝐎𝐎。"),
                                QStringLiteral("e\u0301tude "),
                                QStringLiteral("x").repeated(700),
                                QStringLiteral(" (aq) "),
                                QStringLiteral("CO2! 3.14 don't "),
                                QStringLiteral("   ")};
    QString text;
    for (int i = 0; text.size() < 20000; ++i) text += pieces[(i * 5) % pieces.size()];
    box_->setText(text);
    const int size = static_cast<int>(text.size());
    for (const QString boundary : {"char", "word", "sentence"}) {
      for (const Side side : {"before", "at", "after"}) {
        // Away from the text's ends, which the table above covers.
        for (int offset = 1000; offset < size - 1000; offset += 37) {
          QCOMPARE(Item(offset, boundary, side), Item(offset, boundary, side, true));
        }
      }
    }
  }

  // What a screen reader hears as the user types and the program sets
  // texts, and what its own edits and selections do; a read-only or
  // disabled box refuses edits and stays silent.
  void accessibleEvents_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAfter");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("heard");

    QTest::newRow("shift+right selects")
        << "H2O" << 0 << false << QStringList{"Shift+Right"} << "H2O" << 1 << "H"
        << QStringList{"selection 0-1", "caret 1"};
    QTest::newRow("typing over a selection")
        << "H2O" << 0 << false << QStringList{"Shift+Right", "'F"} << "F2O" << 1 << ""
        << QStringList{"selection 0-1", "caret 1", "update 0 H>F", "selection 0-0"};
    QTest::newRow("typing, then undo")
        << "H2" << 2 << false << QStringList{"'O", "Ctrl+Z"} << "H2" << 2 << ""
        << QStringList{"insert 2 O", "caret 3", "remove 2 O", "caret 2"};
    QTest::newRow("a screen reader moves the caret")
        << "H2O" << 0 << false << QStringList{"caret 2"} << "H2O" << 2 << ""
        << QStringList{"caret 2"};
    QTest::newRow("a caret asked for inside a pair goes before it")
        << "𝐎2" << 0 << false << QStringList{"caret 1"} << "𝐎2" << 0 << "" << QStringList{};
    QTest::newRow("a screen reader selects backwards, then unselects")
        << "H2+O2" << 0 << false << QStringList{"select 5 3", "unselect"} << "H2+O2" << 3 << ""
        << QStringList{"selection 3-5", "caret 3", "selection 0-0"};
    QTest::newRow("a screen reader deletes past the end")
        << "H2O" << 3 << false << QStringList{"delete 1 99"} << "H" << 1 << ""
        << QStringList{"remove 1 2O", "caret 1"};
    QTest::newRow("a screen reader replaces a reversed range")
        << "H2O" << 0 << false << QStringList{"replace 3 1 x"} << "Hx" << 2 << ""
        << QStringList{"update 1 2O>x", "caret 2"};
    QTest::newRow("a screen reader's edit is taken back by undo")
        << "H2" << 2 << false << QStringList{"insert 0 2", "Ctrl+Z"} << "H2" << 0 << ""
        << QStringList{"insert 0 2", "caret 1", "remove 0 2", "caret 0"};
    QTest::newRow("disabled refuses a screen reader's edits")
        << "H2O" << 0 << false << QStringList{"disable", "insert 0 x"} << "H2O" << 0 << ""
        << QStringList{};
  }
  void accessibleEvents() {
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(bool, readOnly);
    QFETCH(QStringList, script);
    box_->setText(start);
    box_->setReadOnly(readOnly);
    box_->setCursorPosition(caret);
    ListenAsScreenReader(true);
    QAccessible::installUpdateHandler(Hear);
    Listened() = box_;
    Heard().clear();
    Act(script);
    QTEST(Heard(), "heard");
    QTEST(box_->text(), "text");
    QTEST(box_->cursorPosition(), "caretAfter");
    QTEST(box_->selectedText(), "selected");
    QAccessibleTextInterface* text = Text();
    QCOMPARE(text->cursorPosition(), box_->cursorPosition());
    QCOMPARE(text->selectionCount(), box_->hasSelectedText() ? 1 : 0);
    int from = -1;
    int to = -1;
    text->selection(0, &from, &to);
    QCOMPARE(text->text(from, to), box_->selectedText());
  }

  // The toolkit's bridge answers every edit over the bus with success, so a
  // read-only box refuses by offering no editing at all, and offers it again
  // once it is writable.
  void editingIsOfferedOnlyWhileWritable() {
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(box_);
    for (const bool read_only : {true, false, true}) {
      box_->setReadOnly(read_only);
      QCOMPARE(seen->editableTextInterface() == nullptr, read_only);
      QCOMPARE(seen->state().readOnly, read_only);
      QVERIFY(seen->textInterface() != nullptr);
    }
  }

  // Each character on show has its place on screen, and the character at a
  // place is the one drawn there; characters scrolled out of sight have none.
  void accessibleCharacterPlaces_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keys");
    const QString formula = QStringLiteral("C6H12O6+").repeated(128 * 1024);
    const QString wide = QStringLiteral("氢氧𝐎").repeated(256 * 1024);
    QTest::newRow("equation") << QStringLiteral("H2 + O2 = H2O") << QStringList{};
    QTest::newRow("pairs and wide characters") << QStringLiteral("氢𝐎2 + 𝐎2") << QStringList{};
    QTest::newRow("megabyte, start") << formula << QStringList{};
    QTest::newRow("megabyte, end") << formula << QStringList{"End"};
    QTest::newRow("megabyte of pairs, end") << wide << QStringList{"End"};
    QTest::newRow("megabyte of pairs, end and back")
        << wide << QStringList{"End", "Left", "Left", "Left"};
  }
  void accessibleCharacterPlaces() {
    QFETCH(QString, text);
    QFETCH(QStringList, keys);
    box_->setText(text);
    Press(keys);
    QAccessibleTextInterface* seen = Text();
    const int size = static_cast<int>(text.size());
    const int caret = box_->cursorPosition();
    const QRect box(box_->mapToGlobal(QPoint(0, 0)), box_->size());
    int shown = 0;
    int previous_right = box.left();
    for (int offset = std::max(0, caret - 400); offset < std::min(size, caret + 400); ++offset) {
      const QRect place = seen->characterRect(offset);
      if (text.at(offset).isLowSurrogate()) {
        QCOMPARE(place, seen->characterRect(offset - 1));  // the pair's place
        continue;
      }
      if (place.isEmpty()) continue;
      ++shown;
      QVERIFY2(place.left() >= previous_right - 1 && place.left() < box.right(),
               qPrintable(QStringLiteral("character %1 at %2").arg(offset).arg(place.left())));
      QVERIFY(place.top() >= box.top() && place.bottom() <= box.bottom());
      previous_right = place.right();
      QCOMPARE(seen->offsetAtPoint(place.intersected(box).center()), offset);
    }
    QVERIFY2(shown >= 5, qPrintable(QString::number(shown)));
    // The characters before the caret show; those a box-width away do not.
    if (caret > 0) QVERIFY(!seen->characterRect(caret - 1).isEmpty());
    if (caret > 400) QVERIFY(seen->characterRect(caret - 400).isEmpty());
    if (caret + 400 < size) QVERIFY(seen->characterRect(caret + 400).isEmpty());
    QCOMPARE(seen->offsetAtPoint(box.topLeft() - QPoint(5, 5)), -1);
    if (size < 100) QCOMPARE(seen->offsetAtPoint(QPoint(box.right() - 3, box.center().y())), -1);
  }

  // An input method's unfinished text is shown, never kept; what it
  // commits is typed at the caret, replacing what it asks to.
  void inputMethod() {
    box_->setText(QStringLiteral("H2O"));
    box_->setCursorPosition(3);
    QInputMethodEvent composing(QStringLiteral("qing"), {});
    QApplication::sendEvent(box_, &composing);
    QCOMPARE(box_->text(), QStringLiteral("H2O"));
    QInputMethodEvent done;
    done.setCommitString(QStringLiteral("氢"), -1, 1);  // and the O before it
    QApplication::sendEvent(box_, &done);
    QCOMPARE(box_->text(), QStringLiteral("H2氢"));
    QCOMPARE(box_->cursorPosition(), 3);
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(TextBoxTest)
#include "tst_text_box.moc"
