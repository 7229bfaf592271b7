#include "form_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "framework/layout.h"
#include "framework/summary.h"
#include "qt_host.h"
#include "qt_util.h"
#include "sweep_dialog.h"

namespace vm::ui {
namespace {

// The dialog's own layout: the body of the window, edge to edge.
QVBoxLayout* edgeToEdge(QDialog* window, QWidget* body) {
  auto* outer = new QVBoxLayout(window);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  outer->setSizeConstraint(QLayout::SetNoConstraint);  // the window's size is the one fitted
  outer->addWidget(body);
  return outer;
}

}  // namespace

FormWindow::FormWindow(std::unique_ptr<Form> form, std::optional<QFont> desktopTitle,
                       std::shared_ptr<TextMeasures> measures)
    : QDialog(nullptr),
      form_(std::move(form)),
      body_(new QWidget(this)),
      routing_(*this, *form_, parts_),
      projection_(*form_, parts_),
      fit_(*this, body_, edgeToEdge(this, body_), std::move(desktopTitle), measures) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(qs(form_->caption()));
  setObjectName(qs(form_->name()));
  setSizeGripEnabled(false);
  body_->setObjectName(QStringLiteral("corpo"));
  parts_ = buildWindow(*this, body_, layout::arrange(*form_), measures, &routing_);
  const auto& g = form_->geometry();
  if (g.width && g.height) fit_.setDesigned(QSize(*g.width, *g.height));
  // a form not open yet is projected once it has loaded: measuring its
  // declared state first would lay out texts that loading hides at once
  if (form_->isOpen()) project();
}

FormWindow::~FormWindow() {
  if (form_) form_->changed = nullptr;
}

int FormWindow::px(int twips) const { return pixelsOf(twips, screen()); }

void FormWindow::contextMenuEvent(QContextMenuEvent* e) {
  // what a user may do with any window; made when asked for, not at opening
  QMenu menu(this);
  QAction* copy = menu.addAction(QStringLiteral("Copia risultati"));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  QAction* plot = menu.addAction(QStringLiteral("Grafico al variare di un dato..."));
  QAction* chosen = menu.exec(e->globalPos());
  if (chosen == copy) copyResults();
  else if (chosen == plot) guarded("grafico", [this] {
      if (auto* host = dynamic_cast<QtHost*>(form_->hostIf())) showSweepDialog(*form_, this, *host);
    });
}

bool FormWindow::guarded(const std::string& event, const std::function<void()>& fn) {
  if (auto* host = dynamic_cast<QtHost*>(form_->hostIf()))
    return host->guard(QtHost::windowName(form_->caption(), form_->name()), event, fn);
  fn();
  return true;
}

void FormWindow::copyResults() {
  guarded("copia dei risultati", [this] { QGuiApplication::clipboard()->setText(qs(resultsText(*form_))); });
}

QWidget* FormWindow::widgetOf(int id, int option) const {
  if (id < 0 || id >= static_cast<int>(parts_.controls.size())) return nullptr;
  const auto& c = parts_.at(id);
  if (!c.radios.empty()) {
    const auto& d = form_->def(id);
    int i = (option < 0 ? d.firstIndex : option) - d.firstIndex;
    if (i < 0 || i >= static_cast<int>(c.radios.size())) return nullptr;
    return c.radios[static_cast<std::size_t>(i)];
  }
  return c.widget;
}

QWidget* FormWindow::widgetOf(std::string_view name, int option) const {
  return widgetOf(form_->find(name), option);
}

void FormWindow::project() {
  if (projecting_) return;
  projecting_ = true;
  const Projection::Changes changed = projection_.project();
  // a widget whose size may have changed tells the layouts around it, up to
  // the body (a frame measures its contents anew only when told)
  // (an option group itself too: its buttons tell only the group's own layout)
  for (QWidget* w : changed.resized)
    for (QWidget* p = w; p && p != body_; p = p->parentWidget()) p->updateGeometry();
  if (changed.relayout || !measured_) {
    measured_ = true;
    fit_.fit();
    // a shown window is laid out at once, down to the frames whose contents
    // changed, so that what it shows and what it measures agree before the
    // next paint; one not shown yet is laid out once, when it is shown
    if (isVisible()) {
      if (QLayout* l = layout()) l->activate();
      if (QLayout* l = body_->layout()) l->activate();
      std::vector<QWidget*> frames;
      for (QWidget* w : changed.resized)
        for (QWidget* p = w->parentWidget(); p && p != body_; p = p->parentWidget()) frames.push_back(p);
      for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        if (QLayout* l = (*it)->layout()) l->activate();
    }
  }
  projectFocus();
  projecting_ = false;
}

