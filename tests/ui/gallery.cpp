// velmorante-gallery: renders every window of the system offscreen to PNG
// files, at load time, after the computations of its own steps and with
// every message box they raise, on five screens, and reports what a user
// would see amiss. The screens (logical size @ scale), each run in a process
// of its own: 1280x1024@1, 1280x1024@1.5 and 1280x1024@2 (the designed
// screen), 1024x768@1 (a small one) and 1280x800@2 (2560 x 1600 pixels).
//   velmorante-gallery FOLDER                   every screen
//   velmorante-gallery FOLDER --setting WxH@S   one screen (any size and scale)
//   velmorante-gallery FOLDER --scale S         the same as --setting 1280x1024@S
// Pictures are named FORM@WxH-Sx-STATE.png. VELMORANTE_GALLERY_ONLY=frmA,frmB
// limits the run to those windows.
//
// What is reported, for each window in each state (and each message box):
//   - a clipped text: a label, button, frame caption or list entry wider (or
//     taller) than its widget, a label on a drawing wider than its box, a
//     caption that a usual title bar would cut, a box narrower than its title;
//   - a control smaller than its text: a field whose text or placeholder
//     does not fit where it writes it, a list narrower than its current text
//     or placeholder, a button narrower than its size hint, a result box
//     less than a line high, and any input, list, button or drawing smaller
//     than the least it is drawn in (what a squeezed window shows);
//   - a text cut off by the frame (or the window) holding it, outside a
//     scrolled area;
//   - overlapping texts: two labels, buttons, fields, lists or frame
//     captions whose rectangles on the window intersect (a widget and what it
//     holds do not count, but a frame's caption does; labels on drawings are
//     checked below);
//   - a label on a drawing over a stroke of it, or over another label there;
//   - a window that, with a usual title bar, does not fit the area the
//     screen has for windows, or leaves it;
//   - columns not aligned: widgets in one column of a grid, set at its left
//     or filling it, that do not start at one x (1 px of slack); pieces of
//     labels written as the columns of a table on a drawing, declared at one
//     x, that do not start at one x; and rows of a table still written as one
//     text each (three cells or more, parted by two blanks or more, at the
//     same characters, on one anchor) whose cells do not start at one x;
//   - a focusable control that looks the same with and without the focus.
// Exit status: 0 when all is well, 1 when something is amiss, 2 on a usage
// error, 3 when a screen's run did not end normally.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calculators/registry.h"
#include "offscreen.h"
#include "ui/form_window.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/qt_util.h"
#include "window_checks.h"

