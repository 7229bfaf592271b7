#pragma once
// Paints a schematic drawing at any scale and keeps the window's labels at
// their anchor points on it.
#include <QWidget>
#include <memory>
#include <vector>

#include "framework/drawing.h"

class QLabel;
class QPainter;

namespace vm::ui {

class DrawingView : public QWidget {
 public:
  explicit DrawingView(std::shared_ptr<const Drawing> drawing, QWidget* parent = nullptr);

  // A label whose centre sits at (x, y) in the drawing's units.
  void anchor(QLabel* label, double x, double y);
  // Places the anchored labels again (their texts changed).
  void placeLabels();

  const Drawing& drawing() const { return *drawing_; }
  // The labels placed on the drawing.
  std::vector<QLabel*> labels() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // Paints `d` into `target` (the drawing is fitted, aspect kept).
  static void paint(QPainter& p, const Drawing& d, const QRectF& target, const QColor& ink);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  struct Anchored {
    QLabel* label;
    double x, y;
  };
  QRectF target() const;
  std::shared_ptr<const Drawing> drawing_;
  std::vector<Anchored> labels_;
};

}  // namespace vm::ui
