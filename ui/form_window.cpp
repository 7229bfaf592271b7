#include "form_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QApplication>
#include <QClipboard>
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
#include <map>

#include "drawing_view.h"
#include "framework/numbers.h"
#include "framework/summary.h"
#include "framework/typed_entry.h"
#include "qt_host.h"
#include "sweep_dialog.h"
#include "pictures.h"
#include "qt_util.h"

namespace vm::ui {

FormWindow::FormWindow(std::unique_ptr<Form> form, std::optional<QFont> desktopTitle,
                       std::shared_ptr<TextMeasures> measures)
    : QDialog(nullptr), form_(std::move(form)), measures_(std::move(measures)), desktopTitle_(std::move(desktopTitle)) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(qs(form_->caption()));
  setObjectName(qs(form_->name()));
  setSizeGripEnabled(false);
  build();
  const auto& g = form_->geometry();
  if (g.width && g.height) stated_ = QSize(px(*g.width), px(*g.height));
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

QLabel* FormWindow::readingHint(int id) const {
  if (id < 0 || id >= static_cast<int>(hints_.size())) return nullptr;
  QLabel* h = hints_[static_cast<std::size_t>(id)];
  return h && !h->isHidden() ? h : nullptr;
}

void FormWindow::showReadingHint(int id, QLineEdit* e) {
  const std::optional<double> read = partlyRead(form_->state(id).text);
  if (hints_.size() <= static_cast<std::size_t>(id)) {
    if (!read) return;
    hints_.resize(static_cast<std::size_t>(form_->count()), nullptr);
  }
  QLabel*& h = hints_[static_cast<std::size_t>(id)];
  if (!read) {
    if (h && !h->isHidden()) {
      h->hide();
      e->setTextMargins(0, 0, 0, 0);
    }
    return;
  }
  if (!h) {
    // a small grey note at the right end of the field, over nothing the user types
    h = new QLabel(e);
    h->setObjectName(e->objectName() + "_letto");
    h->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont f = h->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    h->setFont(f);
    QPalette pal = h->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Disabled, QPalette::WindowText));
    h->setPalette(pal);
    // kept at the right end as the field is laid out, asking it for no room
    auto* keep = new QHBoxLayout(e);
    keep->setSizeConstraint(QLayout::SetNoConstraint);
    keep->setContentsMargins(0, 0, 6, 0);
    keep->addStretch(1);
    keep->addWidget(h, 0, Qt::AlignVCenter);
  }
  h->setText(QStringLiteral("letto come ") + qs(formatGeneral(*read, Regional::english())));
  e->setTextMargins(0, 0, h->sizeHint().width() + 6, 0);
  h->show();
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
      auto* label = static_cast<DrawingLabel*>(controls_[static_cast<std::size_t>(id)].widget);
      label->setWordWrap(false);
      label->setOpaque(true);  // a value sits clear of the lines under it
      view->anchor(id, label);
    }
    if (d.kind == Kind::Drawing) drawings_.push_back(static_cast<DrawingView*>(controls_[static_cast<std::size_t>(id)].widget));
    // a caption gives its input the access key it marks
    if ((d.kind == Kind::Input || d.kind == Kind::List) && d.buddy >= 0)
      static_cast<QLabel*>(controls_[static_cast<std::size_t>(d.buddy)].widget)
          ->setBuddy(controls_[static_cast<std::size_t>(id)].widget);
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
  layOut();
}

void FormWindow::layOut() {
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
}

