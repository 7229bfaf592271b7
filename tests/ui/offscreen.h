#pragma once
// Offscreen sessions run on a screen of the size the program is designed for
// (1280 x 1024 logical pixels at 96 dpi, whatever the scale), not on the
// platform's default 800 x 600; the gallery also runs them on other screens.
#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QSize>
#include <QString>
#include <cmath>

namespace vm::ui::testing {

// Call before the application object is made. `scale` is the QT_SCALE_FACTOR
// the session runs at (the screen has that many times the pixels), `logical`
// the screen's size in logical pixels.
inline void useDesignScreen(double scale = 1.0, QSize logical = QSize(1280, 1024)) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "offscreen") return;
  const int w = int(std::lround(logical.width() * scale)), h = int(std::lround(logical.height() * scale));
  const QString path = QDir::temp().filePath(QStringLiteral("velmorante-screen-%1x%2.json").arg(w).arg(h));
  // written whole or not at all: tests in parallel read it
  QSaveFile f(path);
  if (f.open(QIODevice::WriteOnly)) {
    f.write(QStringLiteral("{\"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": false, "
                           "\"screens\": [{\"name\": \"design\", \"x\": 0, \"y\": 0, \"width\": %1, "
                           "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96}]}")
                .arg(w)
                .arg(h)
                .toUtf8());
    if (f.commit()) {
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit());
      return;
    }
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace vm::ui::testing
