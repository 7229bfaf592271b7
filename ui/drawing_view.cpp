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

void DrawingLabel::setPieces(std::vector<Piece> pieces) {
  pieces_ = std::move(pieces);
  placed_ = true;
  update();
}

QSize DrawingLabel::sizeHint() const { return placed_ ? size() : QLabel::sizeHint(); }

void DrawingLabel::paintEvent(QPaintEvent* e) {
  if (!placed_) {
    QLabel::paintEvent(e);
    return;
  }
  QPainter p(this);
  for (const auto& piece : pieces_) {
    if (piece.text.trimmed().isEmpty()) continue;
    if (opaque_) p.fillRect(piece.ink, palette().color(backgroundRole()));
    p.setPen(palette().color(foregroundRole()));
    p.setFont(piece.font);
    p.drawText(piece.box, int(piece.align), piece.text);
  }
}

DrawingView::DrawingView(std::shared_ptr<const Drawing> drawing, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing)) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void DrawingView::anchor(int control, DrawingLabel* label) {
  label->setParent(this);
  labels_[control] = label;
}

std::vector<QLabel*> DrawingView::labels() const {
  std::vector<QLabel*> out;
  for (const auto& [control, label] : labels_) out.push_back(label);
  return out;
}

QSize DrawingView::sizeHint() const {
  return QSize(int(std::ceil(drawing_->width)), int(std::ceil(drawing_->height)));
}

QSize DrawingView::minimumSizeHint() const { return sizeHint(); }

QRectF DrawingView::target() const {
  return QRectF(rect());
}

void DrawingView::placeLabels(const layout::DrawingLayout& placed) {
  placed_ = placed;
  placeLabels();
}

void DrawingView::placeLabels() {
  if (drawing_->width <= 0 || drawing_->height <= 0) return;
  const QRectF t = target();
  const double k = std::min(t.width() / drawing_->width, t.height() / drawing_->height);
  const double ox = t.x() + (t.width() - drawing_->width * k) / 2;
  const double oy = t.y() + (t.height() - drawing_->height * k) / 2;
  const double points = 72.0 / std::max(1, logicalDpiY());
  for (const auto& [control, label] : labels_) {
    struct Box {
      QRectF at;
      const layout::Anchored* a;
    };
    std::vector<Box> boxes;
    for (const auto& a : placed_.labels)
      if (a.control == control)
        boxes.push_back({QRectF(ox + a.left * k, oy + a.top * k, a.width * k, a.height * k), &a});
    if (boxes.empty()) continue;
    double left = boxes[0].at.left(), top = boxes[0].at.top();
    double right = boxes[0].at.right(), bottom = boxes[0].at.bottom();
    for (const auto& b : boxes) {
      left = std::min(left, b.at.left());
      top = std::min(top, b.at.top());
      right = std::max(right, b.at.right());
      bottom = std::max(bottom, b.at.bottom());
    }
    // (a box rounded to whole pixels, not widened to them: it stays clear of the strokes beside it)
    const auto pixels = [](const QRectF& r) {
      return QRect(QPoint(int(std::lround(r.left())), int(std::lround(r.top()))),
                   QPoint(int(std::lround(r.right())) - 1, int(std::lround(r.bottom())) - 1));
    };
    const QRect whole = pixels(QRectF(QPointF(left, top), QPointF(right, bottom))).intersected(rect());
    const QPoint origin = whole.topLeft();
    std::vector<DrawingLabel::Piece> pieces;
    for (const auto& b : boxes) {
      DrawingLabel::Piece piece;
      piece.text = QString::fromStdString(b.a->text);
      piece.box = pixels(b.at).translated(-origin);
      const double room = piece.box.width() - 1.0;  // (a text's ink may reach a pixel past its advance)
      piece.font = font();
      piece.font.setPointSizeF(b.a->textSize * k * points);
      // the model's estimate of a text's width errs wide; where the real font
      // is wider still, the text is written smaller to keep inside its box
      const QFontMetricsF fm(piece.font, label);
      const QStringList lines = piece.text.split(QLatin1Char('\n'));
      double widest = 0;
      for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
      double shrink = 1;
      if (widest > room && widest > 0) shrink = std::max(room, 1.0) / widest;
      const double tall = fm.height() * double(lines.size());
      if (tall > b.at.height() + 1 && tall > 0) shrink = std::min(shrink, b.at.height() / tall);
      if (shrink < 1) piece.font.setPointSizeF(piece.font.pointSizeF() * shrink * 0.98);
      // sizes are honoured to a pixel or so: measured as drawn, smaller until it fits
      for (int tries = 0; tries < 4 && piece.font.pointSizeF() > 1; ++tries) {
        const int need = QFontMetrics(piece.font, label)
                             .boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, piece.text)
                             .width();
        if (need <= piece.box.width()) break;
        piece.font.setPointSizeF(piece.font.pointSizeF() * std::max(room, 1.0) / need);
      }
      const layout::Side side = b.a->side;
      piece.align = Qt::AlignVCenter | (side == layout::Side::Right  ? Qt::AlignLeft
                                        : side == layout::Side::Left ? Qt::AlignRight
                                                                     : Qt::AlignHCenter);
      piece.ink = QFontMetrics(piece.font, label)
                      .boundingRect(piece.box, int(piece.align), piece.text)
                      .intersected(piece.box);
      pieces.push_back(std::move(piece));
    }
    if (label->font() != pieces[0].font) label->setFont(pieces[0].font);
    label->setGeometry(whole);
    label->setPieces(std::move(pieces));
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