QWidget* FormWindow::make(int id) {
  const auto& d = form_->def(id);
  const auto& st = form_->state(id);
  auto& c = controls_[static_cast<std::size_t>(id)];
  QWidget* w = nullptr;
  switch (d.kind) {
    case Kind::Input: {
      auto* e = new QLineEdit(this);
      connect(e, &QLineEdit::textEdited, this, [this, id](const QString& t) {
        guarded("modifica di " + form_->qualifiedName(id), [&] { form_->type(id, t.toStdString()); });
      });
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
      connect(b, &QPushButton::clicked, this,
              [this, id] { guarded("clic su " + form_->qualifiedName(id), [&] { form_->click(id); }); });
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
        connect(r, &QRadioButton::clicked, this, [this, id, option] {
          guarded("clic su " + form_->qualifiedName(id), [&] { form_->click(id, option); });
        });
      }
      c.shown.captions.assign(st.captions.size(), std::string());
      c.shown.captionColors.assign(st.captions.size(), kDefaultColor);
      w = box;
      break;
    }
    case Kind::List: {
      auto* cb = new QComboBox(this);
      cb->setEditable(false);
      // styles that open a list as a popup over the whole screen ignore how many
      // entries it may show; this one scrolls past the model's most entries
      cb->setStyleSheet(scrollingList());
      connect(cb, &QComboBox::activated, this, [this, id](int i) {
        guarded("scelta in " + form_->qualifiedName(id), [&] { form_->choose(id, i); });
      });
      w = cb;
      break;
    }
    case Kind::Frame: {
      auto* g = new QGroupBox(this);
      w = g;
      break;
    }
    case Kind::Picture: {
      if (d.art) {
        // a picture drawn with the drawing kit
        w = new DrawingView(d.art, this);
        if (d.clickable) w->setCursor(Qt::PointingHandCursor);
        w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        break;
      }
      auto* l = new QLabel(this);
      l->setPixmap(picturePixmap(d.picture, QSize(48, 48), devicePixelRatioF()));
      l->setAlignment(Qt::AlignCenter);
      w = l;
      break;
    }
    case Kind::Drawing:
      w = new DrawingView(d.art ? d.art : std::make_shared<const Drawing>(), this);
      if (d.clickable) w->setCursor(Qt::PointingHandCursor);
      w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // labels on it never move the layout
      break;
    case Kind::Label: {
      const bool onDrawing = d.drawing >= 0 && form_->def(d.drawing).kind == Kind::Drawing;
      QLabel* l = onDrawing ? static_cast<QLabel*>(new DrawingLabel(this)) : new MeasuredLabel(measures_, this);
      l->setTextFormat(Qt::PlainText);
      if (d.role == Role::Result) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setCursor(Qt::IBeamCursor);
        if (d.drawing < 0) {
          // a long result wraps inside the window's width instead of widening it
          l->setWordWrap(true);
          l->setFrameShape(QFrame::StyledPanel);
          l->setFrameShadow(QFrame::Sunken);
          l->setMinimumHeight(l->fontMetrics().height() + 6);
        }
      } else if (d.role == Role::Static && d.drawing < 0 && d.beside < 0) {
        l->setWordWrap(true);
      }
      if (d.clickable) l->setCursor(Qt::PointingHandCursor);
      w = l;
      break;
    }
  }
  ids_[w] = {id, -1};
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
  ids_[w] = {id, option};
  w->installEventFilter(this);
}

