#pragma once
// Small helpers shared by the windows: texts, colours, twips, and the room a
// caption needs in a usual title bar.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string_view>

#include "framework/drawing.h"

class QFontMetrics;
class QScreen;
class QWidget;

namespace vm::ui {

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Captions of buttons and of labels with a buddy read '&' as a mnemonic:
// the texts of the system are shown exactly as written.
inline QString literal(std::string_view s) { return qs(s).replace('&', QStringLiteral("&&")); }
// The style sheet of a list that opens as a scrolling list of its most
// entries, whatever the style would open it as.
inline QString scrollingList() { return QStringLiteral("QComboBox { combobox-popup: 0; }"); }

inline QColor colourOf(Color c) { return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)); }
// The colour of a drawing's shape: its own, or the ink of the window.
inline QColor colourOf(Color c, const QColor& ink) { return c == kDefaultColor ? ink : colourOf(c); }

// A button's text broken between words into a few lines when it would not
// fit half the screen on one line; otherwise the text as it stands.
QString buttonLines(const QString& t, const QFontMetrics& fm);

// Gives a widget colour `c` in palette role `role`; the default colour puts
// back the style's.
void setColour(QWidget* w, QPalette::ColorRole role, Color c);

// Twips (1/1440 inch) and logical pixels of a screen (the primary one when null).
int pixelsOf(int twips, const QScreen* screen = nullptr);
int twipsOf(int pixels, const QScreen* screen = nullptr);

// The font of a usual title bar: bold, a little larger than the text of the windows.
QFont titleBarFont(const QFont& windowFont);
// The same with the desktop's title font already known (asking the desktop
// for it is slow: a window takes it once from its host).
QFont titleBarFont(const QFont& windowFont, const QFont& desktopTitle);
QFont desktopTitleFont();
// The width a window or a message box needs so that a title bar shows `title`
// whole, beside its icon and its buttons.
int captionWidth(const QString& title, const QFont& windowFont);
// The same in a title bar's font (see titleBarFont).
int captionWidthIn(const QString& title, const QFont& barFont);
// The height of a usual title bar, for windows whose frame is not known yet.
int titleBarHeight(const QFont& windowFont);
int titleBarHeightIn(const QFont& barFont);

}  // namespace vm::ui
