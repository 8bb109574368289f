// The form's text box edits as a line edit does, and scrolls, hit-tests and
// draws a text of a megabyte through the same short stretch it lays out.
#include <QAccessible>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QWidget>
#include <memory>

#include "text_box.h"
#include "ui_test_support.h"

using quorvel::ui::TextBox;

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
  void cleanup() { window_.reset(); }

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
