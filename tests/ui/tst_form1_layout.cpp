// The window as it opens: every control's kind, text, place, size and font,
// the frame, the colours, the tab order and the first focus, and labels that
// keep fitting their captions.
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <memory>

#include "caption_label.h"
#include "form1.h"
#include "ui_test_support.h"

using quorvel::ui::Form1;

class Form1LayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form1> form_;

  template <typename T = QWidget>
  T* Control(const QString& name) {
    T* control = form_->findChild<T*>(name);
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
  }

 private slots:
  void init() {
    form_ = std::make_unique<Form1>();
    form_->ShowCentred();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }
  void cleanup() {
    form_.reset();
    QUORVEL_VERIFY_NO_MODAL_DIALOG();
  }

  void controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    const QString hint = QStringLiteral("Verdana"), yahei = QStringLiteral("微软雅黑");
    QTest::newRow("Label3")
        << "QLabel"
        << "为防止出错输入方程式最好略去一切反应条件、气体及沉淀符号，物态，反应物的量。"
        << QRect(8, 0, 456, 14) << hint << 9.0 << false;
    QTest::newRow("Label4")
        << "QLabel"
        << "请注意元素的大小写，若大小写错误则不能识别。输入方程式的反应物及生成物系数一律不写！"
        << QRect(8, 16, 504, 14) << hint << 9.0 << false;
    QTest::newRow("Label6")
        << "QLabel"
        << "输入反应物及生成物时无需写下标，直接写系数的数字即可。反应物和生成物连接请用等号。"
        << QRect(8, 32, 492, 14) << hint << 9.0 << false;
    QTest::newRow("Label1") << "QLabel"
                            << "方程式：" << QRect(0, 56, 64, 22) << yahei << 12.0 << true;
    QTest::newRow("Text1") << "QLineEdit"
                           << "" << QRect(64, 56, 393, 25) << hint << 10.5 << true;
    QTest::newRow("Command1") << "QPushButton"
                              << "配平" << QRect(456, 56, 81, 25) << yahei << 9.0 << false;
    QTest::newRow("Label2") << "QLabel"
                            << "结   果：" << QRect(0, 104, 63, 22) << yahei << 12.0 << true;
    QTest::newRow("Text3") << "QLineEdit"
                           << "" << QRect(64, 104, 393, 25) << hint << 10.5 << true;
    QTest::newRow("Label5") << "QLabel"
                            << "Dravik产品" << QRect(480, 112, 53, 22) << yahei << 12.0 << true;
    QTest::newRow("Label7") << "QLabel"
                            << "当前系统总CPU占用率：未知" << QRect(0, 136, 183, 19) << yahei
                            << 10.5 << true;
    QTest::newRow("Text2") << "QLineEdit"
                           << "矩阵" << QRect(416, 176, 113, 33) << QString() << 0.0 << false;
  }
  void controls() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QWidget* control = Control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control->inherits(qPrintable(kind)));
    QVERIFY(control->isVisibleTo(form_.get()));

    if (auto* label = qobject_cast<QLabel*>(control)) {
      QCOMPARE(label->text(), text);
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
      // Exactly as large as the caption in the face this machine resolves;
      // the table's size is that extent in the reference face.
      QCOMPARE(label->size(), label->sizeHint());
      QCOMPARE(label->y(), geometry.y());
      if (label->objectName() == QLatin1String("Label5")) {
        // Too wide for its corner, the credit ends in line with the button.
        const int button_right = Control(QStringLiteral("Command1"))->geometry().right();
        QCOMPARE(label->x(), std::min(geometry.x(), button_right - label->width() + 1));
      } else {
        QCOMPARE(label->x(), geometry.x());
      }
      QVERIFY2(form_->rect().contains(label->geometry()), "label cut off by the window's edge");
      qInfo("%s: %d,%d %dx%d here, %dx%d in the reference face", QTest::currentDataTag(),
            label->x(), label->y(), label->width(), label->height(), geometry.width(),
            geometry.height());
    } else {
      QCOMPARE(control->geometry(), geometry);
      QCOMPARE(control->property("text").toString(), text);
    }

    if (face.isEmpty()) {
      QCOMPARE(control->font(), QApplication::font(control));
      return;
    }
    const QFont font = control->font();
    QCOMPARE(font.families().value(0), face);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // The captions and the typed formulas are Chinese: some face in the list
    // this machine has must carry the glyphs.
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    bool covered = false;
    for (const QString& family : font.families()) covered = covered || chinese.contains(family);
    QVERIFY2(covered, qPrintable("no installed Chinese face among " +
                                 font.families().join(QLatin1String(", "))));
  }

  void window() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Quorvel1.2"));
    QCOMPARE(form_->size(), QSize(543, 160));
    QCOMPARE(form_->minimumSize(), QSize(543, 160));
    QCOMPARE(form_->maximumSize(), QSize(543, 160));
    QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form_->windowFlags() & Qt::WindowCloseButtonHint);
    // The matrix box exists but lies wholly below the visible area.
    QVERIFY(Control(QStringLiteral("Text2"))->y() >= form_->height());
    const QRect screen = form_->screen()->availableGeometry();
    const QPoint offset = form_->frameGeometry().center() - screen.center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    auto* timer = form_->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);
  }

  void colours_data() {
    QTest::addColumn<bool>("red");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label6", "Label7"}) {
      QTest::newRow(name) << false;
    }
    QTest::newRow("Label5") << true;
  }
  void colours() {
    QFETCH(bool, red);
    const QColor colour = Control(QString::fromLatin1(QTest::currentDataTag()))
                              ->palette()
                              .color(QPalette::WindowText);
    QCOMPARE(colour == QColor(255, 0, 0), red);
  }

  void tabOrder_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("focused");
    QTest::newRow("first focus") << 0 << "Text1";
    QTest::newRow("one tab") << 1 << "Command1";
    QTest::newRow("two tabs") << 2 << "Text3";
    QTest::newRow("round to the start") << 3 << "Text1";
  }
  void tabOrder() {
    QFETCH(int, tabs);
    QFETCH(QString, focused);
    for (int i = 0; i < tabs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
  }

  void labelsFitNewCaptions_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("throughSetText");
    QTest::newRow("Label7 grows") << "Label7"
                                  << "当前系统总CPU占用率：-2147483648 %" << false;
    QTest::newRow("Label7 shrinks") << "Label7"
                                    << "当前系统总CPU占用率：5 %" << false;
    QTest::newRow("Label7 empty") << "Label7"
                                  << "" << false;
    QTest::newRow("Label1 set directly") << "Label1"
                                         << "方程式方程式方程式：" << true;
    QTest::newRow("Label7 set directly") << "Label7"
                                         << "当前系统总CPU占用率：100 %" << true;
  }
  void labelsFitNewCaptions() {
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(bool, throughSetText);
    auto* control = Control<QLabel>(label);
    const QPoint corner = control->pos();
    const int old_width = control->width();
    if (throughSetText) {
      control->setText(caption);
    } else {
      dynamic_cast<quorvel::ui::CaptionLabel&>(*control).SetCaption(caption);
    }
    QTRY_COMPARE(control->size(), control->sizeHint());
    QCOMPARE(control->pos(), corner);
    QCOMPARE(control->width() > old_width,
             QFontMetrics(control->font()).horizontalAdvance(caption) > old_width);
  }

  void label7AfterTick() {
    auto* label7 = Control<QLabel>(QStringLiteral("Label7"));
    QCOMPARE(label7->text(), QStringLiteral("当前系统总CPU占用率：未知"));
    QTRY_VERIFY_WITH_TIMEOUT(label7->text() != QStringLiteral("当前系统总CPU占用率：未知"), 3000);
    static const QRegularExpression caption(QStringLiteral("^当前系统总CPU占用率：(-?[0-9]+) %$"));
    QVERIFY2(caption.match(label7->text()).hasMatch(), qPrintable(label7->text()));
    QCOMPARE(label7->size(), label7->sizeHint());
    QCOMPARE(label7->pos(), QPoint(0, 136));
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(Form1LayoutTest)
#include "tst_form1_layout.moc"
