#pragma once
// Paints a schematic drawing at any scale and writes the window's labels on
// it where the layout model places them.
#include <QLabel>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "framework/drawing.h"
#include "framework/layout.h"

class QPainter;

namespace vm::ui {

// A label of the window written on a drawing. Its text stays the control's
// whole text; what it shows is what the layout model writes: the text in one
// box, or in one box per column of a label written as columns.
class DrawingLabel : public QLabel {
 public:
  explicit DrawingLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  struct Piece {
    QRect box;        // in the label's own coordinates
    QString text;     // as the model writes it (line breaks included)
    QFont font;       // the model's text size, made smaller where the real font is wider
    Qt::Alignment align;
    QRect ink;        // where the text is written inside the box (filled, over the strokes)
  };
  const std::vector<Piece>& pieces() const { return pieces_; }
  void setPieces(std::vector<Piece> pieces);
  // Whether each box is filled with the label's background (over the strokes under it).
  void setOpaque(bool opaque) { opaque_ = opaque; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::vector<Piece> pieces_;
  bool opaque_ = true;
  bool placed_ = false;
};

class DrawingView : public QWidget {
 public:
  explicit DrawingView(std::shared_ptr<const Drawing> drawing, QWidget* parent = nullptr);

  // The label of control `control`, written on the drawing.
  void anchor(int control, DrawingLabel* label);
  // Writes the labels where `placed` says (the model arranged anew: texts changed).
  void placeLabels(const layout::DrawingLayout& placed);

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
  QRectF target() const;
  void placeLabels();
  std::shared_ptr<const Drawing> drawing_;
  std::map<int, DrawingLabel*> labels_;  // by control, in the window's order
  layout::DrawingLayout placed_;
};

}  // namespace vm::ui
