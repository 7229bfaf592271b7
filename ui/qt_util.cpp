#include "qt_util.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
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

QFont desktopTitleFont() { return QFontDatabase::systemFont(QFontDatabase::TitleFont); }

QFont titleBarFont(const QFont& windowFont) { return titleBarFont(windowFont, desktopTitleFont()); }

QFont titleBarFont(const QFont& windowFont, const QFont& title) {
  // window managers differ: take the larger of the desktop's title font and
  // the windows' own text, bold
  QFont f = windowFont;
  if (title.pointSizeF() > f.pointSizeF()) f.setPointSizeF(title.pointSizeF());
  f.setBold(true);
  return f;
}

int captionWidth(const QString& title, const QFont& windowFont) {
  return captionWidthIn(title, titleBarFont(windowFont));
}

int captionWidthIn(const QString& title, const QFont& barFont) {
  const QFontMetrics fm(barFont);
  // the window's icon, three buttons and the margins of the bar
  const int furniture = 6 * fm.height();
  return fm.horizontalAdvance(title) + furniture;
}

int titleBarHeight(const QFont& windowFont) { return titleBarHeightIn(titleBarFont(windowFont)); }

int titleBarHeightIn(const QFont& barFont) { return 2 * QFontMetrics(barFont).height(); }

void setColour(QWidget* w, QPalette::ColorRole role, Color c) {
  QPalette pal = w->palette();
  const QPalette base = QApplication::palette(w);
  pal.setColor(role, c == kDefaultColor ? base.color(role) : colourOf(c));
  w->setPalette(pal);
}

// A button whose text would not fit half the screen on one line shows it on
// a few lines broken between words; the text itself stays as declared.
QString buttonLines(const QString& t, const QFontMetrics& fm) {
  constexpr int kLongest = 640;
  const int whole = fm.horizontalAdvance(t);
  if (whole <= kLongest || t.contains(QLatin1Char('\n'))) return t;
  const int lines = (whole + kLongest - 1) / kLongest;
  const int target = whole / lines + 2 * fm.averageCharWidth();
  QStringList out;
  QString line;
  for (const QString& word : t.split(QLatin1Char(' '))) {
    if (line.isEmpty() && word.isEmpty() && !out.isEmpty()) continue;  // no blanks at a line's start
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && !word.isEmpty() && fm.horizontalAdvance(longer) > target) {
      out << line;
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) out << line;
  return out.join(QLatin1Char('\n'));
}

}  // namespace vm::ui
