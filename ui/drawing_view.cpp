#include "drawing_view.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "qt_util.h"

namespace vm::ui {

namespace {

constexpr double kTextSize = 11;  // drawing units

void arrowHead(QPainter& p, QPointF tip, QPointF from, double size) {
  QLineF l(tip, from);
  if (l.length() <= 0) return;
  QLineF a = l;
  a.setLength(size);
  QLineF b = a;
  a.setAngle(l.angle() + 25);
  b.setAngle(l.angle() - 25);
  QPolygonF head;
  head << tip << a.p2() << b.p2();
  p.save();
  p.setBrush(p.pen().color());
  p.drawPolygon(head);
  p.restore();
}

// A coil of `turns` half-circles along the x axis from x0 to x1 (local frame).
void turnsPath(QPainterPath& path, double x0, double x1, double h, int turns) {
  const double w = (x1 - x0) / turns;
  path.moveTo(x0, 0);
  for (int i = 0; i < turns; ++i) path.arcTo(QRectF(x0 + i * w, -h, w, 2 * h), 180, -180);
}

// Symbols that run between two points are drawn in a frame where the first
// point is the origin and the second lies on the positive x axis.
void symbol(QPainter& p, const Shape& s) {
  const QPointF a(s.x1, s.y1), b(s.x2, s.y2);
  const QLineF seg(a, b);
  const double len = seg.length();
  switch (s.symbol) {
    case Symbol::Ground: {
      const double k = len > 0 ? len / 12 : 1;
      p.save();
      p.translate(a);
      p.scale(k, k);
      p.drawLine(QPointF(0, 0), QPointF(0, 6));
      p.drawLine(QPointF(-9, 6), QPointF(9, 6));
      p.drawLine(QPointF(-6, 9), QPointF(6, 9));
      p.drawLine(QPointF(-3, 12), QPointF(3, 12));
      p.restore();
      return;
    }
    case Symbol::Antenna: {
      const double k = len > 0 ? len / 20 : 1;
      p.save();
      p.translate(a);
      p.scale(k, k);
      p.drawLine(QPointF(0, 0), QPointF(0, -20));
      p.drawLine(QPointF(0, -8), QPointF(-8, -20));
      p.drawLine(QPointF(0, -8), QPointF(8, -20));
      p.drawLine(QPointF(-8, -20), QPointF(8, -20));
      p.restore();
      return;
    }
    default:
      break;
  }
  if (len <= 0) return;
  p.save();
  p.translate(a);
  p.rotate(-seg.angle());
  const double mid = len / 2;
  switch (s.symbol) {
    case Symbol::Resistor: {
      const double body = std::min(len * 0.6, 40.0), h = std::min(len * 0.12, 6.0);
      const double x0 = mid - body / 2, x1 = mid + body / 2;
      p.drawLine(QPointF(0, 0), QPointF(x0, 0));
      p.drawLine(QPointF(x1, 0), QPointF(len, 0));
      QPolygonF zig;
      zig << QPointF(x0, 0);
      const int teeth = 6;
      for (int i = 0; i < teeth; ++i) zig << QPointF(x0 + body * (i + 0.5) / teeth, (i % 2 ? h : -h));
      zig << QPointF(x1, 0);
      p.drawPolyline(zig);
      break;
    }
    case Symbol::Capacitor: {
      const double gap = std::min(len * 0.1, 5.0), h = std::min(len * 0.35, 12.0);
      p.drawLine(QPointF(0, 0), QPointF(mid - gap, 0));
      p.drawLine(QPointF(mid + gap, 0), QPointF(len, 0));
      p.drawLine(QPointF(mid - gap, -h), QPointF(mid - gap, h));
      p.drawLine(QPointF(mid + gap, -h), QPointF(mid + gap, h));
      break;
    }
    case Symbol::Inductor: {
      const double body = std::min(len * 0.75, 60.0), h = std::min(body / 8, 6.0);
      const double x0 = mid - body / 2, x1 = mid + body / 2;
      p.drawLine(QPointF(0, 0), QPointF(x0, 0));
      p.drawLine(QPointF(x1, 0), QPointF(len, 0));
      QPainterPath path;
      turnsPath(path, x0, x1, h, 4);
      p.drawPath(path);
      break;
    }
    case Symbol::Transformer: {
      const double body = len * 0.8, h = std::min(body / 8, 6.0);
      const double x0 = mid - body / 2, x1 = mid + body / 2, off = std::max(h * 2, 6.0);
      QPainterPath primary, secondary;
      p.save();
      p.translate(0, -off);
      turnsPath(primary, x0, x1, h, 4);
      p.drawPath(primary);
      p.restore();
      p.save();
      p.translate(0, off);
      p.scale(1, -1);
      turnsPath(secondary, x0, x1, h, 4);
      p.drawPath(secondary);
      p.restore();
      p.drawLine(QPointF(x0, -1.5), QPointF(x1, -1.5));
      p.drawLine(QPointF(x0, 1.5), QPointF(x1, 1.5));
      break;
    }
    case Symbol::Generator: {
      const double r = std::min(len / 2, 14.0);
      p.drawLine(QPointF(0, 0), QPointF(mid - r, 0));
      p.drawLine(QPointF(mid + r, 0), QPointF(len, 0));
      p.drawEllipse(QPointF(mid, 0), r, r);
      QPainterPath wave;
      const double w = r * 1.2;
      wave.moveTo(mid - w / 2, 0);
      for (int i = 1; i <= 24; ++i) {
        double t = double(i) / 24;
        wave.lineTo(mid - w / 2 + w * t, -r * 0.4 * std::sin(2 * M_PI * t));
      }
      p.save();
      p.translate(mid, 0);
      p.rotate(seg.angle());  // the wave stays upright
      p.translate(-mid, 0);
      p.drawPath(wave);
      p.restore();
      break;
    }
    case Symbol::Coax: {
      const double h = std::min(len * 0.15, 5.0);
      p.drawLine(QPointF(0, -h), QPointF(len, -h));
      p.drawLine(QPointF(0, h), QPointF(len, h));
      p.drawEllipse(QPointF(0, 0), h / 2.5, h);
      p.drawEllipse(QPointF(len, 0), h / 2.5, h);
      QPen dashed = p.pen();
      dashed.setStyle(Qt::DashLine);
      p.save();
      p.setPen(dashed);
      p.drawLine(QPointF(0, 0), QPointF(len, 0));
      p.restore();
      break;
    }
    case Symbol::Arrow: {
      p.drawLine(QPointF(0, 0), QPointF(len, 0));
      arrowHead(p, QPointF(len, 0), QPointF(0, 0), std::min(len * 0.3, 7.0));
      break;
    }
    case Symbol::Dimension: {
      const double head = std::min(len * 0.25, 7.0);
      p.drawLine(QPointF(0, 0), QPointF(len, 0));
      arrowHead(p, QPointF(len, 0), QPointF(0, 0), head);
      arrowHead(p, QPointF(0, 0), QPointF(len, 0), head);
      break;
    }
    default:
      break;
  }
  p.restore();
}

}  // namespace

DrawingView::DrawingView(std::shared_ptr<const Drawing> drawing, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing)) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void DrawingView::anchor(QLabel* label, double x, double y) {
  label->setParent(this);
  labels_.push_back(Anchored{label, x, y});
  placeLabels();
}

