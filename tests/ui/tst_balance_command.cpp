// The balance command as the user drives it in Qt: by mouse, Enter and Space,
// texts shown from their start, the controls locked against real clicks and
// keys while it runs, a close of the real window in the middle of a search,
// and megabytes of pasted text.
#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "form/texts.h"
#include "form1.h"
#include "qt_text.h"
#include "quorvel/pipeline.h"
#include "text_box.h"
#include "ui_test_support.h"

using quorvel::ui::Form1;

namespace {

const QString kStatus =
    QString::fromStdString(quorvel::form::WindowText(quorvel::form::Message::kWindowBalancing));
const QString kFailure = QString::fromUtf8(quorvel::FailureTextUtf8());
// Nine compounds, none balanceable: the longest search there is.
const QString kEndlessEquation = QStringLiteral("Fe+H2+O2+N2+Cl2+F2+Br2+S=He");
// One element per compound: the matrix is its diagonal.
const QString kEndlessMatrix = [] {
  const int diagonal[] = {1, 2, 2, 2, 2, 2, 2, 1, -1};
  QString matrix;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      matrix += QString::number(row == column ? diagonal[row] : 0) + QStringLiteral("    ");
    }
    matrix += QStringLiteral("\r\n");
  }
  return matrix;
}();

struct Snapshot {
  bool text1 = true, text3 = true, command1 = true;
  QString text3_text;
  QString focus;
};

}  // namespace

class BalanceCommandTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form1> form_;
  quorvel::ui::TextBox* text1_ = nullptr;
  quorvel::ui::TextBox* text2_ = nullptr;
  quorvel::ui::TextBox* text3_ = nullptr;
  QPushButton* command1_ = nullptr;

  Snapshot Take() const {
    const QWidget* focus = QApplication::focusWidget();
    return {text1_->isEnabled(), text3_->isEnabled(), command1_->isEnabled(), text3_->text(),
            focus ? focus->objectName() : QString()};
  }

  void Trigger(const QString& how) {
    if (how == QLatin1String("click")) {
      QTest::mouseClick(command1_, Qt::LeftButton);
    } else if (how == QLatin1String("enter")) {
      QTest::keyClick(text1_, Qt::Key_Return);
    } else if (how == QLatin1String("keypad enter")) {
      QTest::keyClick(text1_, Qt::Key_Enter, Qt::KeypadModifier);
    } else if (how.endsWith(QLatin1String("on button"))) {
      command1_->setFocus();
      QCOMPARE(QApplication::focusWidget(), command1_);
      if (how.startsWith(QLatin1String("space"))) {
        QTest::keyClick(command1_, Qt::Key_Space);
      } else if (how.startsWith(QLatin1String("keypad"))) {
        QTest::keyClick(command1_, Qt::Key_Enter, Qt::KeypadModifier);
      } else {
        QTest::keyClick(command1_, Qt::Key_Return);
      }
    } else {
      QFAIL("unknown trigger");
    }
  }

 private slots:
  void init() {
    form_ = std::make_unique<Form1>();
    form_->ShowCentred();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    text1_ = form_->findChild<quorvel::ui::TextBox*>(QStringLiteral("Text1"));
    text2_ = form_->findChild<quorvel::ui::TextBox*>(QStringLiteral("Text2"));
    text3_ = form_->findChild<quorvel::ui::TextBox*>(QStringLiteral("Text3"));
    command1_ = form_->findChild<QPushButton*>(QStringLiteral("Command1"));
  }
  void cleanup() {
    form_.reset();
    QUORVEL_VERIFY_NO_MODAL_DIALOG();
  }

  // The form's logic is tested once, toolkit-free; here the real events
  // that reach it in Qt: the mouse, Enter and keypad Enter in Text1, and
  // Enter and Space on the focused button.
  void balance_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text2");
    struct Case {
      const char* name;
      QString input, text1, text3, text2;
    };
    const Case cases[] = {
        {"water", "H2 + O2 = H2O", "H2+O2=H2O", "2H2+O2=2H2O",
         "2    0    -2    \r\n0    2    -1    \r\n"},
        {"no equals sign", "H2O", "H2O", kFailure, "-2    \r\n-1    \r\n"},
    };
    for (const char* trigger : {"click", "enter", "keypad enter", "enter on button",
                                "keypad enter on button", "space on button"}) {
      for (const Case& c : cases) {
        QTest::addRow("%s, %s", c.name, trigger)
            << trigger << c.input << c.text1 << c.text3 << c.text2;
      }
    }
  }
  void balance() {
    QFETCH(QString, trigger);
    QFETCH(QString, input);
    QFETCH(QString, text1);
    QFETCH(QString, text3);
    QFETCH(QString, text2);
    text1_->setText(input);
    Trigger(trigger);
    QCOMPARE(text1_->text(), text1);
    QCOMPARE(text3_->text(), text3);
    QCOMPARE(text2_->text(), text2);
    const Snapshot after = Take();
    QVERIFY(after.text1 && after.text3 && after.command1);
    QCOMPARE(after.focus, QStringLiteral("Text1"));
  }

  // A text the program sets is shown from its start, as a classic text box
  // shows it: the start of a long result, of the failure text, of the
  // normalised equation.
  void setTextsShowTheirStart_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("long result") << "Al2(SO4)3 + Ca(OH)2 + Na + Cl2 = Al(OH)3 + CaSO4 + NaCl";
    QTest::newRow("failure") << "H2O + H2O + H2O + H2O + H2O + H2O + H2O + H2O + H2O + H2O";
  }
  void setTextsShowTheirStart() {
    QFETCH(QString, input);
    text1_->setText(input);
    Trigger(QStringLiteral("enter"));
    // Wider than its box, so it shows its start only if the box is scrolled there.
    QVERIFY(text1_->fontMetrics().horizontalAdvance(text1_->text()) > text1_->width());
    for (quorvel::ui::TextBox* box : {text1_, text3_}) {
      QCOMPARE(box->cursorPosition(), 0);
      QVERIFY(!box->hasSelectedText());
      QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < box->width() / 4);
    }
  }

  void typingIsNotABalance() {
    QTest::keyClicks(text1_, QStringLiteral("H2 + O2 = H2O"));
    QCOMPARE(text1_->text(), QStringLiteral("H2 + O2 = H2O"));
    QCOMPARE(text3_->text(), QString());
    QCOMPARE(text2_->text(), QStringLiteral("矩阵"));
  }

  void lockedWhileBalancing_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::newRow("success by click") << "click"
                                      << "H2+O2=H2O"
                                      << "2H2+O2=2H2O";
    QTest::newRow("success by enter") << "enter"
                                      << "H2+O2=H2O"
                                      << "2H2+O2=2H2O";
    QTest::newRow("failure by enter") << "enter"
                                      << "H2O" << kFailure;
  }
  void lockedWhileBalancing() {
    QFETCH(QString, trigger);
    QFETCH(QString, input);
    QFETCH(QString, result);
    text1_->setText(input);
    Snapshot inside, after_second_start;
    bool observed = false;
    // Runs inside the engine's first yield.
    QTimer::singleShot(0, form_.get(), [&] {
      observed = true;
      inside = Take();
      QTest::mouseClick(command1_, Qt::LeftButton);
      QTest::keyClick(text1_, Qt::Key_Return);
      form_->Controller().Command1_Click();
      after_second_start = Take();
    });
    Trigger(trigger);
    QVERIFY(observed);
    for (const Snapshot& during : {inside, after_second_start}) {
      QVERIFY(!during.text1 && !during.text3 && !during.command1);
      QCOMPARE(during.text3_text, kStatus);
      QVERIFY(during.focus != QLatin1String("Text2"));
    }
    QCOMPARE(text3_->text(), result);
    QCOMPARE(Take().focus, QStringLiteral("Text1"));
  }

  void closeDuringBalance_data() {
    QTest::addColumn<bool>("afterMatrix");
    QTest::addColumn<QString>("text2");
    QTest::newRow("during normalisation") << false << "矩阵";
    QTest::newRow("in the search") << true << kEndlessMatrix;
  }
  void closeDuringBalance() {
    QFETCH(bool, afterMatrix);
    QFETCH(QString, text2);
    auto* timer1 = form_->findChild<QTimer*>(QStringLiteral("Timer1"));
    text1_->setText(kEndlessEquation);
    // A zero-interval timer runs in every one of the engine's yields.
    QTimer closer;
    closer.setInterval(0);
    connect(&closer, &QTimer::timeout, form_.get(), [&] {
      if (form_->Controller().Balancing() && (!afterMatrix || text2_->text() == kEndlessMatrix)) {
        form_->close();
      }
    });
    closer.start();
    Trigger(QStringLiteral("click"));
    QVERIFY(form_->Controller().Closing());
    QVERIFY(!form_->isVisible());
    QVERIFY(!timer1->isActive());
    // Nothing was written after the close: no result, no failure text.
    QCOMPARE(text3_->text(), kStatus);
    QCOMPARE(text1_->text(), kEndlessEquation);
    QCOMPARE(text2_->text(), text2);
    QVERIFY(!form_->Controller().YieldToUi());
  }

  // Pasted megabytes come through whole, whatever the engine makes of them.
  void megabytePaste_data() {
    QTest::addColumn<QString>("pasted");
    const QString water = QStringLiteral("H2 + O2 = H2O");
    const QString spaces(512 * 1024, QLatin1Char(' '));
    QTest::newRow("spaces around an equation") << spaces + water + spaces;
    // Every normalisation pass has work, and the tens of thousands of
    // compounds fail after a matrix of millions of characters.
    const QString signs = QStringLiteral("Al2（SO4）3 ＋ Ca(OH)2 - ").repeated(21000);
    QTest::newRow("full-width signs throughout") << signs + water + signs;
  }

  void megabytePaste() {
    QFETCH(QString, pasted);
    quorvel::BufferHost alone(quorvel::ui::FromQString(pasted));
    alone.SetMatrixText(quorvel::ui::FromQString(text2_->text()));
    QString result;
    try {
      result = quorvel::ui::ToQString(quorvel::BalanceEquation(alone));
    } catch (const quorvel::BalanceFailure&) {
      result = kFailure;
    }

    QApplication::clipboard()->setText(pasted);
    text1_->setFocus();
    QTest::keyClick(text1_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text1_->text().size(), pasted.size());

    auto* timer1 = form_->findChild<QTimer*>(QStringLiteral("Timer1"));
    QElapsedTimer clock;
    QList<qint64> ticks;
    connect(timer1, &QTimer::timeout, form_.get(), [&] { ticks.append(clock.elapsed()); });
    clock.start();
    QTest::keyClick(text1_, Qt::Key_Return);
    const qint64 took = clock.elapsed();
    qInfo("balancing took %lld ms, %lld ticks; the matrix has %lld characters", took,
          static_cast<long long>(ticks.size()), static_cast<long long>(text2_->text().size()));
    QVERIFY(text1_->text() == quorvel::ui::ToQString(alone.EquationText()));
    QVERIFY(text2_->text() == quorvel::ui::ToQString(alone.MatrixText()));
    QCOMPARE(text3_->text(), result);
    // The timer is served from the engine's yields: no stretch of the run
    // goes without a tick for much more than its interval.
    ticks.prepend(0);
    ticks.append(took);
    qint64 longest_gap = 0;
    for (qsizetype i = 1; i < ticks.size(); ++i) {
      longest_gap = std::max(longest_gap, ticks[i] - ticks[i - 1]);
    }
    QVERIFY2(longest_gap < 5000, qPrintable(QString::number(longest_gap)));
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(BalanceCommandTest)
#include "tst_balance_command.moc"