namespace {

using vm::ui::FormWindow;
using namespace vm::ui::testing;

// What a radio amateur would do in each window, in the driver's steps
// (NAME=TEXT, click:NAME[:I], pick:NAME:I, pick:NAME=TEXT, focus:NAME); each
// "dump" and the end take a picture. A window missing here gets a value in
// every input and a press of its compute button.
const std::map<std::string, std::vector<std::string>> kSteps = {
    {"frmdB", {"txtinput1=6", "click:cmdcalcola", "txtvoltesempio=2", "dump", "click:Option1:1", "txtinput1=1",
               "txtinput2=2.5", "click:cmdcalcola"}},
    {"frmdBW", {"txtinput=10", "dump", "click:Option1:2", "txtinput=0.5"}},
    {"frmdBmicrovolt", {"txtin=40", "dump", "click:Option1:1", "txtin=1000"}},
    {"frmvoltwatt", {"txtinput=100", "txtohm=50", "click:cmdcalcola"}},
    {"frmbobine", {"txtinput=10", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola", "dump",
                   "click:Option1:1", "txtinput=12", "click:cmdcalcola"}},
    {"frmmicrobobine",
     {"txtinput=0.1", "txtdiametrobobina=8", "txtdiametrofilo=1", "txtspazio=1", "click:cmdcalcola"}},
    {"frmbobineuhf", {"txtdiametro=6", "txtlunghezza=10", "txtdistanza=2", "click:ccmdcalcola"}},
    {"frmbobinepiatte", {"txtlp=20", "txtls=1", "txtn=10", "click:cmdcalcola"}},
    {"frminduttanzafilodiritto", {"txtlunghezza=100", "txtdiametro=1", "click:cmdcalcola"}},
    {"frmLC", {"txtf=7.1", "txtl=2.2", "txtC=220", "click:cmdcalcola"}},
    {"frmLL", {"txtl1=2.2", "txtl2=4.7", "txtf=7.1", "click:cmdcalcola"}},
    {"frmRC", {"txtr=50", "txtC=220", "txtf=7.1", "click:cmdcalcola"}},
    {"frmRL", {"txtr=50", "txtl=2.2", "txtf=7.1", "click:cmdcalcola"}},
    {"frmRLC", {"txtr=50", "txtl=2.2", "txtC=220", "txtf=7.1", "click:cmdcalcola"}},
    {"frmRLCparallelo", {"txtr=50", "txtl=2.2", "txtC=220", "txtf=7.1", "click:cmdcalcola"}},
    {"frmRLCserie", {"txtr=50", "txtl=2.2", "txtC=220", "txtf=7.1", "click:cmdcalcola"}},
    {"frmRLR", {"txtr1=10", "txtl=2.2", "txtr2=50", "txtf=7.1", "click:cmdcalcola"}},
    {"frmCircuitiRLC", {"txtf=7.1", "txtl=2.2", "txtC=220", "txtr=50", "click:cmdcalcola"}},
    {"frmimpcapparallelo", {"txtf=7.1", "txtl=2.2", "txtC=220", "click:cmdcalcola"}},
    {"frmimpcapserie", {"txtf=7.1", "txtl=2.2", "txtC=220", "click:cmdcalcola"}},
    {"frmdipoli", {"txtfrequenza=7.1"}},
    {"frmdipoloripiegato", {"txtd2=10", "txtd1=10", "txts=100", "click:cmdcalcola", "txtfrequenza=14.2"}},
    {"frmantpresacalcolata", {"txtfrequenza=7.1", "dump", "click:Option1:1", "txtfrequenza=3.6"}},
    {"frmantg5rv", {"click:Option1:0", "dump", "click:Option2:0", "dump", "click:Option3:0"}},
    {"frmlungharmonica", {"txtf=14.2", "txtn=4", "click:cmdcalcola"}},
    {"frmgradi", {"txtinput=10", "txtfrequenza=7.1", "click:cmdcalcola", "dump", "click:Option1:1", "txtinput=90",
                  "click:cmdcalcola"}},
    {"frmresradiazione", {"txtlunghezza=10", "txtfrequenza=7.1", "click:cmdcalcola"}},
    {"frmresradiazionestilo", {"txtlunghezza=5", "txtfrequenza=7.1", "click:cmdcalcola"}},
    {"frmridimensiona", {"txtoldf=7", "txtnewf=7.1", "click:cmdcalcola"}},
    // toroids, filters and networks
    {"frmamidon", {"pick:cmbnucleo:5", "dump", "txtinduttanza=10", "click:cmdcalcola"}},
    {"frmsintoniatoro", {"pick:cmbnucleo:5", "click:Option1:0", "txtinput1=10", "txtinput2=100", "click:cmdcalcola",
                         "dump", "click:Option1:2", "txtinput1=7.1", "txtinput2=100", "click:cmdcalcola"}},
    {"frmpassaalto", {"click:Image1", "dump", "txtfrequenza=14.2", "click:cmdcalcola"}},
    {"frmpassabasso", {"click:Image2", "dump", "txtfrequenza=14.2", "click:cmdcalcola"}},
    {"frmadattatoritoroidali",
     {"pick:cmbnucleo:5", "txtfrequenza=7.1", "txtimpantenna=200", "txtimpcavo=50", "click:cmdcalcola"}},
    // antennas: loops, traps, loaded and wire antennas
    {"frmloop", {"click:Option1:1", "txtdiametro=60", "txtsezione=22", "txtmhz=7.05", "txtwatt=100", "click:cmdcalcola",
                 "dump", "txtdiametro=100", "click:cmdcalcola"}},
    {"frmmultigammaott", {"txtF1=14.15", "txtF2=7.05", "click:cmdcalcola"}},
    {"frmantmultigamma", {"click:Option1:0", "txtF1=14.15", "txtF2=7.05", "txtdato=56", "click:cmdcalcola", "dump",
                          "click:Option1:1", "txtdato=4.7", "click:cmdcalcola"}},
    {"frmantcoaxmulti", {"click:Option1:0", "txtf1=14.15", "txtf2=7.05", "txtdiametro=6", "txtn=7", "click:cmdcalcola",
                         "dump", "click:Option1:1", "txtn=9", "click:cmdcalcola"}},
    {"frmlooprettangolare", {"click:Option1:0", "txtfrequenza=14.2", "dump", "click:Option1:1", "txtfrequenza=3.65"}},
    {"frmantenna58", {"click:Option1:0", "dump", "click:Option1:1", "dump", "click:Option1:2"}},
    {"frmquad2elementi", {"txtfrequenza=28.5", "dump", "txtfrequenza=3.7"}},
    {"frmhb9cv", {"txtfrequenza=144.3", "dump", "txtfrequenza=14.2"}},
    {"frmantdiscone", {"txtfrequenza=144", "dump", "txtfrequenza=50.2"}},
    {"frmdeltaloop", {"txtfrequenza=14.2", "dump", "txtfrequenza=3.65"}},
    {"frmloopquadrato", {"txtfrequenza=14.2", "dump", "txtfrequenza=1.85"}},
    {"frmantennaJ", {"txtfrequenza=145", "dump", "txtfrequenza=28.5"}},
    {"frmantJincorto", {"txtfrequenza=145", "dump", "txtfrequenza=28.5"}},
    {"frmantennagap", {"txtfrequenza=145", "dump", "txtfrequenza=28.5"}},
    {"frmfuoco", {"txtdiametro=120", "txtprofondita=18", "click:cmdcalcola"}},
    {"frmantennamoxon", {"txtfrequenza=28.5", "txtdiametro=2", "click:cmdcalcola", "dump", "txtfrequenza=7.05",
                         "click:cmdcalcola"}},
    {"frmreszener", {"txtVcc=13.8", "txtvz=5.1", "txtma=33", "click:cmdcalcola", "dump", "click:Option1:2",
                     "txtVcc=24", "txtvz=12", "txtma=100", "click:cmdcalcola"}},
    {"frmled", {"txttensione=12", "dump", "click:Option1:4", "txttensione=100000"}},
    {"frm78xx", {"txtvu=9", "click:cmdcalcola", "dump", "click:Option1:5", "txtvu=30", "click:cmdcalcola"}},
    {"frm78xxbis", {"click:Option1:5", "txtvu=30", "click:cmdcalcola"}},
    {"frmlm317", {"txtvu=13.8", "click:cmdcalcola"}},
    {"frmlm317variab", {"txtvumax=13.8", "txtvumin=3.3", "click:cmdcalcola"}},
    {"frmlm317correntecost", {"txtcorrente=0.5", "click:cmdcalcola"}},
    {"frmripple", {"txtvolt=12.34", "txtcorrente=10", "click:cmdcalcola"}},
    {"frmduplicatori", {"txtvolt=12", "txtassorbimento=100", "click:cmdcalcola"}},
    {"frmtrasformatori", {"txtlunghezza=30", "txtaltezza=40", "txtvs=12", "click:cmdcalcola"}},
    {"frmpolarizztransistor", {"txtbeta=100", "click:cmdcalcola"}},
    {"frmoscill_preampl", {"txtwatt=1", "txtfrequenza=10", "click:cmdcalcola"}},
    {"frmminifinale_antenna", {"dump", "txtfrequenza=7"}},
    {"frmfinale_antenna", {"txtwatt=10", "txtfrequenza=14", "txtvceo=36", "txtcorrente=4", "click:cmdcalcola"}},
    {"frmtrasm_lineare", {"txtwatt=10", "txtfrequenza=14", "click:cmdcalcola"}},
    {"frmtrasfuscita", {"pick:cmbvalvole:9", "click:cmdcalcola"}},
    {"frmimpanodica", {"txtvolt=250", "txtamp=48", "click:cmdcalcola"}},
    {"frmadattimppassabasso", {"txtinput=3000", "txtfrequenza=7", "click:cmdcalcola"}},
    {"frmimpedenzefiltro", {"txthenry=10", "txtcorrente=100", "click:cmdcalcola"}},
};

// "NAME", "NAME(I)" or "NAME:I" -> the control's id and the option or element.
std::pair<int, int> control(const vm::Form& f, std::string name) {
  int index = -1;
  if (auto colon = name.rfind(':'); colon != std::string::npos) {
    index = std::stoi(name.substr(colon + 1));
    name = name.substr(0, colon);
  } else if (!name.empty() && name.back() == ')') {
    auto open = name.rfind('(');
    index = std::stoi(name.substr(open + 1));
    name = name.substr(0, open);
  }
  int id = f.find(name, index);  // an element of a control array
  if (id >= 0 && f.def(id).index == index) return {id, -1};
  id = f.find(name);              // an option of a group
  return {id, id >= 0 && f.def(id).kind == vm::Kind::Options ? index : -1};
}

// Runs one step of the driver's grammar; false when it cannot run.
bool step(vm::Form& f, const std::string& s) {
  auto starts = [&](const char* p) { return s.rfind(p, 0) == 0; };
  if (starts("click:")) {
    auto [id, i] = control(f, s.substr(6));
    return id >= 0 && f.click(id, i);
  }
  if (starts("focus:")) {
    auto [id, i] = control(f, s.substr(6));
    return id >= 0 && f.focusByKeyboard(id, i);
  }
  if (starts("pick:")) {
    const std::string rest = s.substr(5);
    if (auto eq = rest.find('='); eq != std::string::npos) {
      const int id = f.find(rest.substr(0, eq));
      if (id < 0) return false;
      const auto& entries = f.state(id).entries;
      for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == rest.substr(eq + 1)) return f.choose(id, static_cast<int>(i));
      return false;
    }
    auto colon = rest.rfind(':');
    if (colon == std::string::npos) return false;
    const int id = f.find(rest.substr(0, colon));
    return id >= 0 && f.choose(id, std::stoi(rest.substr(colon + 1)));
  }
  auto eq = s.find('=');
  if (eq == std::string::npos) return false;
  auto [id, i] = control(f, s.substr(0, eq));
  return id >= 0 && f.type(id, s.substr(eq + 1));
}

