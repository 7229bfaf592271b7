#pragma once
// Small pictures drawn by the program itself: the exit door, the printer and
// a neutral picture for any other picture a window names.
#include <QIcon>
#include <QPixmap>
#include <string>

namespace vm::ui {

// A picture named by a window ("exit", "esci", "door", "stampa", ...), sharp at every size.
QIcon pictureIcon(const std::string& name);
QPixmap picturePixmap(const std::string& name, QSize logical, qreal dpr);

}  // namespace vm::ui