std::vector<QLabel*> DrawingView::labels() const {
  std::vector<QLabel*> out;
  for (const auto& a : labels_) out.push_back(a.label);
  return out;
}

QSize DrawingView::sizeHint() const {
  return QSize(int(std::ceil(drawing_->width)), int(std::ceil(drawing_->height)));
}

QSize DrawingView::minimumSizeHint() const { return sizeHint(); }

QRectF DrawingView::target() const {
  return QRectF(rect());
}

void DrawingView::placeLabels() {
  const QRectF t = target();
  const double k = std::min(t.width() / drawing_->width, t.height() / drawing_->height);
  const double ox = t.x() + (t.width() - drawing_->width * k) / 2;
  const double oy = t.y() + (t.height() - drawing_->height * k) / 2;
  for (const auto& a : labels_) {
    // the size its text asks for (kept when it has not changed)
    const QSize want = a.label->sizeHint().expandedTo(a.label->minimumSize()).boundedTo(a.label->maximumSize());
    if (a.label->size() != want) a.label->resize(want);
    QSize sz = a.label->size();
    QPointF c(ox + a.x * k, oy + a.y * k);
    int left = int(std::lround(c.x() - sz.width() / 2.0));
    int top = int(std::lround(c.y() - sz.height() / 2.0));
    // a label stays whole inside the drawing
    left = std::clamp(left, 0, std::max(0, width() - sz.width()));
    top = std::clamp(top, 0, std::max(0, height() - sz.height()));
    a.label->move(left, top);
  }
}

void DrawingView::resizeEvent(QResizeEvent*) { placeLabels(); }

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint(p, *drawing_, target(), palette().color(QPalette::WindowText));
}

void DrawingView::paint(QPainter& p, const Drawing& d, const QRectF& t, const QColor& ink) {
  if (d.width <= 0 || d.height <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const double k = std::min(t.width() / d.width, t.height() / d.height);
  p.translate(t.x() + (t.width() - d.width * k) / 2, t.y() + (t.height() - d.height * k) / 2);
  p.scale(k, k);
  QFont font = p.font();
  font.setPointSizeF(kTextSize * 72.0 / 96.0);
  for (const auto& s : d.shapes) {
    const QColor c = colourOf(s.color, ink);
    QPen pen(c, s.width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(s.filled ? QBrush(c) : QBrush(Qt::NoBrush));
    switch (s.type) {
      case Shape::Type::Line:
        p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
        break;
      case Shape::Type::Polyline: {
        QPolygonF poly;
        for (std::size_t i = 0; i + 1 < s.points.size(); i += 2) poly << QPointF(s.points[i], s.points[i + 1]);
        if (s.filled) p.drawPolygon(poly);
        else p.drawPolyline(poly);
        break;
      }
      case Shape::Type::Rect:
        p.drawRect(QRectF(s.x1, s.y1, s.x2, s.y2));
        break;
      case Shape::Type::Ellipse:
        p.drawEllipse(QRectF(s.x1, s.y1, s.x2, s.y2));
        break;
      case Shape::Type::Arc:
        p.drawArc(QRectF(s.x1, s.y1, s.x2, s.y2), int(std::lround(s.start * 16)), int(std::lround(s.span * 16)));
        break;
      case Shape::Type::Text: {
        p.setFont(font);
        QFontMetricsF fm(font, p.device());
        // (x, y): the left end of the text, at its middle height
        p.drawText(QPointF(s.x1, s.y1 + (fm.ascent() - fm.descent()) / 2), QString::fromStdString(s.text));
        break;
      }
      case Shape::Type::Symbol:
        p.setBrush(Qt::NoBrush);
        symbol(p, s);
        break;
    }
  }
  p.restore();
}

}  // namespace vm::ui