// Steps for a window with none of its own.
std::vector<std::string> anySteps(const vm::Form& f) {
  std::vector<std::string> out;
  const char* values[] = {"7.1", "2.2", "220", "50", "10"};
  int n = 0;
  for (int id = 0; id < f.count(); ++id)
    if (f.def(id).kind == vm::Kind::Input && f.takesFocus(id)) out.push_back(f.qualifiedName(id) + "=" + values[n++ % 5]);
  for (int id = 0; id < f.count(); ++id)
    if (f.def(id).computes) out.push_back("click:" + f.qualifiedName(id));
  return out;
}

// Pictures are written with the least compression (the names of its levels
// are qualities): most of the gallery's time went into squeezing them.
constexpr int kQuickPng = 80;

// The window as a reviewer sees it: its caption above its client area.
QImage picture(QWidget* w) {
  QPixmap body = w->grab();
  const qreal dpr = body.devicePixelRatio();
  const int bar = int(vm::ui::titleBarHeight(w->font()) * dpr);
  QImage img(body.width(), body.height() + bar, QImage::Format_RGB32);
  img.fill(QColor(60, 90, 140));
  QPainter p(&img);
  QFont f = vm::ui::titleBarFont(w->font());
  f.setPixelSize(int(QFontInfo(f).pixelSize() * dpr));
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

// A screen the gallery runs on: its size in logical pixels and the scale
// the session runs at, written as "1280x1024@1.5" (a 1920 x 1536 screen).
struct Setting {
  int width = 0, height = 0;
  QString scale;
  QString name() const { return QStringLiteral("%1x%2@%3").arg(width).arg(height).arg(scale); }
  // as the pictures' names give it
  QString tag() const { return QStringLiteral("%1x%2-%3x").arg(width).arg(height).arg(scale); }
};

std::optional<Setting> settingOf(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d+)x(\\d+)@(\\d+(?:\\.\\d+)?)$"));
  const auto m = form.match(text);
  if (!m.hasMatch() || m.captured(1).toInt() <= 0 || m.captured(2).toInt() <= 0 || m.captured(3).toDouble() <= 0)
    return std::nullopt;
  return Setting{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3)};
}

