#include "main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <QSvgRenderer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "pictures.h"
#include "shell/search.h"
#include "qt_host.h"
#include "qt_util.h"

// The pictures of the main window live in the library's resources.
static void initPictures() { Q_INIT_RESOURCE(velmorante_ui); }

namespace vm::ui {

namespace {


// The white client area with the picture of the old receiver, drawn once
// into a pixmap (again only when the size or the scale changes): the title's
// blink repaints the area under it many times a minute. The picture is read
// and drawn right after the window's first paint, which needs only the white
// area, the texts and the menus; the window's icon is made from it then.
class Backdrop : public QWidget {
 public:
  explicit Backdrop(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
  }

  // Called once the picture is read, with the window's icon made from it.
  std::function<void(const QIcon&)> iconReady;

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (!picture_) {
      if (!asked_) {
        // the first paint: the picture follows at once
        asked_ = true;
        QTimer::singleShot(0, this, [this] {
          load();
          update();
        });
        return;
      }
      load();  // painted again before the picture came (a grab, a print)
    }
    const qreal dpr = devicePixelRatioF();
    const QRectF at = place();
    const QSize pixels = (at.size() * dpr).toSize();
    if (cache_.size() != pixels || cacheDpr_ != dpr) render(pixels, dpr);
    if (cache_.isNull() || !e->rect().intersects(at.toAlignedRect())) return;
    QPainter p(this);
    p.drawPixmap(at.topLeft(), cache_);
  }

 private:
  void load() {
    if (picture_) return;
    picture_ = std::make_unique<QSvgRenderer>(QStringLiteral(":/velmorante/radio.svg"));
    if (iconReady) iconReady(icon());
  }

  // The picture as the window's icon, made from the same drawing.
  QIcon icon() {
    QIcon icon;
    if (!picture_->isValid()) return icon;
    for (int side : {32, 64}) {
      QPixmap pm(side, side);
      pm.fill(Qt::transparent);
      QPainter p(&pm);
      picture_->render(&p, QRectF(0, 0, side, side));
      p.end();
      icon.addPixmap(pm);
    }
    return icon;
  }

  // Where the picture sits: in the right part of the area, its shape kept.
  QRectF place() const {
    const QSizeF natural = picture_->isValid() ? QSizeF(picture_->defaultSize()) : QSizeF(1, 1);
    const QRectF area = QRectF(rect()).adjusted(width() * 0.22, height() * 0.12, -width() * 0.04, -height() * 0.14);
    const double k = std::min(area.width() / natural.width(), area.height() / natural.height());
    const QSizeF s = natural * k;
    return QRectF(area.center() - QPointF(s.width() / 2, s.height() / 2), s);
  }

  void render(QSize pixels, qreal dpr) {
    cacheDpr_ = dpr;
    cache_ = QPixmap();
    if (!picture_->isValid() || pixels.isEmpty()) return;
    cache_ = QPixmap(pixels);
    cache_.fill(Qt::transparent);
    QPainter p(&cache_);
    picture_->render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    p.end();
    cache_.setDevicePixelRatio(dpr);
  }

  std::unique_ptr<QSvgRenderer> picture_;
  bool asked_ = false;
  QPixmap cache_;
  qreal cacheDpr_ = 0;
};

}  // namespace

