#include "qt_host.h"

#include <iostream>

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPointer>
#include <QTimer>
#include <QScreen>
#include <QStandardPaths>
#include <QWindow>
#include <algorithm>

#include <QGridLayout>
#include <QSpacerItem>

#include "calculators/registry.h"
#include "form_window.h"
#include "qt_util.h"

namespace vm::ui {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
  switch (icon) {
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

void showBox(QWidget* parent, const MessageRequest& m) { makeMessageBox(parent, m)->exec(); }

QString askWhereToSave(QWidget* parent) {
  const auto answer = QMessageBox::question(
      parent, QStringLiteral("STAMPA"),
      QStringLiteral("Nessuna stampante installata.\nSalvare la pagina come file PDF?"),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) return {};
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Salva come PDF"), dir + "/stampa.pdf",
                                      QStringLiteral("PDF (*.pdf)"));
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const MessageRequest& m) {
  auto box = std::make_unique<QMessageBox>(boxIcon(m.icon), qs(m.title), qs(m.prompt), QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  // the box sizes itself to its layout: a strut as wide as the title bar
  // needs keeps the whole title readable
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    const int need = captionWidth(box->windowTitle(), box->font());
    grid->addItem(new QSpacerItem(need, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  std::max(1, grid->columnCount()));
  }
  return box;
}

QtHost::QtHost() : presenter_(showBox), regional_(Regional::italian()) {
  lastWindowClosed = [] { QCoreApplication::quit(); };
  forms = [](std::string_view name) { return makeForm(name); };
  askPdfPath = askWhereToSave;
}

QtHost::~QtHost() {
  for (auto& w : windows_)
    if (w) delete w.data();
}

int QtHost::px(int twips) { return pixelsOf(twips); }

int QtHost::twips(int px) { return twipsOf(px); }

QScreen* QtHost::homeScreen() const {
  for (const auto& w : adopted_)
    if (w && w->screen()) return w->screen();
  return QGuiApplication::primaryScreen();
}

void QtHost::message(Form& form, const std::string& prompt, const std::string& title, Icon icon) {
  MessageRequest m{prompt, title, icon, form.name()};
  presenter_(windowOf(form), m);
}

void QtHost::open(Form& caller, const std::string& formName, OpenHow how, std::optional<std::pair<int, int>> at) {
  FormWindow* from = windowOf(caller);
  if (from && !from->isVisible()) {
    // asked while the caller is still loading: it opens once the caller is
    // up, so that the window the user asked for comes first
    QPointer<FormWindow> later(from);
    QTimer::singleShot(0, from, [this, later, formName, how, at] {
      if (!later || !later->form().isOpen()) return;
      openWindow(formName, how, at, later);
      // the caller stays the active window, as the one the user asked for
      if (later && later->isVisible() && how == OpenHow::Modeless) {
        later->raise();
        later->activateWindow();
      }
    });
    return;
  }
  openWindow(formName, how, at, from);
}

FormWindow* QtHost::openWindow(const std::string& formName, OpenHow how, std::optional<std::pair<int, int>> at,
                               QWidget* caller) {
  if (FormWindow* w = window(formName)) {
    // one window per Calculator: the open one comes forward with its contents
    if (at) w->placeAt(QPoint(px(at->first), px(at->second)));
    w->show();
    w->raise();
    w->activateWindow();
    return w;
  }
  if (!desktopTitle_) desktopTitle_ = desktopTitleFont();
  auto* w = new FormWindow(forms(formName), desktopTitle_, measures_);
  w->setHomeScreen(homeScreen());
  windows_.emplace_back(w);
  Form& form = w->form();
  form.changed = [w] { w->project(); };
  w->closedByUser = [] {};
  if (how == OpenHow::Modal) w->setWindowModality(Qt::ApplicationModal);
  // a window opened while its caller is still loading is not held above
  // it: the caller opens over it, as the window the user asked for
  if (caller && caller->window()->isVisible()) {
    w->winId();
    if (QWindow* parent = caller->window()->windowHandle()) w->windowHandle()->setTransientParent(parent);
  }
  const auto& g = form.geometry();
  if (g.left || g.top) w->placeAt(QPoint(px(g.left.value_or(0)), px(g.top.value_or(0))));
  form.open(*this, regional_, how == OpenHow::Modal);
  if (!form.isOpen()) return nullptr;  // it closed itself while loading
  w->project();
  if (at) w->placeAt(QPoint(px(at->first), px(at->second)));
  if (!w->placed() || w->centred()) w->centreOnScreen();
  w->show();
  w->raise();
  w->activateWindow();
  return w;
}

FormWindow* QtHost::window(std::string_view formName) const {
  for (const auto& w : windows_)
    if (w && w->form().isOpen() && w->form().name() == formName) return w;
  return nullptr;
}

FormWindow* QtHost::windowOf(const Form& form) const {
  for (const auto& w : windows_)
    if (w && &w->form() == &form) return w;
  return nullptr;
}

std::vector<FormWindow*> QtHost::windows() const {
  std::vector<FormWindow*> out;
  for (const auto& w : windows_)
    if (w && w->form().isOpen()) out.push_back(w);
  return out;
}

bool QtHost::modalOpen() const {
  for (const auto& w : windows_)
    if (w && w->form().isOpen() && w->isModal()) return true;
  return false;
}

void QtHost::move(Form& form, int left, int top) {
  FormWindow* w = windowOf(form);
  if (!w) return;
  // a window that centres itself does so with its design size: it is
  // centred with the size it really has
  const auto [sw, sh] = screenSize();
  const auto& g = form.geometry();
  if (g.width && g.height && std::abs(left - (sw - *g.width) / 2) <= 1 && std::abs(top - (sh - *g.height) / 2) <= 1) {
    w->centreLater();
    w->centreOnScreen();
    return;
  }
  w->placeAt(QPoint(px(left), px(top)));
}

void QtHost::resize(Form& form, int width, int height) {
  if (FormWindow* w = windowOf(form)) w->setDesignedSize(width, height);
}

void QtHost::close(Form& form) {
  FormWindow* w = windowOf(form);
  if (!w) return;
  form.changed = nullptr;
  w->hide();
  // the reaction that closed it is still running: the window goes later
  forget(w);
  w->deleteLater();
  // asked again once every effect of the reaction is carried out: a window
  // that switches itself for another closes before the other opens
  closed_ = true;
}

void QtHost::settled(Form&) {
  if (!closed_) return;
  closed_ = false;
  checkLast();
}

void QtHost::forget(FormWindow* w) {
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [w](const QPointer<FormWindow>& p) { return !p || p.data() == w; }),
                 windows_.end());
}