// The screens of the gallery: the designed one at three scales, a small
// screen, and a wide screen of 2560 x 1600 pixels at twice the scale.
const char* const kSettings[] = {"1280x1024@1", "1280x1024@1.5", "1280x1024@2", "1024x768@1", "1280x800@2"};

class Gallery {
 public:
  Gallery(QString folder, Setting setting) : folder_(std::move(folder)), setting_(std::move(setting)) {
    QDir().mkpath(folder_);
    host_.setPresenter([this](QWidget* parent, const vm::ui::MessageRequest& m) { boxes_.push_back({parent, m}); });
    host_.askPdfPath = [](QWidget*) { return QString(); };
    host_.lastWindowClosed = [] {};
  }

  int run() {
    // steps kept for a window that no longer exists would never be played
    for (const auto& [form, steps] : kSteps)
      if (!vm::findCalculator(form)) {
        std::cerr << "steps for an unknown window: " << form << '\n';
        ++faults_;
      }
    const QStringList only = qEnvironmentVariable("VELMORANTE_GALLERY_ONLY").split(',', Qt::SkipEmptyParts);
    if (!only.isEmpty()) {
      for (const auto& f : only) window(f.trimmed().toStdString());
      return faults_ == 0 ? 0 : 1;
    }
    {
      vm::ui::MainWindow main(host_);
      main.show();
      save(&main, "FRMVELMORANTE", "load");
      main.close();
    }
    for (const auto& e : vm::calculators()) window(std::string(e.form));
    return faults_ == 0 ? 0 : 1;
  }

