#include "form_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "drawing_view.h"
#include "pictures.h"

namespace vm::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Captions of buttons and of labels with a buddy read '&' as a mnemonic:
// the texts of the system are shown exactly as written.
QString literal(const std::string& s) { return qs(s).replace('&', "&&"); }

QColor colourOf(Color c) { return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)); }

void setColour(QWidget* w, QPalette::ColorRole role, Color c) {
  QPalette pal = w->palette();
  const QPalette base = QApplication::palette(w);
  pal.setColor(role, c == kDefaultColor ? base.color(role) : colourOf(c));
  w->setPalette(pal);
}

const char* kId = "vmId";
const char* kOption = "vmOption";

}  // namespace

FormWindow::FormWindow(std::unique_ptr<Form> form) : QDialog(nullptr), form_(std::move(form)) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(qs(form_->caption()));
  setObjectName(qs(form_->name()));
  setSizeGripEnabled(false);
  build();
  const auto& g = form_->geometry();
  if (g.width && g.height) stated_ = QSize(px(*g.width), px(*g.height));
  project();
}

FormWindow::~FormWindow() {
  if (form_) form_->changed = nullptr;
}

int FormWindow::px(int twips) const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
  return qRound(twips * dpi / 1440.0);
}

void FormWindow::build() {
  const int n = form_->count();
  controls_.assign(static_cast<std::size_t>(n), Control{});
  for (int id = 0; id < n; ++id) controls_[static_cast<std::size_t>(id)].widget = make(id);

  // Labels placed on drawings.
  for (int id = 0; id < n; ++id) {
    const auto& d = form_->def(id);
    if (d.kind == Kind::Label && d.drawing >= 0 && form_->def(d.drawing).kind == Kind::Drawing) {
      auto* view = static_cast<DrawingView*>(controls_[static_cast<std::size_t>(d.drawing)].widget);
      auto* label = static_cast<QLabel*>(controls_[static_cast<std::size_t>(id)].widget);
      label->setWordWrap(false);
      label->setAutoFillBackground(true);  // a value sits clear of the lines under it
      view->anchor(label, d.anchorX, d.anchorY);
    }
  }

  auto* outer = new QHBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetNoConstraint);
  auto* left = new QGridLayout;
  left->setColumnStretch(1, 1);
  std::vector<int> drawings;
  fill(left, -1, true, &drawings);
  outer->addLayout(left, 1);
  if (!drawings.empty()) {
    auto* right = new QVBoxLayout;
    for (int id : drawings) right->addWidget(controls_[static_cast<std::size_t>(id)].widget, 0, Qt::AlignHCenter);
    right->addStretch(1);
    outer->addLayout(right);
  }

  // The tab order is the table's order.
  QWidget* prev = nullptr;
  for (int id = 0; id < n; ++id) {
    const auto& c = controls_[static_cast<std::size_t>(id)];
    std::vector<QWidget*> ws;
    if (!c.radios.empty()) ws.assign(c.radios.begin(), c.radios.end());
    else if (c.widget && c.widget->focusPolicy() != Qt::NoFocus) ws.push_back(c.widget);
    for (QWidget* w : ws) {
      if (prev) setTabOrder(prev, w);
      prev = w;
    }
  }
}

