#pragma once

#include <QWidget>
#include <optional>

#include "quorvel/drawing/picture.h"

class QScrollBar;

namespace quorvel::drawing {
struct BridgeFigure;
}

namespace quorvel::ui {

// Picture1: the 双线桥 of a redox answer, painted in the control's font and
// the palette's text colour. A picture wider than the view scrolls
// sideways: by its scroll bar, or by the arrow keys, Home and End once the
// view has the focus, which it takes only while it shows a picture. Its
// right-click menu (also the menu key and Shift+F10) copies it as an image.
// Screen readers hear its name and the bridges in words.
class BridgeView : public QWidget {
  Q_OBJECT

 public:
  explicit BridgeView(QWidget* parent = nullptr);

  // Lays out `figure` (null: nothing drawn) with the control's font at
  // `font_size` pixels, at most `max_width` pixels wide where the labels can
  // be wrapped to fit (0: no limit).
  void ShowFigure(const drawing::BridgeFigure* figure, double font_size, int max_width);
  const std::optional<drawing::Picture>& Shown() const { return picture_; }
  // The picture's height, and the scroll bar's when it scrolls; 0 when empty.
  int WantedHeight() const;
  bool Scrolls() const;
  QScrollBar* ScrollBar() const { return scroll_; }
  // The whole picture, at this screen's device pixel ratio.
  QImage Image() const;
  void CopyImage() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void FitScrollBar();
  void OpenMenu(const QPoint& global);

  std::optional<drawing::Picture> picture_;
  QScrollBar* scroll_;
};

// Screen readers meet Picture1 as a graphic. Installed once, by the first view.
void InstallBridgeViewAccessibility();

}  // namespace quorvel::ui