 private:
  void report(const std::string& what, const std::string& state, const std::vector<std::string>& faults) {
    for (const auto& f : faults) {
      std::cerr << what << " (" << state << ", " << setting_.name().toStdString() << "): " << f << '\n';
      ++faults_;
    }
  }

  void save(QWidget* w, const std::string& name, const std::string& state) {
    QApplication::processEvents();
    picture(w).save(file(name, state), nullptr, kQuickPng);
    report(name, state, clipped(w));
    report(name, state, cutOff(w));
    report(name, state, overlapping(w));
    report(name, state, overStrokes(w));
    report(name, state, offScreen(w));
    report(name, state, unaligned(w));
  }

  QString file(const std::string& name, const std::string& state) const {
    return QStringLiteral("%1/%2@%3-%4.png").arg(folder_, vm::ui::qs(name), setting_.tag(), vm::ui::qs(state));
  }

  // Renders the boxes raised since the last call.
  void showBoxes(const std::string& name) {
    for (auto& [parent, m] : boxes_) {
      auto box = vm::ui::makeMessageBox(parent, m);
      box->show();
      QApplication::processEvents();
      const std::string state = "box" + std::to_string(++boxCount_);
      picture(box.get()).save(file(name, state), nullptr, kQuickPng);
      std::vector<std::string> faults = clipped(box.get());
      for (auto& f : cutOff(box.get())) faults.push_back(std::move(f));
      for (auto& f : overlapping(box.get())) faults.push_back(std::move(f));
      for (auto& f : offScreen(box.get())) faults.push_back(std::move(f));
      if (box->width() < vm::ui::captionWidth(box->windowTitle(), box->font()))
        faults.push_back("box \"" + m.title + "\" is narrower than its title");
      report(name, state + " \"" + m.prompt + "\"", faults);
      box->hide();
    }
    boxes_.clear();
  }

  void closeAll() {
    for (FormWindow* open : host_.windows()) open->form().close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void window(const std::string& name) {
    boxCount_ = 0;
    FormWindow* w = host_.openWindow(name, vm::OpenHow::Modeless);
    if (!w) return;
    save(w, name, "load");
    report(name, "load", unmarkedFocus(w));
    showBoxes(name);
    auto own = kSteps.find(name);
    const std::vector<std::string> steps = own != kSteps.end() ? own->second : anySteps(w->form());
    int shot = 0;
    bool open = true;
    for (const auto& s : steps) {
      if (s == "dump") {
        save(w, name, "calc" + std::to_string(++shot));
        showBoxes(name);
        continue;
      }
      if (!step(w->form(), s)) report(name, "steps", {"step \"" + s + "\" cannot run"});
      if (!host_.windowOf(w->form()) || !w->form().isOpen()) {
        open = false;
        break;
      }
    }
    if (open && !steps.empty()) save(w, name, "calc" + std::to_string(++shot));
    showBoxes(name);
    closeAll();
    // the compute button pressed on an empty window: its warning
    w = host_.openWindow(name, vm::OpenHow::Modeless);
    if (!w) return;
    for (int id = 0; id < w->form().count(); ++id)
      if (w->form().def(id).computes) {
        w->form().click(id);
        break;
      }
    showBoxes(name);
    closeAll();
  }

  QString folder_;
  Setting setting_;
  vm::ui::QtHost host_;
  std::vector<std::pair<QWidget*, vm::ui::MessageRequest>> boxes_;
  int faults_ = 0;
  int boxCount_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string option = argc >= 4 ? argv[2] : "";
  if (argc != 2 && !(argc == 4 && (option == "--setting" || option == "--scale"))) {
    std::cerr << "usage: velmorante-gallery FOLDER [--setting WxH@S | --scale S]\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (argc == 4) {
    const QString value = QString::fromLocal8Bit(argv[3]);
    const auto setting = settingOf(option == "--scale" ? QStringLiteral("1280x1024@") + value : value);
    if (!setting) {
      std::cerr << "not a screen: " << argv[3] << " (write it as 1024x768@1)\n";
      return 2;
    }
    qputenv("QT_SCALE_FACTOR", setting->scale.toLocal8Bit());
    vm::ui::testing::useDesignScreen(setting->scale.toDouble(), QSize(setting->width, setting->height));
    qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return Gallery(folder, *setting).run();
  }
  // every setting, each in a process of its own (the scale is fixed at start)
  QCoreApplication core(argc, argv);
  int worst = 0;
  for (const char* s : kSettings) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QCoreApplication::applicationFilePath(), {folder, "--setting", s});
    p.waitForFinished(-1);
    const int rc = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 3;
    worst = std::max(worst, rc);
  }
  return worst;
}
