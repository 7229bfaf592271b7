#include "pictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QString>
#include <QStyle>
#include <QStyleOption>

namespace vm::ui {

namespace {

enum class Kind { Door, Printer, Other };

Kind kindOf(const std::string& name) {
  const QString n = QString::fromStdString(name).toLower();
  if (n.contains("exit") || n.contains("esci") || n.contains("door") || n.contains("porta") ||
      n.contains("chiudi"))
    return Kind::Door;
  if (n.contains("stampa") || n.contains("print")) return Kind::Printer;
  return Kind::Other;
}

// Paints the picture into a 64 x 64 box.
void paint(QPainter& p, Kind k) {
  p.setRenderHint(QPainter::Antialiasing);
  QPen ink(QColor(40, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  switch (k) {
    case Kind::Door: {
      // the door frame, the door swung open, and an arrow going out
      p.setPen(ink);
      p.setBrush(QColor(235, 235, 235));
      p.drawRect(QRectF(14, 6, 30, 52));
      QPolygonF door;
      door << QPointF(14, 6) << QPointF(32, 12) << QPointF(32, 62) << QPointF(14, 58);
      p.setBrush(QColor(150, 95, 45));
      p.drawPolygon(door);
      p.setBrush(QColor(230, 200, 80));
      p.drawEllipse(QPointF(28, 36), 2.2, 2.2);
      QPen arrow(QColor(200, 30, 30), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      p.setPen(arrow);
      p.drawLine(QPointF(38, 32), QPointF(58, 32));
      p.drawLine(QPointF(50, 24), QPointF(58, 32));
      p.drawLine(QPointF(50, 40), QPointF(58, 32));
      break;
    }
    case Kind::Printer: {
      p.setPen(ink);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(18, 6, 28, 20));
      p.setBrush(QColor(190, 190, 195));
      p.drawRoundedRect(QRectF(6, 24, 52, 24), 4, 4);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(16, 40, 32, 18));
      p.drawLine(QPointF(21, 47), QPointF(43, 47));
      p.drawLine(QPointF(21, 52), QPointF(38, 52));
      break;
    }
    case Kind::Other: {
      p.setPen(ink);
      p.setBrush(QColor(210, 225, 245));
      p.drawRoundedRect(QRectF(6, 10, 52, 44), 5, 5);
      p.setBrush(QColor(90, 140, 90));
      QPolygonF hill;
      hill << QPointF(10, 50) << QPointF(26, 30) << QPointF(36, 42) << QPointF(44, 34) << QPointF(54, 50);
      p.drawPolygon(hill);
      p.setBrush(QColor(240, 200, 60));
      p.drawEllipse(QPointF(44, 22), 5, 5);
      break;
    }
  }
}

QPixmap render(Kind k, QSize pixels) {
  QPixmap pm(pixels);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  const qreal side = std::min(pm.width(), pm.height());
  p.translate((pm.width() - side) / 2, (pm.height() - side) / 2);
  p.scale(side / 64.0, side / 64.0);
  paint(p, k);
  return pm;
}

// A picture is painted once per size and kept in the pixmap cache.
QPixmap cached(Kind k, QSize pixels) {
  const QString key = QStringLiteral("vm-picture-%1-%2x%3").arg(int(k)).arg(pixels.width()).arg(pixels.height());
  QPixmap pm;
  if (!QPixmapCache::find(key, &pm)) {
    pm = render(k, pixels);
    QPixmapCache::insert(key, pm);
  }
  return pm;
}

// Paints the picture only at the sizes a button asks for, when it asks.
class PictureEngine final : public QIconEngine {
 public:
  explicit PictureEngine(Kind k) : kind_(k) {}
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    QPixmap pm = cached(kind_, size);
    if (mode == QIcon::Disabled || mode == QIcon::Selected) {
      QStyleOption opt;
      opt.palette = QApplication::palette();
      pm = QApplication::style()->generatedIconPixmap(mode, pm, &opt);
    }
    return pm;
  }
  void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
    QPixmap pm = pixmap(rect.size() * dpr, mode, state);
    pm.setDevicePixelRatio(dpr);
    p->drawPixmap(rect, pm);
  }
  QIconEngine* clone() const override { return new PictureEngine(kind_); }
  QString key() const override { return QStringLiteral("vm-picture"); }

 private:
  Kind kind_;
};

}  // namespace

QPixmap picturePixmap(const std::string& name, QSize logical, qreal dpr) {
  QPixmap pm = cached(kindOf(name), QSize(int(logical.width() * dpr), int(logical.height() * dpr)));
  pm.setDevicePixelRatio(dpr);
  return pm;
}

QIcon pictureIcon(const std::string& name) { return QIcon(new PictureEngine(kindOf(name))); }

}  // namespace vm::ui
