// The window as it opens: every control's kind, text, place, size and font,
// the frame, the colours, the tab order and the first focus, and labels that
// keep fitting their captions.
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <memory>

#include "caption_label.h"
#include "form/fonts.h"
#include "form/layout.h"
#include "form1.h"
#include "qt_text.h"
#include "text_box.h"
#include "ui_test_support.h"

using quorvel::ui::Form1;
namespace form = quorvel::form;

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

  // Every control of the form's table, built by Qt: kind, text, place,
  // size and font at the resolution the window was laid out for.
  void controls_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
      QTest::newRow(form::kControls[i].name) << static_cast<int>(i);
    }
  }
  void controls() {
    QFETCH(int, index);
    const form::ControlSpec& entry = form::kControls[static_cast<std::size_t>(index)];
    const char* kinds[] = {"QLabel", "quorvel::ui::TextBox", "QPushButton", "QPlainTextEdit",
                           "QWidget"};
    QWidget* control = Control(QString::fromUtf8(entry.name));
    QVERIFY(control->inherits(kinds[static_cast<int>(entry.kind)]));
    // The default mode shows none of the chemistry mode's pane.
    QCOMPARE(control->isVisibleTo(form_.get()), !form::InChemistryPane(entry.id));
    if (form::InChemistryPane(entry.id)) return;
    const int dpi = form_->Dpi();

    if (auto* label = qobject_cast<QLabel*>(control)) {
      QCOMPARE(label->text(), QString::fromStdString(form::Caption(entry)));
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
      // Exactly as large as the caption in the face this machine resolves;
      // the table's size is that extent in the reference face.
      QCOMPARE(label->size(), label->sizeHint());
      const form::PixelRect place =
          form::PlaceLabel(entry.id, {label->width(), label->height()}, dpi);
      QCOMPARE(label->geometry(), QRect(place.left, place.top, place.width, place.height));
      const form::PixelRect reference = form::ToPixels(entry.twips, dpi);
      qInfo("%s: %d,%d %dx%d here, %dx%d in the reference face", entry.name, label->x(), label->y(),
            label->width(), label->height(), reference.width, reference.height);
    } else {
      const form::PixelRect place = form::ToPixels(entry.twips, dpi);
      QCOMPARE(control->geometry(), QRect(place.left, place.top, place.width, place.height));
      QCOMPARE(control->property("text").toString(), QString::fromStdString(form::Caption(entry)));
    }

    const form::FontSpec* face = form::FontFor(entry.font);
    if (!face) {
      QCOMPARE(control->font(), QApplication::font(control));
      return;
    }
    const QFont font = control->font();
    QCOMPARE(font.families().value(0), QString::fromUtf8(face->face));
    QCOMPARE(font.pointSizeF(), face->points);
    QCOMPARE(font.weight(), face->weight);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // The captions and the typed formulas are Chinese: some face in the list
    // this machine has must carry the glyphs.
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    bool covered = false;
    for (const QString& family : font.families()) covered = covered || chinese.contains(family);
    QVERIFY2(covered, qPrintable("no installed Chinese face among " +
                                 font.families().join(QLatin1String(", "))));
  }

  // Whatever resolution the fonts have (this program runs a second time at
  // 144 dpi), the real controls, labels at their real sizes, neither overlap
  // nor leave the window; the matrix box stays below it.
  void nothingOverlapsOrIsCut_data() {
    QTest::addColumn<bool>("chemistry");
    QTest::addColumn<int>("lines");
    QTest::newRow("default mode") << false << 0;
    QTest::newRow("chemistry mode, empty pane") << true << 0;
    QTest::newRow("chemistry mode, a few lines") << true << 4;
    QTest::newRow("chemistry mode, long lines past the limit") << true << 40;
  }
  void nothingOverlapsOrIsCut() {
    QFETCH(bool, chemistry);
    QFETCH(int, lines);
    form_->Controller().SetChemistryMode(chemistry);
    QStringList text;
    for (int i = 0; i < lines; ++i) {
      text << QStringLiteral(
          "化合价变化：Mn：+7 → +4（KMnO4 → MnO2），得到 1×3e⁻，化合价降低，被还原");
    }
    form_->SetControlText(form::ControlId::kText4, quorvel::ui::FromQString(text.join(u'\n')));
    const QRect client = form_->rect();
    if (!chemistry) {
      QCOMPARE(client.size(),
               QSize(form::ClientSize(form_->Dpi()).width, form::ClientSize(form_->Dpi()).height));
    } else {
      QVERIFY(client.height() > form::ClientSize(form_->Dpi()).height);
      // Past its greatest height the pane stops growing and scrolls.
      if (lines > form::kPaneMaxLines) {
        const int height = Control(QStringLiteral("Text4"))->height();
        form_->SetControlText(form::ControlId::kText4,
                              quorvel::ui::FromQString((text + text).join(u'\n')));
        QCOMPARE(Control(QStringLiteral("Text4"))->height(), height);
        form_->SetControlText(form::ControlId::kText4, quorvel::ui::FromQString(text.join(u'\n')));
      }
    }
    for (const form::ControlSpec& a : form::kControls) {
      QCOMPARE(Control(QString::fromUtf8(a.name))->isVisibleTo(form_.get()),
               chemistry || !form::InChemistryPane(a.id));
      if (!Control(QString::fromUtf8(a.name))->isVisibleTo(form_.get())) continue;
      const QRect ra = Control(QString::fromUtf8(a.name))->geometry();
      if (a.id == form::ControlId::kText2) {
        QVERIFY(ra.top() >= client.height());
        continue;
      }
      QVERIFY2(client.contains(ra), a.name);
      for (const form::ControlSpec& b : form::kControls) {
        if (&b <= &a || b.id == form::ControlId::kText2) continue;
        if (!Control(QString::fromUtf8(b.name))->isVisibleTo(form_.get())) continue;
        // The button lies over the equation box's right edge by design.
        if (a.id == form::ControlId::kText1 && b.id == form::ControlId::kCommand1) continue;
        const QRect rb = Control(QString::fromUtf8(b.name))->geometry();
        QVERIFY2(!ra.intersects(rb),
                 qPrintable(QStringLiteral("%1 and %2 overlap at %3 dpi")
                                .arg(QString::fromUtf8(a.name), QString::fromUtf8(b.name))
                                .arg(form_->Dpi())));
      }
    }
  }

  void window() {
    QCOMPARE(form_->windowTitle(),
             QString::fromStdString(form::WindowText(form::Message::kWindowCaption)));
    const QSize client = form_->Dpi() == 96 ? QSize(543, 160) : QSize(815, 240);
    QCOMPARE(form_->size(), client);
    QCOMPARE(form_->minimumSize(), client);
    QCOMPARE(form_->maximumSize(), client);
    QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form_->windowFlags() & Qt::WindowCloseButtonHint);
    // The matrix box exists but lies wholly below the visible area.
    QVERIFY(Control(QStringLiteral("Text2"))->y() >= form_->height());
    // Centred on the screen, where it fits (the offscreen screen is only
    // 800 pixels wide).
    const QRect screen = form_->screen()->availableGeometry();
    if (form_->frameGeometry().width() <= screen.width()) {
      const QPoint offset = form_->frameGeometry().center() - screen.center();
      QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
               qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    }
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
    const QString unknown =
        QString::fromStdString(form::WindowText(form::Message::kCpuUsageUnknown));
    QCOMPARE(label7->text(), unknown);
    QTRY_VERIFY_WITH_TIMEOUT(label7->text() != unknown, 3000);
    static const QRegularExpression caption(QStringLiteral("^当前系统总CPU占用率：(-?[0-9]+) %$"));
    QVERIFY2(caption.match(label7->text()).hasMatch(), qPrintable(label7->text()));
    QCOMPARE(label7->size(), label7->sizeHint());
    QCOMPARE(label7->pos(), QPoint(0, form::TwipsToPixels(2040, form_->Dpi())));
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(Form1LayoutTest)
#include "tst_form1_layout.moc"
