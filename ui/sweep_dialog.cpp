#include "sweep_dialog.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>
#include <map>
#include <stdexcept>

#include "framework/numbers.h"
#include "qt_host.h"
#include "qt_util.h"
#include "shell/sweep.h"

namespace vm::ui {

namespace {

// What a control is called on the axis: its caption, or the static text
// just before it, or its name.
QString captionOf(const Form& f, int id) {
  const ControlDef& d = f.def(id);
  std::string c;
  if (d.buddy >= 0) c = f.state(d.buddy).text;
  if (c.empty() && id > 0 && f.def(id - 1).kind == Kind::Label && f.def(id - 1).role == Role::Static)
    c = f.state(id - 1).text;
  QString out = qs(c).trimmed();
  out.remove('&');
  return out.isEmpty() ? qs(f.qualifiedName(id)) : out;
}

class SweepDialog : public QDialog {
 public:
  SweepDialog(const Form& form, QWidget* parent, QtHost& host)
      : QDialog(parent), host_(&host), form_(form.name()), caption_(form.caption()), regional_(form.regional()) {
    setWindowTitle(QStringLiteral("GRAFICO - ") + qs(form.caption()));
    setObjectName("frmgrafico");
    auto* fields = new QFormLayout;
    input_ = new QComboBox(this);
    result_ = new QComboBox(this);
    for (int id = 0; id < form.count(); ++id) {
      const ControlDef& d = form.def(id);
      if (d.kind == Kind::Input && form.shown(id)) input_->addItem(captionOf(form, id), qs(form.qualifiedName(id)));
      if (d.kind == Kind::Label && d.role == Role::Result) result_->addItem(captionOf(form, id), qs(form.qualifiedName(id)));
    }
    from_ = new QLineEdit(this);
    to_ = new QLineEdit(this);
    points_ = new QSpinBox(this);
    points_->setRange(2, 2000);
    points_->setValue(50);
    fields->addRow(QStringLiteral("Dato che varia :"), input_);
    fields->addRow(QStringLiteral("Da :"), from_);
    fields->addRow(QStringLiteral("A :"), to_);
    fields->addRow(QStringLiteral("Numero di punti :"), points_);
    fields->addRow(QStringLiteral("Risultato :"), result_);
    // every input but the varied one keeps the text it has in the window
    for (int id = 0; id < form.count(); ++id)
      if (form.def(id).kind == Kind::Input) {
        const std::string name = form.qualifiedName(id);
        steps_[name] = stepsOf(form, name);
        current_[name] = form.state(id).text;
      }
    auto pickInput = [this] {
      const std::string name = input_->currentData().toString().toStdString();
      const double now = readNumber(current_[name]);
      from_->setText(qs(plain(now > 0 ? now / 2 : 0)));
      to_->setText(qs(plain(now > 0 ? now * 2 : 10)));
    };
    connect(input_, &QComboBox::currentIndexChanged, this, pickInput);
    pickInput();

    chart_ = new QChart;
    chart_->legend()->hide();
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(560, 360);
    note_ = new QLabel(this);

    auto* buttons = new QHBoxLayout;
    auto* draw = new QPushButton(QStringLiteral("TRACCIA"), this);
    auto* csv = new QPushButton(QStringLiteral("Salva CSV..."), this);
    auto* png = new QPushButton(QStringLiteral("Salva PNG..."), this);
    auto* svg = new QPushButton(QStringLiteral("Salva SVG..."), this);
    auto* close = new QPushButton(QStringLiteral("CHIUDI"), this);
    draw->setDefault(true);
    for (auto* b : {draw, csv, png, svg, close}) buttons->addWidget(b);
    connect(draw, &QPushButton::clicked, this, [this] { plot(); });
    connect(csv, &QPushButton::clicked, this, [this] { saveCsv(); });
    connect(png, &QPushButton::clicked, this, [this] { savePicture(false); });
    connect(svg, &QPushButton::clicked, this, [this] { savePicture(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* all = new QVBoxLayout(this);
    all->addLayout(fields);
    all->addWidget(view_, 1);
    all->addWidget(note_);
    all->addLayout(buttons);
    setAttribute(Qt::WA_DeleteOnClose);
  }

 private:
  static std::string plain(double x) { return formatGeneral(x, Regional::english()); }

  void plot() {
    request_ = SweepRequest{};
    request_.form = form_;
    request_.vary = input_->currentData().toString().toStdString();
    request_.result = result_->currentData().toString().toStdString();
    request_.from = readNumber(from_->text().toStdString());
    request_.to = readNumber(to_->text().toStdString());
    request_.points = points_->value();
    request_.steps = steps_[request_.vary];
    const QDate d = QDate::currentDate();
    points_done_.clear();
    bool refused = false;
    const bool ran = host_->guard(QtHost::windowName(caption_, form_),
                                  "grafico al variare di " + input_->currentText().toStdString(), [&] {
                                    try {
                                      points_done_ = sweep(request_, regional_, Date{d.year(), d.month(), d.day()},
                                                           host_->forms);
                                    } catch (const std::invalid_argument& e) {
                                      note_->setText(qs(e.what()));
                                      refused = true;
                                    }
                                  });
    if (!ran || refused) return;
    chart_->removeAllSeries();
    for (auto* a : chart_->axes()) chart_->removeAxis(a);
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setTitleText(input_->currentText());
    y->setTitleText(result_->currentText());
    chart_->addAxis(x, Qt::AlignBottom);
    chart_->addAxis(y, Qt::AlignLeft);
    // a refused point breaks the curve: each run of computed points is a line of its own
    QLineSeries* run = nullptr;
    QScatterSeries* dots = new QScatterSeries;
    dots->setMarkerSize(5);
    int gaps = 0;
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    auto add = [&](QAbstractSeries* s) {
      chart_->addSeries(s);
      s->attachAxis(x);
      s->attachAxis(y);
    };
    for (const auto& p : points_done_) {
      if (!p.y) {
        ++gaps;
        run = nullptr;
        continue;
      }
      if (!run) {
        run = new QLineSeries;
        add(run);
      }
      run->append(p.x, *p.y);
      dots->append(p.x, *p.y);
      lo = std::min(lo, *p.y);
      hi = std::max(hi, *p.y);
    }
    add(dots);
    x->setRange(std::min(request_.from, request_.to), std::max(request_.from, request_.to));
    if (lo <= hi) y->setRange(lo == hi ? lo - 1 : lo, lo == hi ? hi + 1 : hi);
    note_->setText(gaps == 0 ? QString()
                             : QStringLiteral("%1 punti senza risultato (la finestra li rifiuta)").arg(gaps));
  }

  void saveCsv() {
    if (points_done_.empty()) plot();
    if (points_done_.empty()) return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salva CSV"), QString(), "CSV (*.csv)");
    if (path.isEmpty()) return;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    f.write(QByteArray::fromStdString(sweepCsv(request_, points_done_)));
  }

  void savePicture(bool vector) {
    if (points_done_.empty()) plot();
    if (points_done_.empty()) return;
    const QString path = QFileDialog::getSaveFileName(this, vector ? "Salva SVG" : "Salva PNG", QString(),
                                                      vector ? "SVG (*.svg)" : "PNG (*.png)");
    if (path.isEmpty()) return;
    if (!vector) {
      view_->grab().save(path, "PNG");
      return;
    }
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view_->size());
    svg.setViewBox(view_->rect());
    svg.setTitle(windowTitle());
    QPainter p(&svg);
    view_->render(&p);
  }

  QtHost* host_;
  std::string form_, caption_;
  Regional regional_;
  std::map<std::string, std::vector<std::string>> steps_;
  std::map<std::string, std::string> current_;
  QComboBox* input_ = nullptr;
  QComboBox* result_ = nullptr;
  QLineEdit* from_ = nullptr;
  QLineEdit* to_ = nullptr;
  QSpinBox* points_ = nullptr;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QLabel* note_ = nullptr;
  SweepRequest request_;
  std::vector<SweepPoint> points_done_;
};

}  // namespace

void showSweepDialog(const Form& form, QWidget* parent, QtHost& host) {
  auto* d = new SweepDialog(form, parent, host);
  d->show();
}

}  // namespace vm::ui