void FormWindow::fill(QGridLayout* grid, int parent, bool topLevel, std::vector<int>* drawings) {
  int row = 0;
  QHBoxLayout* buttons = nullptr;
  const int n = form_->count();
  // hints shown just before the button they point at
  std::multimap<int, int> besides;
  for (int id = 0; id < n; ++id) {
    const auto& d = form_->def(id);
    if (d.kind == Kind::Label && d.beside >= 0 && d.beside < n && form_->def(d.beside).kind == Kind::Button &&
        form_->def(d.beside).parent == parent && d.drawing < 0)
      besides.emplace(d.beside, id);
  }
  // static captions shown in the row of the result they caption
  std::multimap<int, int> captions;
  for (int id = 0; id < n; ++id) {
    const auto& d = form_->def(id);
    if (d.kind == Kind::Label && d.role == Role::Static && d.beside >= 0 && d.beside < n && d.drawing < 0) {
      const auto& t = form_->def(d.beside);
      if (t.kind == Kind::Label && t.role == Role::Result && t.drawing < 0 && t.parent == parent && d.parent == parent &&
          captions.count(d.beside) == 0)
        captions.emplace(d.beside, id);
    }
  }
  auto isBeside = [&](int id) {
    for (const auto& [target, label] : besides)
      if (label == id) return true;
    for (const auto& [target, label] : captions)
      if (label == id) return true;
    return false;
  };
  for (int id = 0; id < n; ++id) {
    const auto& d = form_->def(id);
    if (d.parent != parent) continue;
    if (d.kind == Kind::Label && d.drawing >= 0) continue;               // on its drawing
    if (d.kind == Kind::Label && d.role == Role::Caption && d.buddy >= 0) continue;  // beside its control
    if (isBeside(id)) continue;                                          // beside its button
    QWidget* w = controls_[static_cast<std::size_t>(id)].widget;
    if (d.kind == Kind::Button) {
      if (!buttons) {
        buttons = new QHBoxLayout;
        buttons->addStretch(1);
        grid->addLayout(buttons, row++, 0, 1, 2);
      }
      auto [from, to] = besides.equal_range(id);
      for (auto it = from; it != to; ++it) buttons->addWidget(controls_[static_cast<std::size_t>(it->second)].widget);
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
          grid->addWidget(controls_[static_cast<std::size_t>(d.buddy)].widget, row, 0);
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
      default: {
        // a result with its caption in the same row, the caption on the left
        auto [from, to] = captions.equal_range(id);
        if (from != to) {
          grid->addWidget(controls_[static_cast<std::size_t>(from->second)].widget, row, 0);
          grid->addWidget(w, row++, 1);
        } else {
          grid->addWidget(w, row++, 0, 1, 2);
        }
        break;
      }
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
  bool relayout = false, widen = false;
  std::vector<bool> moved(drawings_.size(), false);
  for (int id = 0; id < form_->count(); ++id) {
    if (!projectControl(id)) continue;
    const auto& d = form_->def(id);
    if (d.drawing >= 0 && d.kind == Kind::Label) {
      // a label on a drawing moves on it; the window's layout stays
      for (std::size_t i = 0; i < drawings_.size(); ++i)
        if (drawings_[i] == controls_[static_cast<std::size_t>(d.drawing)].widget) moved[i] = true;
      continue;
    }
    relayout = true;
    // what changed inside a frame reaches the outer layouts only when they measure anew
    if (d.parent >= 0) nestedChanged_.push_back(controls_[static_cast<std::size_t>(d.parent)].widget);
    // a text that does not wrap may ask for more width
    auto* label = qobject_cast<QLabel*>(controls_[static_cast<std::size_t>(id)].widget);
    widen = widen || !label || !label->wordWrap();
  }
  const bool relabel = !labelsPlaced_ || std::find(moved.begin(), moved.end(), true) != moved.end();
  if (relabel || !listsFilled_.empty()) {
    const layout::Layout arranged = layout::arrange(*form_);
    // a list's popup shows as many entries as the model lets it, and scrolls the rest
    for (const auto& box : arranged.boxes)
      for (const auto& item : box.items)
        if (item.role == layout::Role::List &&
            std::find(listsFilled_.begin(), listsFilled_.end(), item.control) != listsFilled_.end())
          static_cast<QComboBox*>(controls_[static_cast<std::size_t>(item.control)].widget)
              ->setMaxVisibleItems(std::max(1, item.visibleEntries));
    listsFilled_.clear();
    // the labels on a drawing go where the model places them as the texts are now
    if (relabel)
      for (const auto& placed : arranged.drawings)
        for (std::size_t i = 0; i < drawings_.size(); ++i)
          if ((moved[i] || !labelsPlaced_) && drawings_[i] == controls_[static_cast<std::size_t>(placed.control)].widget)
            drawings_[i]->placeLabels(placed);
    labelsPlaced_ = true;
  }
  if (relayout || grown_.isEmpty()) fitSize(widen || !opened_);
  projectFocus();
  projecting_ = false;
}

bool FormWindow::projectControl(int id) {
  const auto& d = form_->def(id);
  const auto& st = form_->state(id);
  auto& c = controls_[static_cast<std::size_t>(id)];
  auto& was = c.shown;
  QWidget* w = c.widget;
  const QSignalBlocker block(w);
  bool relayout = false;
  if (d.kind != Kind::Options && st.tooltip != was.tooltip) {
    w->setToolTip(qs(st.tooltip));
    was.tooltip = st.tooltip;
  }
  const bool hide = !st.visible || (form_->belowFold(id) && !form_->foldOpen());
  if (hide != c.hidden) {
    w->setHidden(hide);
    c.hidden = hide;
    relayout = true;
    if (d.kind == Kind::Frame && !hide) nestedChanged_.push_back(w);
  }
  const bool ownEnabled = d.kind != Kind::Label && d.kind != Kind::Drawing && d.kind != Kind::Picture &&
                          d.kind != Kind::Options;
  if (ownEnabled && st.enabled != was.enabled) {
    w->setEnabled(st.enabled);
    was.enabled = st.enabled;
  }
  switch (d.kind) {
    case Kind::Input: {
      auto* e = static_cast<QLineEdit*>(w);
      const QString t = qs(st.text);
      if (e->text() != t) {
        const int cursor = e->cursorPosition();
        e->setText(t);
        e->setCursorPosition(std::min(cursor, static_cast<int>(t.size())));
      }
      if (st.text != was.text) {
        showReadingHint(id, e);
        was.text = st.text;
      }
      if (st.foreColor != was.foreColor) setColour(e, QPalette::Text, st.foreColor);
      if (st.backColor != was.backColor) setColour(e, QPalette::Base, st.backColor);
      was.foreColor = st.foreColor;
      was.backColor = st.backColor;
      break;
    }
    case Kind::Button: {
      auto* b = static_cast<QPushButton*>(w);
      if (d.picture.empty() && st.text != was.text) {
        // a lone '&' marks the button's access key, as on the desktop ("&CALCOLA")
        b->setText(buttonLines(qs(st.text), b->fontMetrics()));
        was.text = st.text;
        relayout = true;
      }
      if (st.foreColor != was.foreColor) {
        setColour(b, QPalette::ButtonText, st.foreColor);
        was.foreColor = st.foreColor;
      }
      break;
    }
    case Kind::Options: {
      bool regroup = false;
      for (std::size_t i = 0; i < c.radios.size(); ++i)
        regroup = regroup || c.radios[i]->isChecked() != (st.selected == d.firstIndex + static_cast<int>(i));
      const QSignalBlocker blockGroup(c.group);
      if (regroup) c.group->setExclusive(false);
      for (std::size_t i = 0; i < c.radios.size(); ++i) {
        auto* r = c.radios[i];
        const QSignalBlocker blockRadio(r);
        const std::string& caption = i < st.captions.size() ? st.captions[i] : std::string();
        if (caption != was.captions[i]) {
          r->setText(literal(caption));
          was.captions[i] = caption;
          relayout = true;
        }
        if (regroup) r->setChecked(st.selected == d.firstIndex + static_cast<int>(i));
        if (st.optionTooltip(i) != was.optionTooltip(i)) r->setToolTip(qs(st.optionTooltip(i)));
        if (st.enabled != was.enabled) r->setEnabled(st.enabled);
        const Color own = i < st.captionColors.size() ? st.captionColors[i] : kDefaultColor;
        const Color colour = own != kDefaultColor ? own : st.foreColor;
        if (colour != was.captionColors[i]) {
          setColour(r, QPalette::WindowText, colour);
          was.captionColors[i] = colour;
        }
      }
      if (regroup) c.group->setExclusive(true);
      was.tooltip = st.tooltip;
      was.optionTooltips = st.optionTooltips;
      was.enabled = st.enabled;
      break;
    }
    case Kind::List: {
      auto* cb = static_cast<QComboBox*>(w);
      if (st.entries != was.entries) {
        // sized by its entries when first shown; entries that change later
        // resize it too (asked only then: it makes the list's popup at once)
        if (opened_ && cb->sizeAdjustPolicy() != QComboBox::AdjustToContents)
          cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        cb->clear();
        for (const auto& e : st.entries) cb->addItem(qs(e));
        was.entries = st.entries;
        listsFilled_.push_back(id);
        relayout = true;
      }
      if (cb->currentIndex() != st.listIndex) cb->setCurrentIndex(st.listIndex);
      // with no entry chosen, the box says what the list's own text says (its prompt)
      const QString prompt = st.listIndex < 0 ? qs(st.text) : QString();
      if (cb->placeholderText() != prompt) cb->setPlaceholderText(prompt);
      break;
    }
    case Kind::Frame: {
      if (st.text != was.text) {
        static_cast<QGroupBox*>(w)->setTitle(literal(st.text));
        was.text = st.text;
        relayout = true;
      }
      break;
    }
    case Kind::Label: {
      auto* l = static_cast<QLabel*>(w);
      if (st.text != was.text) {
        l->setText(l->buddy() ? literal(st.text) : qs(st.text));
        was.text = st.text;
        relayout = true;
      }
      if (st.foreColor != was.foreColor) {
        setColour(l, QPalette::WindowText, st.foreColor);
        was.foreColor = st.foreColor;
      }
      if (st.backColor != was.backColor) {
        if (d.drawing < 0) l->setAutoFillBackground(st.backColor != kDefaultColor);
        setColour(l, QPalette::Window, st.backColor);
        was.backColor = st.backColor;
      }
      break;
    }
    case Kind::Picture:
    case Kind::Drawing:
      break;
  }
  return relayout;
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

QRect FormWindow::screenArea() const {
  const QScreen* s = home_ ? home_.data() : (screen() ? screen() : QGuiApplication::primaryScreen());
  return s ? s->availableGeometry() : QRect(0, 0, 1280, 1024);
}

QSize FormWindow::frameExtra() const {
  const QSize frame = frameGeometry().size() - size();
  if (isVisible() && !frame.isEmpty()) return frame;
  // not shown yet (or a platform without frames): a usual title bar
  return QSize(0, titleBarHeightOnce());
}

QFont FormWindow::barFont() const {
  if (!desktopTitle_) desktopTitle_ = desktopTitleFont();
  return titleBarFont(font(), *desktopTitle_);
}

int FormWindow::titleBarHeightOnce() const {
  if (titleBar_ < 0) titleBar_ = titleBarHeightIn(barFont());
  return titleBar_;
}

int FormWindow::captionWidthOnce() const {
  if (caption_ < 0)
    caption_ = measures_ ? measures_->captionWidth(windowTitle(), barFont()) : captionWidthIn(windowTitle(), barFont());
  return caption_;
}

int FormWindow::hintWidth() const {
  // the width the contents ask for, without laying out their wrapped lines
  // at that width (as the whole size hint does): they are laid out once, at
  // the width the window takes
  QLayout* l = layout();
  if (!l) return sizeHint().width();
  ensurePolished();
  const QMargins m = contentsMargins();
  return l->sizeHint().width() + m.left() + m.right();
}

void FormWindow::fitSize(bool widen) {
  // a frame whose texts changed, or one shown again, learns of its new
  // lines only when its own layout is activated; the layouts around it then
  // measure it afresh, but only when the height it needs has changed (a
  // keystroke stays cheap)
  bool grew = false;
  // (before the first measure nothing is known of any frame yet: the window
  // measures them all afresh, and laying a frame out now, at a size it does
  // not have, would be wasted)
  if (!measured_) nestedChanged_.clear();
  if (!nestedChanged_.empty()) {
    std::sort(nestedChanged_.begin(), nestedChanged_.end());
    nestedChanged_.erase(std::unique(nestedChanged_.begin(), nestedChanged_.end()), nestedChanged_.end());
    for (QWidget* frame : nestedChanged_) {
      if (!frame->isVisibleTo(this)) continue;
      if (QLayout* own = frame->layout()) own->activate();
      const int need = frame->hasHeightForWidth() ? frame->heightForWidth(frame->width()) : frame->sizeHint().height();
      int& had = frameHeights_[frame];
      if (need == had) continue;
      had = need;
      grew = true;
      for (QWidget* w = frame; w && w != this; w = w->parentWidget()) {
        w->updateGeometry();
        if (QLayout* l = w->layout()) l->invalidate();
      }
    }
    nestedChanged_.clear();
  }
  if (QLayout* l = layout()) {
    if (grew) l->invalidate();
    // a window not shown yet is measured without being laid out: it is laid
    // out once, at its final size, when it is shown
    if (isVisible()) l->activate();
  }
  const QRect area = screenArea();
  const QSize extra = frameExtra();
  // (at least thin borders beside it, whatever the frame is thought to be,
  // so that a window as wide as the screen keeps its frame on it)
  constexpr int kBorders = 8;
  const int maxW = std::max(1, area.width() - std::max(extra.width(), kBorders));
  const int maxH = std::max(1, area.height() - extra.height());
  // the width is the one the window opened with (or the one it asked
  // for); results wrap inside it and the window grows downward
  if (width_ <= 0 || !opened_)
    width_ = std::max({hintWidth(), stated_.width(), captionWidthOnce()});
  if (!measured_) {
    // every control is polished now, before its first measure: the polish
    // Qt still has in its queue for a button would only have the window lay
    // itself out once more, to the same places
    for (const auto& c : controls_)
      if (qobject_cast<QPushButton*>(c.widget)) QCoreApplication::removePostedEvents(c.widget, QEvent::PolishRequest);
  }
  const int w = std::min(widen ? std::max(width_, minimumSizeHint().width()) : std::max(width_, width()), maxW);
  int h = hasHeightForWidth() ? heightForWidth(w) : -1;
  if (h < 0) h = sizeHint().height();
  h = std::min(std::max({h, stated_.height(), grown_.height()}), maxH);
  grown_ = QSize(w, h);
  measured_ = true;
  if (size() != grown_ || minimumSize() != grown_ || maximumSize() != grown_) {
    setFixedSize(grown_);
    if (placed_ || isVisible()) keepOnScreen(pos());
  }
}

void FormWindow::setStatedSize(QSize size) {
  stated_ = size;
  grown_ = QSize();
  width_ = 0;
  // what lies below the fold comes and goes with the height
  if (!projecting_) project();
  else fitSize(true);
}

void FormWindow::placeAt(QPoint pos) {
  placed_ = true;
  keepOnScreen(pos);
}

void FormWindow::keepOnScreen(QPoint pos) {
  // a window stays whole on its screen
  const QRect a = screenArea();
  const QSize full = size() + frameExtra();
  const int x = std::clamp(pos.x(), a.left(), std::max(a.left(), a.left() + a.width() - full.width()));
  const int y = std::clamp(pos.y(), a.top(), std::max(a.top(), a.top() + a.height() - full.height()));
  move(x, y);
}

void FormWindow::centreOnScreen() {
  const QRect a = screenArea();
  const QSize full = size() + frameExtra();
  keepOnScreen(a.topLeft() + QPoint((a.width() - full.width()) / 2, (a.height() - full.height()) / 2));
}

bool FormWindow::pressDefault() {
  if (!form_->isOpen()) return false;
  int target = -1;
  // a focused button takes Enter itself, as on every desktop
  if (QWidget* fw = focusWidget()) {
    int id = -1;
    optionOf(fw, &id);
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
  opened_ = true;
  QDialog::showEvent(e);
}

void FormWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange || e->type() == QEvent::WindowTitleChange) titleBar_ = caption_ = -1;
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

int FormWindow::optionOf(QObject* w, int* id) const {
  const auto it = ids_.find(w);
  *id = it != ids_.end() ? it->second.first : -1;
  return it != ids_.end() ? it->second.second : -1;
}

bool FormWindow::typeInList(int id, const QKeyEvent& k) {
  const QString key = k.text();
  if (key.isEmpty() || !key.at(0).isPrint() || (k.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
    return false;
  // keys typed in quick succession spell one name; a pause starts another
  if (typedList_ != id || !typedAt_.isValid() || typedAt_.elapsed() > QApplication::keyboardInputInterval())
    typed_.clear();
  // a blank before any name opens the list, as it always does
  if (typed_.isEmpty() && key.trimmed().isEmpty()) return false;
  typedList_ = id;
  typedAt_.start();
  const auto& st = form_->state(id);
  const int current = std::max(0, st.listIndex);
  typed_ += key;
  // a name spelt on stays on its entry while it still matches; a new one looks past it
  int found = typedEntry(st.entries, typed_.toStdString(), typed_.size() == 1 ? current + 1 : current);
  if (found < 0 && typed_.size() > 1) {
    typed_ = key;
    found = typedEntry(st.entries, typed_.toStdString(), current + 1);
  }
  if (found >= 0 && found != st.listIndex)
    guarded("scelta in " + form_->qualifiedName(id), [&] { form_->choose(id, found); });
  return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
  // most events (paints, moves, polish) are none of the filter's business
  const auto type = e->type();
  if (type != QEvent::FocusIn && type != QEvent::KeyPress && type != QEvent::MouseButtonRelease)
    return QDialog::eventFilter(watched, e);
  int id = -1;
  const int option = optionOf(watched, &id);
  if (id < 0 || id >= form_->count()) return QDialog::eventFilter(watched, e);
  const auto& d = form_->def(id);
  switch (e->type()) {
    case QEvent::FocusIn: {
      // the style marks the focus only after a key has moved it; here it is
      // marked however it came (Qt clears the mark when a window is shown)
      setAttribute(Qt::WA_KeyboardFocusChange);
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
      if (d.kind == Kind::List && typeInList(id, *static_cast<QKeyEvent*>(e))) return true;
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