void QtHost::adopt(QWidget* w) { adopted_.emplace_back(w); }

void QtHost::release(QWidget* w) {
  adopted_.erase(std::remove_if(adopted_.begin(), adopted_.end(),
                                [w](const QPointer<QWidget>& p) { return !p || p.data() == w; }),
                 adopted_.end());
  checkLast();
}

int QtHost::openCount() const {
  int n = 0;
  for (const auto& w : adopted_)
    if (w) ++n;
  return n + static_cast<int>(windows().size());
}

void QtHost::checkLast() {
  if (openCount() == 0 && lastWindowClosed) lastWindowClosed();
}

Date QtHost::today() const {
  if (today_) return *today_;
  const QDate d = QDate::currentDate();
  return Date{d.year(), d.month(), d.day()};
}

std::pair<int, int> QtHost::screenSize() const {
  const QScreen* s = homeScreen();
  if (!s) return Host::screenSize();
  return {twips(s->geometry().width()), twips(s->geometry().height())};
}

// ------------------------------------------------------------------ printing

bool QtHost::render(FormWindow& w, QPrinter& printer) {
  printer.setFullPage(false);
  printer.setPageOrientation(w.width() > w.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPainter p;
  if (!p.begin(&printer)) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const double dpi = w.logicalDpiX() > 0 ? w.logicalDpiX() : 96;
  // the window's caption heads the page, then the window at its real size
  // (smaller when it does not fit)
  QFont caption = w.font();
  caption.setBold(true);
  p.setFont(caption);
  const QString title = w.windowTitle();
  const QRect titleRect = p.boundingRect(QRect(0, 0, page.width(), page.height()), Qt::AlignLeft | Qt::TextSingleLine, title);
  p.drawText(QRect(0, 0, page.width(), titleRect.height()), Qt::AlignLeft | Qt::TextSingleLine, title);
  const int top = titleRect.height() * 3 / 2;
  double k = printer.resolution() / dpi;
  k = std::min({k, page.width() / double(w.width()), (page.height() - top) / double(w.height())});
  p.translate(0, top);
  p.scale(k, k);
  w.render(&p, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
  p.end();
  return true;
}

bool QtHost::printToPdf(Form& form, const QString& path) {
  FormWindow* w = windowOf(form);
  if (!w) return false;
  w->project();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(w->windowTitle());
  return render(*w, printer);
}

void QtHost::print(Form& form) {
  FormWindow* w = windowOf(form);
  if (!w) return;
  // the window prints as the reaction has made it so far (hidden buttons,
  // dated caption)
  w->project();
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const QString path = askPdfPath ? askPdfPath(w) : QString();
    if (!path.isEmpty()) printToPdf(form, path);
    return;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(w->windowTitle());
  render(*w, printer);
}

bool QtHost::fault(Form& form, const std::string& event, const std::string& what) {
  showFault(windowOf(form), windowName(form.caption(), form.name()), event, what);
  return true;
}

std::string QtHost::windowName(const std::string& caption, const std::string& form) {
  return caption.empty() ? form : caption + " (" + form + ")";
}

void QtHost::showFault(QWidget* parent, const std::string& window, const std::string& event, const std::string& what) {
  std::cerr << "velmorante: " << window << ": " << event << ": " << what << '\n';
  MessageRequest m;
  m.title = "ERRORE INTERNO";
  m.prompt = "Errore interno del programma nella finestra " + window + ",\ndurante: " + event + ".\n\n" + what +
             "\n\nLa finestra è rimasta com'era; il programma continua.";
  m.icon = Icon::Critical;
  m.form = window;
  presenter_(parent, m);
}

bool QtHost::guard(const std::string& window, const std::string& event, const std::function<void()>& fn) {
  try {
    fn();
    return true;
  } catch (const std::exception& e) {
    showFault(QApplication::activeWindow(), window, event, e.what());
  } catch (...) {
    showFault(QApplication::activeWindow(), window, event, "eccezione sconosciuta");
  }
  return false;
}

}  // namespace vm::ui