QWidget* FormWindow::make(int id) {
  const auto& d = form_->def(id);
  const auto& st = form_->state(id);
  auto& c = controls_[static_cast<std::size_t>(id)];
  QWidget* w = nullptr;
  switch (d.kind) {
    case Kind::Input: {
      auto* e = new QLineEdit(this);
      connect(e, &QLineEdit::textEdited, this, [this, id](const QString& t) { form_->type(id, t.toStdString()); });
      w = e;
      break;
    }
    case Kind::Button: {
      auto* b = new QPushButton(this);
      b->setAutoDefault(false);
      b->setDefault(false);
      if (!d.picture.empty()) {
        b->setIcon(pictureIcon(d.picture));
        b->setIconSize(QSize(40, 40));
      }
      connect(b, &QPushButton::clicked, this, [this, id] { form_->click(id); });
      w = b;
      break;
    }
    case Kind::Options: {
      auto* box = new QWidget(this);
      auto* lay = new QVBoxLayout(box);
      lay->setContentsMargins(0, 0, 0, 0);
      lay->setSpacing(2);
      c.group = new QButtonGroup(this);
      c.group->setExclusive(true);
      for (std::size_t i = 0; i < st.captions.size(); ++i) {
        auto* r = new QRadioButton(box);
        const int option = d.firstIndex + static_cast<int>(i);
        c.group->addButton(r, option);
        c.radios.push_back(r);
        lay->addWidget(r);
        track(r, id, option);
        connect(r, &QRadioButton::clicked, this, [this, id, option] { form_->click(id, option); });
      }
      w = box;
      break;
    }
    case Kind::List: {
      auto* cb = new QComboBox(this);
      cb->setEditable(false);
      cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      connect(cb, &QComboBox::activated, this, [this, id](int i) { form_->choose(id, i); });
      w = cb;
      break;
    }
    case Kind::Frame: {
      auto* g = new QGroupBox(this);
      w = g;
      break;
    }
    case Kind::Picture: {
      auto* l = new QLabel(this);
      l->setPixmap(picturePixmap(d.picture, QSize(48, 48), devicePixelRatioF()));
      l->setAlignment(Qt::AlignCenter);
      w = l;
      break;
    }
    case Kind::Drawing:
      w = new DrawingView(d.art ? d.art : std::make_shared<const Drawing>(), this);
      if (d.clickable) w->setCursor(Qt::PointingHandCursor);
      break;
    case Kind::Label: {
      auto* l = new QLabel(this);
      l->setTextFormat(Qt::PlainText);
      if (d.role == Role::Result) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setCursor(Qt::IBeamCursor);
      } else if (d.role == Role::Static && d.drawing < 0) {
        l->setWordWrap(true);
      }
      if (d.clickable) l->setCursor(Qt::PointingHandCursor);
      w = l;
      break;
    }
  }
  w->setProperty(kId, id);
  w->setObjectName(qs(form_->qualifiedName(id)));
  QSizePolicy sp = w->sizePolicy();
  sp.setRetainSizeWhenHidden(!form_->belowFold(id));
  w->setSizePolicy(sp);
  if (d.kind == Kind::Input || d.kind == Kind::Button || d.kind == Kind::List) track(w, id, -1);
  if ((d.kind == Kind::Label || d.kind == Kind::Picture || d.kind == Kind::Drawing) && d.clickable)
    w->installEventFilter(this);
  return w;
}

void FormWindow::track(QWidget* w, int id, int option) {
  w->setProperty(kId, id);
  w->setProperty(kOption, option);
  w->installEventFilter(this);
}

void FormWindow::fill(QGridLayout* grid, int parent, bool topLevel, std::vector<int>* drawings) {
  int row = 0;
  QHBoxLayout* buttons = nullptr;
  const int n = form_->count();
  for (int id = 0; id < n; ++id) {
    const auto& d = form_->def(id);
    if (d.parent != parent) continue;
    if (d.kind == Kind::Label && d.drawing >= 0) continue;               // on its drawing
    if (d.kind == Kind::Label && d.role == Role::Caption && d.buddy >= 0) continue;  // beside its control
    QWidget* w = controls_[static_cast<std::size_t>(id)].widget;
    if (d.kind == Kind::Button) {
      if (!buttons) {
        buttons = new QHBoxLayout;
        buttons->addStretch(1);
        grid->addLayout(buttons, row++, 0, 1, 2);
      }
      buttons->addWidget(w);
      continue;
    }
    if (buttons) {
      buttons->addStretch(1);
      buttons = nullptr;
    }
    switch (d.kind) {
      case Kind::Input:
      case Kind::List: {
        if (d.buddy >= 0) {
          auto* cap = static_cast<QLabel*>(controls_[static_cast<std::size_t>(d.buddy)].widget);
          cap->setBuddy(w);
          grid->addWidget(cap, row, 0);
        }
        grid->addWidget(w, row++, 1);
        break;
      }
      case Kind::Drawing:
        if (topLevel && drawings) drawings->push_back(id);
        else grid->addWidget(w, row++, 0, 1, 2, Qt::AlignHCenter);
        break;
      case Kind::Frame: {
        auto* inner = new QGridLayout(w);
        inner->setColumnStretch(1, 1);
        fill(inner, id, false, nullptr);
        grid->addWidget(w, row++, 0, 1, 2);
        break;
      }
      default:
        grid->addWidget(w, row++, 0, 1, 2);
        break;
    }
  }
  if (buttons) buttons->addStretch(1);
  grid->setRowStretch(row, 1);
}

