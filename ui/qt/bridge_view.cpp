#include "bridge_view.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "form/texts.h"
#include "picture_painter.h"
#include "quorvel/drawing/bridges.h"

namespace quorvel::ui {
namespace {

int Ceil(double pixels) { return static_cast<int>(std::ceil(pixels)); }

QAccessibleInterface* MakeAccessible(const QString& class_name, QObject* object) {
  auto* view = qobject_cast<QWidget*>(object);
  if (view == nullptr || class_name != QLatin1String(BridgeView::staticMetaObject.className()))
    return nullptr;
  return new QAccessibleWidget(view, QAccessible::Graphic);
}

}  // namespace

void InstallBridgeViewAccessibility() {
  static const bool installed = (QAccessible::installFactory(MakeAccessible), true);
  static_cast<void>(installed);
}

BridgeView::BridgeView(QWidget* parent) : QWidget(parent), scroll_(new QScrollBar(this)) {
  InstallBridgeViewAccessibility();
  scroll_->setOrientation(Qt::Horizontal);
  scroll_->setFocusPolicy(Qt::NoFocus);
  scroll_->hide();
  connect(scroll_, &QScrollBar::valueChanged, this, [this] { update(); });
  setFocusPolicy(Qt::NoFocus);
}

void BridgeView::ShowFigure(const drawing::BridgeFigure* figure, double font_size, int max_width) {
  if (figure == nullptr) {
    picture_.reset();
  } else {
    picture_ = drawing::LayOut(*figure, {font_size, static_cast<double>(std::max(max_width, 0))},
                               QtTextMeasure(font()));
  }
  // Tab reaches the drawing only while there is one to scroll or copy.
  if (!picture_ && hasFocus()) focusNextChild();
  setFocusPolicy(picture_ ? Qt::StrongFocus : Qt::NoFocus);
  setAccessibleName(picture_ ? QString::fromStdString(picture_->name) : QString());
  setAccessibleDescription(picture_ ? QString::fromStdString(picture_->description) : QString());
  scroll_->setValue(0);
  FitScrollBar();
  update();
}

bool BridgeView::Scrolls() const { return picture_ && picture_->wider_than_asked; }

int BridgeView::WantedHeight() const {
  if (!picture_) return 0;
  return Ceil(picture_->height) + (Scrolls() ? scroll_->sizeHint().height() : 0);
}

QImage BridgeView::Image() const {
  if (!picture_) return {};
  return PictureImage(*picture_, font(), palette().color(QPalette::WindowText),
                      palette().color(QPalette::Window), devicePixelRatioF());
}

void BridgeView::CopyImage() const {
  if (picture_) QApplication::clipboard()->setImage(Image());
}

void BridgeView::FitScrollBar() {
  const int bar = scroll_->sizeHint().height();
  scroll_->setGeometry(0, height() - bar, width(), bar);
  scroll_->setVisible(Scrolls());
  const int width_shown = std::max(1, width());
  scroll_->setRange(0, Scrolls() ? std::max(0, Ceil(picture_->width) - width_shown) : 0);
  scroll_->setPageStep(width_shown);
  scroll_->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 2));
}

void BridgeView::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter painter(this);
  const int bar = Scrolls() ? scroll_->height() : 0;
  painter.setClipRect(0, 0, width(), height() - bar);
  painter.translate(-scroll_->value(), 0);
  PaintPicture(painter, *picture_, font(), palette().color(QPalette::WindowText));
}

void BridgeView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitScrollBar();
}

void BridgeView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    OpenMenu(mapToGlobal(QPoint(0, 0)));
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
      scroll_->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Right:
      scroll_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case Qt::Key_Home:
      scroll_->triggerAction(QAbstractSlider::SliderToMinimum);
      break;
    case Qt::Key_End:
      scroll_->triggerAction(QAbstractSlider::SliderToMaximum);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void BridgeView::contextMenuEvent(QContextMenuEvent* event) {
  // From the keyboard the menu opens at the view's corner, not where the
  // pointer happens to be.
  OpenMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                       : mapToGlobal(QPoint(0, 0)));
}

void BridgeView::OpenMenu(const QPoint& global) {
  if (!picture_) return;
  auto* menu = new QMenu(this);
  QAction* copy =
      menu->addAction(QString::fromStdString(form::WindowText(form::Message::kDrawingCopyImage)));
  copy->setObjectName(QStringLiteral("copyImage"));
  connect(copy, &QAction::triggered, this, [this] { CopyImage(); });
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(global);
}

}  // namespace quorvel::ui