void FormWindow::setDesignedSize(int widthTwips, int heightTwips) {
  fit_.setDesigned(QSize(widthTwips, heightTwips));
  fit_.refit();
  // what lies below the fold comes and goes with the height
  if (!projecting_) project();
}

void FormWindow::projectFocus() {
  const Focus f = form_->focus();
  if (f == shownFocus_) return;
  shownFocus_ = f;
  if (f.id < 0) return;
  if (QWidget* w = widgetOf(f.id, f.option)) {
    if (w->isEnabled() && !w->isHidden()) w->setFocus(Qt::OtherFocusReason);
  }
}

bool FormWindow::pressDefault() {
  if (!form_->isOpen()) return false;
  int target = -1;
  // a focused button takes Enter itself, as on every desktop
  if (QWidget* fw = focusWidget()) {
    const int id = parts_.of(fw).first;
    if (id >= 0 && id < form_->count() && form_->def(id).kind == Kind::Button) target = id;
  }
  for (int id = 0; target < 0 && id < form_->count(); ++id)
    if (form_->def(id).computes && form_->takesFocus(id)) target = id;
  if (target < 0 || !form_->takesFocus(target)) return false;
  const Focus before = form_->focus();
  // one projection for the whole key: the focus stays where it was unless
  // the reaction moves it
  auto notify = std::move(form_->changed);
  form_->changed = nullptr;
  form_->click(target);
  const bool open = form_->isOpen();
  if (open && before.id != target && form_->focus().id == target && form_->takesFocus(before.id))
    form_->focusByMouse(before.id, before.option);
  if (open) {
    form_->changed = std::move(notify);
    project();
  }
  return true;
}

bool FormWindow::pressClose() {
  for (int id = 0; id < form_->count(); ++id)
    if (form_->def(id).closes && form_->takesFocus(id)) return form_->click(id);
  return false;
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
  const auto mods = e->modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::NoModifier && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
    pressDefault();
    e->accept();
    return;
  }
  if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && e->key() == Qt::Key_C) {
    copyResults();
    e->accept();
    return;
  }
  if (mods == Qt::NoModifier && e->key() == Qt::Key_Escape) {
    pressClose();
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void FormWindow::showEvent(QShowEvent* e) {
  fit_.opened();
  QDialog::showEvent(e);
  watchScreen();
}

void FormWindow::watchScreen() {
  // a window moved to another screen, or whose screen changes its size or
  // its dots per inch, measures itself anew
  QWindow* handle = windowHandle();
  if (!handle || handle == watched_) return;
  watched_ = handle;
  follow(handle->screen());
  connect(handle, &QWindow::screenChanged, this, [this](QScreen* s) {
    follow(s);
    refitLater();
  });
}

void FormWindow::follow(QScreen* s) {
  for (const auto& c : screenWatch_) disconnect(c);
  screenWatch_.clear();
  if (!s) return;
  screenWatch_.push_back(connect(s, &QScreen::availableGeometryChanged, this, [this] { refitLater(); }));
  screenWatch_.push_back(connect(s, &QScreen::logicalDotsPerInchChanged, this, [this] { refitLater(); }));
}

void FormWindow::refitLater() {
  // a font or a style reaches every widget of the window one by one: it is
  // measured once, when they all have it
  if (refitAsked_) return;
  refitAsked_ = true;
  QTimer::singleShot(0, this, [this] {
    refitAsked_ = false;
    if (!form_->isOpen()) return;
    for (QWidget* w : findChildren<QWidget*>()) w->updateGeometry();
    fit_.refit();
  });
}

bool FormWindow::event(QEvent* e) {
  if (e->type() == QEvent::ApplicationFontChange || e->type() == QEvent::StyleChange) refitLater();
  return QDialog::event(e);
}

void FormWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange || e->type() == QEvent::WindowTitleChange) fit_.forgetTitleBar();
  if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) refitLater();
  QDialog::changeEvent(e);
}

void FormWindow::closeEvent(QCloseEvent* e) {
  e->accept();
  if (form_->isOpen()) {
    form_->close();
    if (closedByUser) closedByUser();
  }
}

void FormWindow::reject() {
  // Escape is handled as a press of the close button; nothing else closes here.
}

bool FormWindow::focusNextPrevChild(bool next) {
  form_->tab(!next);
  projectFocus();
  return true;
}

}  // namespace vm::ui