QWidget* FormWindow::widgetOf(int id, int option) const {
  if (id < 0 || id >= static_cast<int>(controls_.size())) return nullptr;
  const auto& c = controls_[static_cast<std::size_t>(id)];
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
  for (int id = 0; id < form_->count(); ++id) projectControl(id);
  for (int id = 0; id < form_->count(); ++id)
    if (form_->def(id).kind == Kind::Drawing)
      static_cast<DrawingView*>(controls_[static_cast<std::size_t>(id)].widget)->placeLabels();
  fitSize();
  projectFocus();
  projecting_ = false;
}

void FormWindow::projectControl(int id) {
  const auto& d = form_->def(id);
  const auto& st = form_->state(id);
  auto& c = controls_[static_cast<std::size_t>(id)];
  QWidget* w = c.widget;
  const QSignalBlocker block(w);
  w->setToolTip(qs(st.tooltip));
  w->setHidden(!st.visible || (form_->belowFold(id) && !form_->foldOpen()));
  if (d.kind != Kind::Label && d.kind != Kind::Drawing && d.kind != Kind::Picture) w->setEnabled(st.enabled);
  switch (d.kind) {
    case Kind::Input: {
      auto* e = static_cast<QLineEdit*>(w);
      const QString t = qs(st.text);
      if (e->text() != t) {
        const int cursor = e->cursorPosition();
        e->setText(t);
        e->setCursorPosition(std::min(cursor, static_cast<int>(t.size())));
      }
      setColour(e, QPalette::Text, st.foreColor);
      setColour(e, QPalette::Base, st.backColor);
      break;
    }
    case Kind::Button: {
      auto* b = static_cast<QPushButton*>(w);
      if (d.picture.empty()) b->setText(literal(st.text));
      setColour(b, QPalette::ButtonText, st.foreColor);
      break;
    }
    case Kind::Options: {
      const QSignalBlocker blockGroup(c.group);
      c.group->setExclusive(false);
      for (std::size_t i = 0; i < c.radios.size(); ++i) {
        auto* r = c.radios[i];
        const QSignalBlocker blockRadio(r);
        r->setText(i < st.captions.size() ? literal(st.captions[i]) : QString());
        r->setChecked(st.selected == d.firstIndex + static_cast<int>(i));
        r->setToolTip(qs(st.tooltip));
        r->setEnabled(st.enabled);
        const Color own = i < st.captionColors.size() ? st.captionColors[i] : kDefaultColor;
        setColour(r, QPalette::WindowText, own != kDefaultColor ? own : st.foreColor);
      }
      c.group->setExclusive(true);
      break;
    }
    case Kind::List: {
      auto* cb = static_cast<QComboBox*>(w);
      bool same = cb->count() == static_cast<int>(st.entries.size());
      for (int i = 0; same && i < cb->count(); ++i) same = cb->itemText(i) == qs(st.entries[static_cast<std::size_t>(i)]);
      if (!same) {
        cb->clear();
        for (const auto& e : st.entries) cb->addItem(qs(e));
      }
      cb->setCurrentIndex(st.listIndex);
      break;
    }
    case Kind::Frame: {
      auto* g = static_cast<QGroupBox*>(w);
      g->setTitle(literal(st.text));
      break;
    }
    case Kind::Label: {
      auto* l = static_cast<QLabel*>(w);
      const QString t = l->buddy() ? literal(st.text) : qs(st.text);
      if (l->text() != t) l->setText(t);
      setColour(l, QPalette::WindowText, st.foreColor);
      l->setAutoFillBackground(st.backColor != kDefaultColor);
      setColour(l, QPalette::Window, st.backColor);
      if (d.drawing < 0 && d.role == Role::Result) {
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumHeight(l->fontMetrics().height() + 6);
      }
      break;
    }
    case Kind::Picture:
    case Kind::Drawing:
      break;
  }
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

void FormWindow::fitSize() {
  if (QLayout* l = layout()) l->activate();
  QSize hint = sizeHint().expandedTo(minimumSizeHint());
  // the window is as wide as its caption, which is never cut short
  QFont bold = font();
  bold.setBold(true);
  const int caption = QFontMetrics(bold).horizontalAdvance(windowTitle()) + 48;
  int w = std::max({hint.width(), stated_.width(), grown_.width(), caption});
  int h = hint.height();
  if (hasHeightForWidth()) h = std::max(h, heightForWidth(w));
  h = std::max({h, stated_.height(), grown_.height()});
  grown_ = QSize(w, h);
  if (size() != grown_ || minimumSize() != grown_ || maximumSize() != grown_) setFixedSize(grown_);
}

void FormWindow::setStatedSize(QSize size) {
  stated_ = size;
  grown_ = QSize();
  // what lies below the fold comes and goes with the height
  if (!projecting_) project();
  else fitSize();
}

void FormWindow::placeAt(QPoint pos) {
  placed_ = true;
  move(pos);
}

void FormWindow::centreOnScreen() {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect area = s->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

void FormWindow::closeEvent(QCloseEvent* e) {
  e->accept();
  if (form_->isOpen()) {
    form_->close();
    if (closedByUser) closedByUser();
  }
}

void FormWindow::reject() {
  // Escape does not close a Calculator; the close box and its close button do.
}

bool FormWindow::focusNextPrevChild(bool next) {
  form_->tab(!next);
  projectFocus();
  return true;
}

int FormWindow::optionOf(QObject* w, int* id) const {
  const QVariant v = w->property(kId);
  *id = v.isValid() ? v.toInt() : -1;
  const QVariant o = w->property(kOption);
  return o.isValid() ? o.toInt() : -1;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
  int id = -1;
  const int option = optionOf(watched, &id);
  if (id < 0 || id >= form_->count()) return QDialog::eventFilter(watched, e);
  const auto& d = form_->def(id);
  switch (e->type()) {
    case QEvent::FocusIn: {
      if (projecting_) break;
      const auto reason = static_cast<QFocusEvent*>(e)->reason();
      if (reason == Qt::MouseFocusReason) {
        form_->focusByMouse(id, option);
      } else if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                 reason == Qt::ShortcutFocusReason) {
        form_->focusByKeyboard(id, option);
      }
      shownFocus_ = form_->focus();
      break;
    }
    case QEvent::KeyPress: {
      if (d.kind != Kind::Options) break;
      auto* k = static_cast<QKeyEvent*>(e);
      int step = 0;
      if (k->key() == Qt::Key_Down || k->key() == Qt::Key_Right) step = 1;
      if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Left) step = -1;
      if (step == 0) break;
      // the arrows move within the group, and the focus rule selects
      const int count = static_cast<int>(controls_[static_cast<std::size_t>(id)].radios.size());
      const int i = ((option - d.firstIndex + step) % count + count) % count;
      form_->focusByKeyboard(id, d.firstIndex + i);
      projectFocus();
      return true;
    }
    case QEvent::MouseButtonRelease: {
      if ((d.kind == Kind::Label || d.kind == Kind::Picture || d.kind == Kind::Drawing) && d.clickable &&
          static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        form_->click(id);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, e);
}

}  // namespace vm::ui
