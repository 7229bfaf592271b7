#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QString>

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

}  // namespace

QPixmap picturePixmap(const std::string& name, QSize logical, qreal dpr) {
  QPixmap pm(QSize(int(logical.width() * dpr), int(logical.height() * dpr)));
  pm.fill(Qt::transparent);
  {
    QPainter p(&pm);
    const qreal side = std::min(pm.width(), pm.height());
    p.translate((pm.width() - side) / 2, (pm.height() - side) / 2);
    p.scale(side / 64.0, side / 64.0);
    paint(p, kindOf(name));
  }
  pm.setDevicePixelRatio(dpr);
  return pm;
}

QIcon pictureIcon(const std::string& name) {
  QIcon icon;
  for (int s : {16, 24, 32, 48, 64, 96, 128, 256}) icon.addPixmap(picturePixmap(name, QSize(s, s), 1.0));
  return icon;
}

}  // namespace vm::ui
