#include "qt_util.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace vm::ui {

namespace {
double dpiOf(const QScreen* s) {
  if (!s) s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchX() : 96.0;
}
}  // namespace

int pixelsOf(int twips, const QScreen* screen) { return qRound(twips * dpiOf(screen) / 1440.0); }

int twipsOf(int pixels, const QScreen* screen) { return qRound(pixels * 1440.0 / dpiOf(screen)); }

QFont titleBarFont(const QFont& windowFont) {
  // window managers differ: take the larger of the desktop's title font and
  // the windows' own text, bold
  const QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  QFont f = windowFont;
  if (title.pointSizeF() > f.pointSizeF()) f.setPointSizeF(title.pointSizeF());
  f.setBold(true);
  return f;
}

int captionWidth(const QString& title, const QFont& windowFont) {
  const QFontMetrics fm(titleBarFont(windowFont));
  // the window's icon, three buttons and the margins of the bar
  const int furniture = 6 * fm.height();
  return fm.horizontalAdvance(title) + furniture;
}

int titleBarHeight(const QFont& windowFont) { return 2 * QFontMetrics(titleBarFont(windowFont)).height(); }

}  // namespace vm::ui
