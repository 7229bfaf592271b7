#include "window_fit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "qt_util.h"

namespace vm::ui {
namespace {

// Forgets what the layouts of the tree measured: a nested layout keeps what
// it measured until it is told, whichever of its widgets changed.
void forget(QLayout* l) {
  l->invalidate();
  for (int i = 0; QLayoutItem* item = l->itemAt(i); ++i) {
    if (QLayout* inner = item->layout()) forget(inner);
    else if (QWidget* w = item->widget(); w && w->layout()) forget(w->layout());
  }
}

}  // namespace

WindowFit::WindowFit(QDialog& window, QWidget* body, QVBoxLayout* outer, std::optional<QFont> desktopTitle,
                     std::shared_ptr<TextMeasures> measures)
    : window_(window), body_(body), outer_(outer), measures_(std::move(measures)), desktopTitle_(std::move(desktopTitle)) {}

QRect WindowFit::screenArea() const {
  const QScreen* s = home_ ? home_.data() : (window_.screen() ? window_.screen() : QGuiApplication::primaryScreen());
  return s ? s->availableGeometry() : QRect(0, 0, 1280, 1024);
}

QSize WindowFit::frameExtra() const {
  const QSize frame = window_.frameGeometry().size() - window_.size();
  if (window_.isVisible() && !frame.isEmpty()) return frame;
  // not shown yet (or a platform without frames): a usual title bar
  return QSize(0, titleBarHeight());
}

QFont WindowFit::barFont() const {
  if (!desktopTitle_) desktopTitle_ = desktopTitleFont();
  return titleBarFont(window_.font(), *desktopTitle_);
}

int WindowFit::titleBarHeight() const {
  if (titleBar_ < 0) titleBar_ = titleBarHeightIn(barFont());
  return titleBar_;
}

int WindowFit::captionWidth() const {
  if (caption_ < 0)
    caption_ = measures_ ? measures_->captionWidth(window_.windowTitle(), barFont())
                         : captionWidthIn(window_.windowTitle(), barFont());
  return caption_;
}

int WindowFit::contentsWidth() const {
  // the width the contents ask for, without laying out their wrapped lines
  // at that width (as the whole size hint does): they are laid out once, at
  // the width the window takes
  QLayout* l = body_->layout();
  return l ? l->sizeHint().width() : body_->sizeHint().width();
}

int WindowFit::contentsHeight(int width) const {
  QLayout* l = body_->layout();
  if (!l) return body_->sizeHint().height();
  const int h = l->hasHeightForWidth() ? l->totalHeightForWidth(width) : -1;
  return h >= 0 ? h : l->totalSizeHint().height();
}

bool WindowFit::scrolls() const {
  return scroll_ && (scroll_->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
                     scroll_->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
}

void WindowFit::scroll(bool across, bool down, QSize size) {
  const bool on = across || down;
  if (!on && !scroll_) return;
  if (!scroll_) {
    // the body moves into a scroll area the first time it is larger than the screen
    scroll_ = new QScrollArea(&window_);
    scroll_->setObjectName(QStringLiteral("scorrimento"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    outer_->removeWidget(body_);
    scroll_->setWidget(body_);
    outer_->addWidget(scroll_);
    body_->show();
  }
  scroll_->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  scroll_->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  body_->resize(size);
}

void WindowFit::reveal(QWidget* w) {
  if (scrolls()) scroll_->ensureWidgetVisible(w);
}

void WindowFit::fit() {
  if (QLayout* l = body_->layout()) forget(l);
  const QRect area = screenArea();
  const QSize extra = frameExtra();
  // (at least thin borders beside it, whatever the frame is thought to be,
  // so that a window as wide as the screen keeps its frame on it)
  constexpr int kBorders = 8;
  const int maxW = std::max(1, area.width() - std::max(extra.width(), kBorders));
  const int maxH = std::max(1, area.height() - extra.height());
  const QSize designed = designed_ ? QSize(pixelsOf(designed_->width(), window_.screen()),
                                           pixelsOf(designed_->height(), window_.screen()))
                                   : QSize(0, 0);
  // the width is the one the window opened with; results wrap inside it and
  // the window grows downward. A text that cannot wrap widens it while it shows.
  if (width_ <= 0 || !opened_) width_ = std::max({contentsWidth(), designed.width(), captionWidth()});
  // (the least width is asked every time: the window shrinks back as well)
  const int least = body_->minimumSizeHint().width();
  const int wanted = std::max(width_, least);
  const int bar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window_);
  // wider than the screen: the contents keep their width and scroll sideways
  const bool wide = wanted > maxW;
  int w = std::min(wanted, maxW);
  int bodyW = wide ? wanted : w;
  int bodyH = std::max(contentsHeight(bodyW), designed.height());
  int h = bodyH + (wide ? bar : 0);
  // taller than the screen: the contents keep their height and scroll, the bar beside them
  const bool tall = h > maxH;
  if (tall) {
    if (!wide) {
      w = std::min(w + bar, maxW);
      bodyW = std::max(w - bar, least);
      bodyH = std::max(contentsHeight(bodyW), designed.height());
    }
    h = maxH;
  }
  scroll(wide, tall, QSize(bodyW, bodyH));
  const QSize size(w, h);
  if (window_.size() != size || window_.minimumSize() != size || window_.maximumSize() != size) {
    window_.setFixedSize(size);
    if (placed_ || window_.isVisible()) keepOnScreen(window_.pos());
  }
}

void WindowFit::refit() {
  forgetTitleBar();
  width_ = 0;
  fit();
}

void WindowFit::placeAt(QPoint pos) {
  placed_ = true;
  keepOnScreen(pos);
}

void WindowFit::keepOnScreen(QPoint pos) {
  // a window stays whole on its screen
  const QRect a = screenArea();
  const QSize full = window_.size() + frameExtra();
  const int x = std::clamp(pos.x(), a.left(), std::max(a.left(), a.left() + a.width() - full.width()));
  const int y = std::clamp(pos.y(), a.top(), std::max(a.top(), a.top() + a.height() - full.height()));
  window_.move(x, y);
}

void WindowFit::centreOnScreen() {
  const QRect a = screenArea();
  const QSize full = window_.size() + frameExtra();
  keepOnScreen(a.topLeft() + QPoint((a.width() - full.width()) / 2, (a.height() - full.height()) / 2));
}

}  // namespace vm::ui
