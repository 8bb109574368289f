// The 双线桥 in the Qt window: what Picture1 paints, where it stands in the
// pane, how it scrolls and is reached by the keyboard, what it copies, and
// what screen readers are told of it.
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <cmath>
#include <memory>
#include <optional>

#include "bridge_view.h"
#include "form/layout.h"
#include "form1.h"
#include "picture_painter.h"
#include "qt_text.h"
#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"
#include "quorvel/drawing/bridges.h"
#include "text_box.h"
#include "ui_test_support.h"

using quorvel::ui::BridgeView;
using quorvel::ui::Form1;
using quorvel::ui::TextBox;

namespace {

const QString kHeating = QStringLiteral("KMnO4 =△= K2MnO4 + MnO2 + O2↑");
// Too wide for the pane at any dpi even with its labels on two lines.
const QString kLong =
    QStringLiteral("K2Cr2O7 + FeSO4 + H2SO4 = Cr2(SO4)3 + Fe2(SO4)3 + K2SO4 + H2O");

std::optional<quorvel::drawing::BridgeFigure> FigureOf(const QString& equation) {
  const auto answer = quorvel::chemistry::Balance(equation.toStdString());
  const auto details = quorvel::chemistry::Describe(answer).details;
  if (!details) return std::nullopt;
  return quorvel::drawing::MakeBridgeFigure(answer, *details,
                                            quorvel::messages::Language::kChinese);
}

bool Dark(const QImage& image, int x, int y) {
  return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
         qGray(image.pixel(x, y)) < 128 && qAlpha(image.pixel(x, y)) > 128;
}

// Some ink within `reach` pixels of the point.
bool InkNear(const QImage& image, QPointF point, int reach) {
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (Dark(image, static_cast<int>(point.x()) + dx, static_cast<int>(point.y()) + dy)) {
        return true;
      }
    }
  }
  return false;
}

bool InkIn(const QImage& image, const quorvel::drawing::Box& box) {
  for (int y = static_cast<int>(box.top); y < static_cast<int>(std::ceil(box.bottom())); ++y) {
    for (int x = static_cast<int>(box.left); x < static_cast<int>(std::ceil(box.right())); ++x) {
      if (Dark(image, x, y)) return true;
    }
  }
  return false;
}

QRect Geometry(const QWidget* widget) { return widget ? widget->geometry() : QRect(); }

}  // namespace

class BridgeViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> config_;
  std::unique_ptr<Form1> form_;

  template <typename T>
  T* Find(const char* name) const {
    return form_->findChild<T*>(QString::fromUtf8(name));
  }
  BridgeView* View() const { return Find<BridgeView>("Picture1"); }

  void Open() {
    form_ = std::make_unique<Form1>();
    form_->LoadSettings(true);
    form_->ShowCentred();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  // Balances by Enter and waits until the pane holds the answer's details.
  void BalanceByEnter(const QString& equation) {
    TextBox* text1 = Find<TextBox>("Text1");
    text1->setText(equation);
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_Return);
    QTRY_VERIFY(text1->isEnabled());
    QTRY_VERIFY(!Find<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
  }

 private slots:
  void init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
  }
  void cleanup() {
    form_.reset();
    config_.reset();
    QUORVEL_VERIFY_NO_MODAL_DIALOG();
  }

  // Ink where every bridge and label was laid out, at two sizes.
  void paints_what_was_laid_out_data() {
    QTest::addColumn<QString>("equation");
    QTest::addColumn<double>("fontSize");
    QTest::newRow("heating, 14 px") << kHeating << 14.0;
    QTest::newRow("heating, 21 px") << kHeating << 21.0;
    QTest::newRow("chlorine, 14 px") << QStringLiteral("MnO2 + HCl = MnCl2 + Cl2 + H2O") << 14.0;
  }
  void paints_what_was_laid_out() {
    QFETCH(QString, equation);
    QFETCH(double, fontSize);
    const auto figure = FigureOf(equation);
    QVERIFY(figure);
    BridgeView view;
    view.ShowFigure(&*figure, fontSize, 0);
    QVERIFY(view.Shown());
    const quorvel::drawing::Picture& picture = *view.Shown();
    QVERIFY(!picture.bridges.empty());
    const QImage image = quorvel::ui::PictureImage(picture, view.font(), Qt::black, Qt::white, 1);
    for (const quorvel::drawing::PictureBridge& bridge : picture.bridges) {
      for (std::size_t i = 1; i < bridge.path.size(); ++i) {
        const QPointF middle((bridge.path[i - 1].x + bridge.path[i].x) / 2,
                             (bridge.path[i - 1].y + bridge.path[i].y) / 2);
        QVERIFY2(InkNear(image, middle, 1), qPrintable(QStringLiteral("stroke %1").arg(i)));
      }
      QVERIFY(InkNear(image, {bridge.head.tip.x, bridge.head.tip.y}, 1));
      for (const std::size_t run : bridge.label_runs) {
        QVERIFY2(InkIn(image, picture.runs[run].box),
                 qPrintable(QString::fromStdString(picture.runs[run].text)));
      }
    }
    for (const quorvel::drawing::TextRun& run : picture.runs) QVERIFY(InkIn(image, run.box));
  }

  // The view paints the picture at its place, and nothing beyond it.
  void paints_nothing_outside_the_picture() {
    const auto figure = FigureOf(kHeating);
    QVERIFY(figure);
    BridgeView view;
    view.ShowFigure(&*figure, 14, 0);
    const QRect picture(0, 0, static_cast<int>(std::ceil(view.Shown()->width)),
                        static_cast<int>(std::ceil(view.Shown()->height)));
    view.resize(picture.size() + QSize(40, 40));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, {}, {}, QWidget::DrawChildren);
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) == 0) continue;
        QVERIFY2(picture.contains(x, y), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        ++inside;
      }
    }
    QVERIFY(inside > 0);
  }

  // Only a redox answer is drawn; the pane's text starts under the drawing.
  void picture_in_the_pane_data() {
    QTest::addColumn<QString>("equation");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("redox") << kHeating << true;
    QTest::newRow("not redox") << QStringLiteral("CaCO3 + HCl = CaCl2 + H2O + CO2↑") << false;
    QTest::newRow("failure") << QStringLiteral("Xx = Yy") << false;
  }
  void picture_in_the_pane() {
    QFETCH(QString, equation);
    QFETCH(bool, drawn);
    Open();
    // A drawing from before must go when the next answer has none.
    BalanceByEnter(kHeating);
    BalanceByEnter(equation);
    BridgeView* view = View();
    QTRY_COMPARE(view->height() > 0, drawn);
    QCOMPARE(view->isVisible(), true);
    QCOMPARE(bool(view->Shown()), drawn);
    const QRect text4 = Geometry(Find<QWidget>("Text4"));
    QCOMPARE(text4.top(), view->geometry().bottom() + 1);
    QVERIFY(Geometry(Find<QWidget>("Text5")).top() > text4.bottom());
    QVERIFY(form_->height() > Geometry(Find<QWidget>("Text5")).bottom());
    if (!drawn) return;
    // Laid out in the box font at the window's dpi: it scales with it.
    const double font_pixels = Find<TextBox>("Text1")->font().pointSizeF() * form_->Dpi() / 72.0;
    const quorvel::drawing::Picture& picture = *view->Shown();
    QCOMPARE(picture.runs[picture.piece_runs.front()].size, font_pixels);
    QCOMPARE(view->height(), static_cast<int>(std::ceil(picture.height)));
    QVERIFY(picture.height > 3 * font_pixels);
    QVERIFY(picture.width <= view->width());
    QVERIFY(!view->ScrollBar()->isVisible());
  }

  void long_equation_scrolls_beside_the_pane() {
    Open();
    BalanceByEnter(kLong);
    BridgeView* view = View();
    QVERIFY(view->Shown());
    QVERIFY(view->Scrolls());
    QVERIFY(view->Shown()->width > view->width());
    QScrollBar* bar = view->ScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(view->height(), static_cast<int>(std::ceil(view->Shown()->height)) + bar->height());
    QCOMPARE(bar->geometry().bottom(), view->height() - 1);
    QVERIFY(Geometry(Find<QWidget>("Text4")).top() > view->geometry().bottom());
    // The keyboard scrolls it once Tab from the pane's text reaches it.
    Find<QWidget>("Text4")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view);
    QTest::keyClick(view, Qt::Key_Right);
    QVERIFY(bar->value() > 0);
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(bar->maximum(), static_cast<int>(std::ceil(view->Shown()->width)) - view->width());
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
  }

  // Tab goes from the pane's text to the drawing only while there is one.
  void tab_after_the_pane_text_data() {
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QStringList>("chain");  // after Text4
    QTest::newRow("drawn") << kHeating << QStringList{"Picture1", "Text5", "Text1"};
    QTest::newRow("nothing drawn")
        << QStringLiteral("CaCO3 + HCl = CaCl2 + H2O + CO2↑") << QStringList{"Text5", "Text1"};
  }
  void tab_after_the_pane_text() {
    QFETCH(QString, equation);
    QFETCH(QStringList, chain);
    Open();
    BalanceByEnter(equation);
    Find<QWidget>("Text4")->setFocus();
    for (const QString& next : chain) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
  }

  void copies_the_picture_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("right click") << false;
    QTest::newRow("menu key") << true;
  }
  void copies_the_picture() {
    QFETCH(bool, byKeyboard);
    Open();
    BalanceByEnter(kHeating);
    BridgeView* view = View();
    QApplication::clipboard()->clear();
    if (byKeyboard) {
      view->setFocus();
      QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    } else {
      QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, view->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(view, &event);
    }
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("复制图像"));
    menu->actions().front()->trigger();
    menu->close();
    const QImage copied = QApplication::clipboard()->image();
    const double ratio = view->devicePixelRatioF();
    QCOMPARE(copied.size(), QSize(static_cast<int>(std::ceil(view->Shown()->width * ratio)),
                                  static_cast<int>(std::ceil(view->Shown()->height * ratio))));
    QCOMPARE(copied, view->Image());
  }

  // At its greatest height the pane's text box shows whole lines, then scrolls.
  void pane_shows_whole_lines_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("Chinese") << QStringLiteral("还原产物：MnO2（二氧化锰）");
    QTest::newRow("Latin") << QStringLiteral("Mn +7 -> +6");
  }
  void pane_shows_whole_lines() {
    QFETCH(QString, line);
    Open();
    QStringList lines;
    for (int i = 0; i < 20; ++i) lines << line;
    form_->SetControlText(quorvel::form::ControlId::kText4,
                          quorvel::ui::FromQString(lines.join(QLatin1Char('\n'))));
    auto* pane = Find<QPlainTextEdit>("Text4");
    QTRY_VERIFY(pane->verticalScrollBar()->maximum() > 0);
    pane->verticalScrollBar()->setValue(0);
    const auto line_rect = [pane](int block) {
      return pane->cursorRect(QTextCursor(pane->document()->findBlockByNumber(block)));
    };
    const int shown = pane->viewport()->height();
    const int last = quorvel::form::kPaneMaxLines - 1;
    QVERIFY2(line_rect(last).bottom() < shown, qPrintable(QStringLiteral("line %1 ends at %2 of %3")
                                                              .arg(last + 1)
                                                              .arg(line_rect(last).bottom())
                                                              .arg(shown)));
    QVERIFY(line_rect(last + 1).top() >= shown - pane->document()->documentMargin() - 1);
  }

  // A pane grown below the screen's edge moves the window up, at any dpi;
  // the amounts then show where they begin, not the pane's top.
  void grown_window_stays_on_the_screen() {
    Open();
    BalanceByEnter(kHeating);
    const QRect area = form_->screen()->availableGeometry();
    QTRY_VERIFY2(form_->frameGeometry().bottom() <= area.bottom() ||
                     form_->frameGeometry().top() == area.top(),
                 qPrintable(QStringLiteral("frame %1..%2, screen %3..%4")
                                .arg(form_->frameGeometry().top())
                                .arg(form_->frameGeometry().bottom())
                                .arg(area.top())
                                .arg(area.bottom())));
    QVERIFY(form_->frameGeometry().top() >= area.top());

    TextBox* given = Find<TextBox>("Text5");
    given->setText(QStringLiteral("KMnO4 31.6g"));
    given->setFocus();
    QTest::keyClick(given, Qt::Key_Return);
    auto* pane = Find<QPlainTextEdit>("Text4");
    const QString heading = QStringLiteral("参加反应和生成的物质的量与质量：");
    QTRY_VERIFY(pane->toPlainText().contains(heading));
    // From the heading to the last amount, all in view.
    for (const QString& line : {heading, QStringLiteral("O2：0.1 mol，3.2 g")}) {
      const QRect shown = pane->cursorRect(QTextCursor(pane->document()->find(line).block()));
      QVERIFY2(shown.top() >= 0 && shown.bottom() < pane->viewport()->height(),
               qPrintable(QStringLiteral("%1 at %2 of %3")
                              .arg(line)
                              .arg(shown.top())
                              .arg(pane->viewport()->height())));
    }
  }

  void told_to_screen_readers() {
    Open();
    BalanceByEnter(kHeating);
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(View());
    QVERIFY(told);
    QCOMPARE(told->role(), QAccessible::Graphic);
    QCOMPARE(told->text(QAccessible::Name), QString::fromStdString(View()->Shown()->name));
    QCOMPARE(told->text(QAccessible::Description),
             QString::fromStdString(View()->Shown()->description));
    QVERIFY(told->text(QAccessible::Description).contains(QStringLiteral("Mn")));
    BalanceByEnter(QStringLiteral("CaCO3 + HCl = CaCl2 + H2O + CO2↑"));
    QCOMPARE(told->text(QAccessible::Name), QString());
  }
};

QUORVEL_OFFSCREEN_TEST_MAIN(BridgeViewTest)
#include "tst_bridge_view.moc"