MainWindow::MainWindow(QtHost& host) : QMainWindow(nullptr), host_(host) {
  initPictures();
  setObjectName(qs(MainWindowModel::kName));
  setWindowTitle(qs(MainWindowModel::kCaption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  auto* back = new Backdrop(this);
  back->iconReady = [this](const QIcon& icon) { setWindowIcon(icon); };
  auto* grid = new QGridLayout(back);
  grid->setContentsMargins(QtHost::px(MainWindowModel::kTitleLeft), QtHost::px(MainWindowModel::kTitleTop), 12, 10);

  title_ = new QLabel(qs(MainWindowModel::kTitle), back);
  title_->setObjectName("lbltitolo");
  title_->setToolTip(qs(MainWindowModel::kTitleTooltip));
  QFont big = title_->font();
  big.setPointSizeF(big.pointSizeF() * 2.6);
  big.setBold(true);
  title_->setFont(big);
  title_->setCursor(Qt::PointingHandCursor);
  title_->installEventFilter(this);

  auto* version = new QLabel(qs(MainWindowModel::kVersion), back);
  version->setObjectName("LBLVERSIONE");
  version->setToolTip(qs(MainWindowModel::kVersionTooltip));
  QPalette vp = version->palette();
  vp.setColor(QPalette::WindowText, colourOf(MainWindowModel::kVersionColor));
  version->setPalette(vp);
  QFont bold = version->font();
  bold.setBold(true);
  version->setFont(bold);

  auto* resolution = new QLabel(qs(MainWindowModel::kResolution), back);
  resolution->setObjectName("lblrisoluzione");

  exit_ = new QToolButton(back);
  exit_->setObjectName("cdmexit");
  exit_->setToolTip(qs(MainWindowModel::kExitTooltip));
  exit_->setIcon(pictureIcon("exit"));
  exit_->setIconSize(QSize(40, 40));
  exit_->setAutoRaise(false);
  connect(exit_, &QToolButton::clicked, this, [this] { close(); });

  grid->addWidget(title_, 0, 0, 1, 3, Qt::AlignLeft | Qt::AlignTop);
  buildSearch(back);
  grid->addWidget(search_, 1, 0, Qt::AlignLeft | Qt::AlignTop);
  grid->setRowStretch(1, 1);
  grid->addWidget(version, 2, 0, Qt::AlignLeft | Qt::AlignBottom);
  grid->addWidget(resolution, 3, 0, Qt::AlignLeft | Qt::AlignBottom);
  grid->setColumnStretch(1, 1);
  grid->addWidget(exit_, 2, 2, 2, 1, Qt::AlignRight | Qt::AlignBottom);
  setCentralWidget(back);

  buildMenus();

  // the client area of the design, wide enough for the whole menu bar on one line
  QSize client(QtHost::px(MainWindowModel::kWidth), QtHost::px(MainWindowModel::kHeight));
  client.setWidth(std::max(client.width(), menuBar()->sizeHint().width()));
  back->setFixedSize(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // Load: the blink starts
  model_.load();
  timer_.setInterval(model_.intervalMs());
  connect(&timer_, &QTimer::timeout, this, [this] {
    model_.tick();
    showTitleColour();
  });
  if (model_.timerRunning()) timer_.start();
  showTitleColour();
  host_.adopt(this);
}

void MainWindow::buildSearch(QWidget* back) {
  search_ = new QLineEdit(back);
  search_->setObjectName("txtcerca");
  search_->setPlaceholderText(QStringLiteral("Cerca un calcolo  (Ctrl+F)"));
  search_->setToolTip(QStringLiteral("parole del menu o della finestra: Invio apre il calcolo scelto"));
  search_->setClearButtonEnabled(true);
  search_->setMinimumWidth(search_->fontMetrics().horizontalAdvance(search_->placeholderText()) + 48);
  search_->installEventFilter(this);
  connect(search_, &QLineEdit::textChanged, this, [this](const QString& t) { searchFor(t); });
  connect(search_, &QLineEdit::returnPressed, this, [this] { openChosenHit(); });
  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, this, [this] {
    search_->setFocus(Qt::ShortcutFocusReason);
    search_->selectAll();
  });
}

void MainWindow::searchFor(const QString& words) {
  if (!hits_) {
    hits_ = new QListWidget(centralWidget());
    hits_->setObjectName("lstcerca");
    hits_->setFocusPolicy(Qt::NoFocus);
    hits_->setFrameShape(QFrame::StyledPanel);
    connect(hits_, &QListWidget::itemActivated, this, [this] { openChosenHit(); });
    connect(hits_, &QListWidget::itemClicked, this, [this] { openChosenHit(); });
  }
  hits_->clear();
  shownHits_.clear();
  if (words.trimmed().isEmpty()) {
    hits_->hide();
    return;
  }
  std::vector<CommandHit> found;
  host_.guard("FRMVELMORANTE", "ricerca di \"" + words.toStdString() + "\"", [&] {
    if (!index_) index_ = std::make_unique<CommandSearch>();
    found = index_->find(words.toStdString(), 12);
  });
  for (const auto& h : found) {
    auto* item = new QListWidgetItem(qs(h.path), hits_);
    item->setToolTip(qs(h.windowCaption));
    shownHits_.push_back(h.entry);
  }
  if (shownHits_.empty()) {
    hits_->hide();
    return;
  }
  hits_->setCurrentRow(0);
  // under the field, as wide as the area left of the picture allows
  const QRect at = search_->geometry();
  const int rows = std::min(static_cast<int>(shownHits_.size()), 12);
  const int height = hits_->sizeHintForRow(0) * rows + 2 * hits_->frameWidth();
  const int width = std::max(at.width() * 2, hits_->sizeHintForColumn(0) + 2 * hits_->frameWidth() + 4);
  hits_->setGeometry(at.left(), at.bottom() + 2, std::min(width, centralWidget()->width() - at.left() - 8),
                     std::min(height, centralWidget()->height() - at.bottom() - 6));
  hits_->show();
  hits_->raise();
}

bool MainWindow::openChosenHit() {
  if (!hits_ || hits_->isHidden()) return false;
  const int row = hits_->currentRow();
  if (row < 0 || row >= static_cast<int>(shownHits_.size())) return false;
  const MenuEntry& e = *shownHits_[static_cast<std::size_t>(row)];
  if (!command(e)) return false;
  search_->clear();
  return true;
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
  // typing while the main window has the focus starts a search
  const QString t = e->text();
  if (search_ && !search_->hasFocus() && (e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 &&
      !t.isEmpty() && t.at(0).isPrint() && !t.at(0).isSpace()) {
    search_->setFocus(Qt::OtherFocusReason);
    search_->setText(search_->text() + t);
    e->accept();
    return;
  }
  QMainWindow::keyPressEvent(e);
}

MainWindow::~MainWindow() {
  if (!released_) host_.release(this);
}

void MainWindow::buildMenus() {
  std::vector<QMenu*> open;  // the submenu at each depth
  for (const auto& e : menuCatalogue()) {
    open.resize(static_cast<std::size_t>(e.depth));
    QWidget* owner = e.depth == 0 ? static_cast<QWidget*>(menuBar()) : open.back();
    const QString caption = qs(e.caption).replace('&', "&&");
    if (e.isCommand()) {
      auto* a = new QAction(caption, owner);
      a->setObjectName(qs(e.name));
      a->setShortcut(QKeySequence());
      const MenuEntry entry = e;
      connect(a, &QAction::triggered, this, [this, entry] { command(entry); });
      if (e.depth == 0) menuBar()->addAction(a);
      else open.back()->addAction(a);
    } else {
      QMenu* m = e.depth == 0 ? menuBar()->addMenu(caption) : open.back()->addMenu(caption);
      m->setObjectName(qs(e.name));
      m->menuAction()->setObjectName(qs(e.name));
      open.push_back(m);
    }
  }
}

QAction* MainWindow::entry(std::string_view name) const {
  const QString n = qs(name);
  for (QAction* a : findChildren<QAction*>())
    if (a->objectName() == n) return a;
  return nullptr;
}

bool MainWindow::command(const MenuEntry& e) {
  // while a modal window is open the main window does not react
  if (host_.modalOpen() || !e.mode) return false;
  return host_.guard(QtHost::windowName(std::string(e.caption), std::string(e.form)), "apertura dal menu",
                     [&] { host_.openWindow(std::string(e.form), *e.mode, std::nullopt, this); });
}

void MainWindow::showTitleColour() {
  QPalette pal = title_->palette();
  pal.setColor(QPalette::WindowText, colourOf(model_.titleColor()));
  title_->setPalette(pal);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == search_ && e->type() == QEvent::KeyPress && hits_ && !hits_->isHidden()) {
    // the arrows choose among the commands found; Escape lets go of the search
    auto* k = static_cast<QKeyEvent*>(e);
    const int n = hits_->count();
    if (k->key() == Qt::Key_Down || k->key() == Qt::Key_Up) {
      const int step = k->key() == Qt::Key_Down ? 1 : -1;
      hits_->setCurrentRow((hits_->currentRow() + step + n) % n);
      return true;
    }
    if (k->key() == Qt::Key_Escape) {
      search_->clear();
      return true;
    }
  }
  if (watched == title_ && e->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    if (host_.modalOpen()) return true;
    model_.clickTitle();
    timer_.stop();
    showTitleColour();
    return true;
  }
  return QMainWindow::eventFilter(watched, e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
  // the main window closes alone: open Calculators stay open and usable
  e->accept();
  timer_.stop();
  hide();
  if (!released_) {
    released_ = true;
    host_.release(this);
  }
}

}  // namespace vm::ui
