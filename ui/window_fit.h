#pragma once
// Sizing and placing a window: as wide as it opened (or as its widest text
// that cannot wrap, while that text shows), as tall as its contents at that
// width, never smaller than its designed size, and whole on its screen. A
// window taller than the screen's free area keeps its contents at their own
// height and scrolls them.
#include <QFont>
#include <QPointer>
#include <QScreen>
#include <QSize>
#include <memory>
#include <optional>

#include "text_measures.h"

class QDialog;
class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace vm::ui {

class WindowFit {
 public:
  // `window` holds `body` in `outer`; desktopTitle: the desktop's title font when known.
  WindowFit(QDialog& window, QWidget* body, QVBoxLayout* outer, std::optional<QFont> desktopTitle,
            std::shared_ptr<TextMeasures> measures);

  // The designed size in twips (none: the contents' own).
  void setDesigned(std::optional<QSize> twips) { designed_ = twips; }
  // Fits the window to its contents.
  void fit();
  // Measures everything anew, as at opening (the font, the style or the screen changed).
  void refit();
  // Called once the window is shown: its width is settled from then on.
  void opened() { opened_ = true; }
  bool scrolls() const;
  QScrollArea* scrollArea() const { return scroll_; }
  // Scrolls `w` into view when the window scrolls.
  void reveal(QWidget* w);

  void placeAt(QPoint pos);
  void keepOnScreen(QPoint pos);
  void centreOnScreen();
  bool placed() const { return placed_; }
  void centreLater() { centred_ = true; }
  bool centred() const { return centred_; }
  void setHomeScreen(QScreen* s) { home_ = s; }
  QRect screenArea() const;
  // The title bar's measures change with the window's font and title.
  void forgetTitleBar() { titleBar_ = caption_ = -1; }

 private:
  QSize frameExtra() const;
  QFont barFont() const;
  int titleBarHeight() const;
  int captionWidth() const;
  int contentsWidth() const;
  int contentsHeight(int width) const;
  void scroll(bool across, bool down, QSize size);

  QDialog& window_;
  QWidget* body_;
  QVBoxLayout* outer_;
  std::shared_ptr<TextMeasures> measures_;
  QScrollArea* scroll_ = nullptr;  // made when first needed
  std::optional<QSize> designed_;
  int width_ = 0;  // the width the window opened with
  bool opened_ = false;
  bool placed_ = false;
  bool centred_ = false;
  QPointer<QScreen> home_;
  mutable std::optional<QFont> desktopTitle_;
  mutable int titleBar_ = -1;
  mutable int caption_ = -1;
};

}  // namespace vm::ui
