// velmorante-gallery: renders every window of the system offscreen to PNG
// files, at load time and after a typical computation, and reports every
// text that does not fit its widget.
//   velmorante-gallery FOLDER            every scale (1, 1.5 and 2)
//   velmorante-gallery FOLDER --scale S  one scale
// Exit status: 0 when every text fits, 1 when some text is clipped, 2 on a usage error.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "framework/registry.h"
#include "ui/form_window.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

namespace {

using vm::ui::FormWindow;

// The typical computation of a window, as the steps a user takes:
// NAME=TEXT types, click:NAME[:I] clicks, pick:NAME:I chooses a list entry.
// A window whose steps name a control it lacks keeps its load-time picture only.
const std::map<std::string, std::vector<std::string>> kTypical = {
    {"frmbobine", {"txtinput=10", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"}},
    {"frmdB", {"txtinput1=6", "click:cmdcalcola"}},
    {"frmdBW", {"txtinput=10", "click:cmdcalcola"}},
    {"frmdBmicrovolt", {"txtin=40", "click:cmdcalcola"}},
    {"frmvoltwatt", {"txtinput=100", "click:cmdcalcola"}},
};

std::pair<std::string, int> split(const std::string& s) {
  auto colon = s.rfind(':');
  if (colon != std::string::npos && colon + 1 < s.size() &&
      s.find_first_not_of("0123456789", colon + 1) == std::string::npos)
    return {s.substr(0, colon), std::stoi(s.substr(colon + 1))};
  return {s, -1};
}

// Runs one step; false when the window has no such control.
bool step(vm::Form& f, const std::string& s) {
  if (s.rfind("click:", 0) == 0) {
    auto [name, i] = split(s.substr(6));
    int id = f.find(name, i);
    if (id < 0) id = f.find(name);
    if (id < 0) return false;
    f.click(id, f.def(id).kind == vm::Kind::Options ? i : -1);
    return true;
  }
  if (s.rfind("pick:", 0) == 0) {
    auto [name, i] = split(s.substr(5));
    int id = f.find(name);
    if (id < 0) return false;
    f.choose(id, i);
    return true;
  }
  auto eq = s.find('=');
  if (eq == std::string::npos) return false;
  int id = f.find(s.substr(0, eq));
  if (id < 0) return false;
  f.type(id, s.substr(eq + 1));
  return true;
}

QString shown(QString t) { return t.replace("&&", "\x01").remove('&').replace('\x01', '&'); }

// Every visible text of `root` that is wider (or taller) than its widget.
std::vector<std::string> clipped(QWidget* root) {
  std::vector<std::string> out;
  auto name = [](QWidget* w) {
    QString n = w->objectName();
    if (n.isEmpty() && w->parentWidget()) n = w->parentWidget()->objectName();
    return n.toStdString();
  };
  for (QLabel* l : root->findChildren<QLabel*>()) {
    if (!l->isVisibleTo(root) || l->text().isEmpty() || !l->pixmap().isNull()) continue;
    const QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const QString t = l->buddy() ? shown(l->text()) : l->text();
    if (l->wordWrap()) {
      if (l->heightForWidth(l->width()) > l->height())
        out.push_back(name(l) + ": \"" + t.toStdString() + "\" needs more height");
    } else {
      const QFontMetrics fm = l->fontMetrics();
      const QRect need = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, t);
      if (need.width() > r.width() || fm.height() > r.height() + 1)
        out.push_back(name(l) + ": \"" + t.toStdString() + "\" needs " + std::to_string(need.width()) + " of " +
                      std::to_string(r.width()));
    }
  }
  for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
    if (!b->isVisibleTo(root) || b->text().isEmpty()) continue;
    if (b->sizeHint().width() > b->width())
      out.push_back(name(b) + ": \"" + shown(b->text()).toStdString() + "\" needs " +
                    std::to_string(b->sizeHint().width()) + " of " + std::to_string(b->width()));
  }
  for (QGroupBox* g : root->findChildren<QGroupBox*>()) {
    if (!g->isVisibleTo(root) || g->title().isEmpty()) continue;
    if (g->fontMetrics().horizontalAdvance(shown(g->title())) + 16 > g->width())
      out.push_back(name(g) + ": frame caption \"" + shown(g->title()).toStdString() + "\" does not fit");
  }
  for (QComboBox* c : root->findChildren<QComboBox*>()) {
    if (!c->isVisibleTo(root) || c->currentText().isEmpty()) continue;
    if (c->sizeHint().width() > c->width())
      out.push_back(name(c) + ": list entry \"" + c->currentText().toStdString() + "\" does not fit");
  }
  if (root->isWindow()) {
    QFont bold = root->font();
    bold.setBold(true);
    if (QFontMetrics(bold).horizontalAdvance(root->windowTitle()) > root->width())
      out.push_back("window caption \"" + root->windowTitle().toStdString() + "\" is wider than the window");
  }
  return out;
}

// The window as a reviewer sees it: its caption above its client area.
QImage picture(QWidget* w) {
  QPixmap body = w->grab();
  const qreal dpr = body.devicePixelRatio();
  const int bar = int(26 * dpr);
  QImage img(body.width(), body.height() + bar, QImage::Format_ARGB32);
  img.fill(QColor(60, 90, 140));
  QPainter p(&img);
  QFont f = w->font();
  f.setBold(true);
  f.setPixelSize(int(13 * dpr));
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(int(8 * dpr), 0, img.width(), bar), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
  body.setDevicePixelRatio(1);
  p.drawPixmap(0, bar, body);
  return img;
}

// The offscreen platform cannot raise windows or pass size hints on; it says so each time.
void quietPlatform(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
  if (msg.startsWith(QStringLiteral("This plugin does not support")) || msg.startsWith(QStringLiteral("QStandardPaths")))
    return;
  static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
  if (standard) standard(type, ctx, msg);
}

int renderAll(const QString& folder, const QString& scale) {
  QDir().mkpath(folder);
  vm::ui::QtHost host;
  host.setPresenter([](QWidget*, const vm::ui::MessageRequest&) {});
  host.askPdfPath = [](QWidget*) { return QString(); };
  host.lastWindowClosed = [] {};
  int faults = 0;
  auto save = [&](QWidget* w, const std::string& name, const char* state) {
    QApplication::processEvents();
    const QString file = QStringLiteral("%1/%2@%3x-%4.png").arg(folder, QString::fromStdString(name), scale, state);
    picture(w).save(file);
    for (const auto& c : clipped(w)) {
      std::cerr << name << " (" << state << ", " << scale.toStdString() << "x): " << c << '\n';
      ++faults;
    }
  };
  {
    vm::ui::MainWindow main(host);
    main.show();
    save(&main, "FRMVELMORANTE", "load");
    main.close();
  }
  for (const auto& e : vm::calculators()) {
    const std::string name(e.form);
    FormWindow* w = host.openWindow(name, vm::OpenHow::Modeless);
    if (!w) continue;
    save(w, name, "load");
    auto typical = kTypical.find(name);
    if (typical != kTypical.end()) {
      bool ok = true;
      for (const auto& s : typical->second) ok = ok && step(w->form(), s);
      if (ok && host.windowOf(w->form())) save(w, name, "calc");
    }
    // every window this one opened goes too
    for (FormWindow* open : host.windows()) open->form().close();
    QApplication::processEvents();
  }
  return faults == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: velmorante-gallery FOLDER [--scale S]\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (argc >= 4 && std::string(argv[2]) == "--scale") {
    qputenv("QT_SCALE_FACTOR", argv[3]);
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return renderAll(folder, QString::fromLocal8Bit(argv[3]));
  }
  // both scales, each in a process of its own (the scale is fixed at start)
  QCoreApplication core(argc, argv);
  int worst = 0;
  for (const char* s : {"1", "1.5", "2"}) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QCoreApplication::applicationFilePath(), {folder, "--scale", s});
    p.waitForFinished(-1);
    const int rc = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 3;
    worst = std::max(worst, rc);
  }
  return worst;
}
