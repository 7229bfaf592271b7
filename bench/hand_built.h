#pragma once
// The reference of the window benchmarks: a dialog built by hand with the
// same widgets as a Calculator's window, set as the window sets them (frame
// contents inside their frames, hidden controls keeping their room, its
// colours, its focus and the focus mark), laid out in the same rows at the
// same size, driving the same model, and updating after each event only the
// widgets whose text or visibility differ, as a careful hand-written dialog
// would. The tests hold it to the window, widget by widget.
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "framework/headless.h"
#include "ui/drawing_view.h"
#include "ui/pictures.h"
#include "ui/qt_util.h"

namespace vm::bench {

// A colour of its own, as the window shows it (none: the style's).
inline void paint(QWidget* w, QPalette::ColorRole role, Color c) {
  if (c != kDefaultColor) ui::setColour(w, role, c);
}

class HandBuilt : public QDialog {
 public:
  // desktopTitle: the desktop's title font, asked once by the caller as the window's host does
  HandBuilt(std::unique_ptr<Form> form, const QFont& desktopTitle) : form_(std::move(form)) {
    form_->open(host_, Regional::italian(), false);
    setWindowTitle(ui::qs(form_->caption()));
    auto* outer = new QHBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetNoConstraint);  // its size is the one worked out below
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid, 1);
    const int n = form_->count();
    widgets_.assign(static_cast<std::size_t>(n), nullptr);
    for (int id = 0; id < n; ++id) {
      const auto& d = form_->def(id);
      const auto& st = form_->state(id);
      QWidget* w = nullptr;
      switch (d.kind) {
        case Kind::Input: {
          auto* e = new QLineEdit(ui::qs(st.text), this);
          paint(e, QPalette::Text, st.foreColor);
          paint(e, QPalette::Base, st.backColor);
          connect(e, &QLineEdit::textEdited, this, [this, id](const QString& t) {
            form_->type(id, t.toStdString());
            refresh();
          });
          w = e;
          break;
        }
        case Kind::Button: {
          auto* b = new QPushButton(this);
          b->setText(ui::buttonLines(ui::qs(st.text), b->fontMetrics()));
          paint(b, QPalette::ButtonText, st.foreColor);
          b->setAutoDefault(false);
          if (!d.picture.empty()) {
            b->setIcon(ui::pictureIcon(d.picture));
            b->setIconSize(QSize(40, 40));
          }
          connect(b, &QPushButton::clicked, this, [this, id] {
            form_->click(id);
            refresh();
          });
          w = b;
          break;
        }
        case Kind::Options: {
          auto* box = new QWidget(this);
          auto* lay = new QVBoxLayout(box);
          lay->setContentsMargins(0, 0, 0, 0);
          lay->setSpacing(2);
          for (std::size_t i = 0; i < st.captions.size(); ++i) {
            auto* r = new QRadioButton(ui::literal(st.captions[i]), box);
            const int option = d.firstIndex + static_cast<int>(i);
            r->setChecked(st.selected == option);
            const Color own = i < st.captionColors.size() ? st.captionColors[i] : kDefaultColor;
            paint(r, QPalette::WindowText, own != kDefaultColor ? own : st.foreColor);
            radios_[{id, option}] = r;
            if (!st.optionTooltip(i).empty()) r->setToolTip(ui::qs(st.optionTooltip(i)));
            connect(r, &QRadioButton::clicked, this, [this, id, option] {
              form_->click(id, option);
              refresh();
            });
            lay->addWidget(r);
          }
          w = box;
          break;
        }
        case Kind::List: {
          auto* cb = new QComboBox(this);
          cb->setStyleSheet(ui::scrollingList());  // as the window's lists
          for (const auto& e : st.entries) cb->addItem(ui::qs(e));
          w = cb;
          break;
        }
        case Kind::Frame:
          w = new QGroupBox(ui::literal(st.text), this);
          break;
        case Kind::Picture: {
          if (d.art) {  // a picture drawn with the drawing kit
            w = new ui::DrawingView(d.art, this);
            w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            break;
          }
          auto* l = new QLabel(this);
          l->setPixmap(ui::picturePixmap(d.picture, QSize(48, 48), devicePixelRatioF()));
          l->setAlignment(Qt::AlignCenter);
          w = l;
          break;
        }
        case Kind::Drawing: {
          w = new ui::DrawingView(d.art ? d.art : std::make_shared<const Drawing>(), this);
          w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
          break;
        }
        case Kind::Label: {
          // the same settings as the window's labels: results selectable,
          // framed and a line and a half high, texts wrapped unless they sit on a drawing or beside a control
          // (a caption shows its text as it stands: its input takes the access key)
          const bool onDrawing = d.drawing >= 0 && form_->def(d.drawing).kind == Kind::Drawing;
          QLabel* l = onDrawing ? new ui::DrawingLabel(this) : new QLabel(this);
          l->setText(d.role == Role::Caption && d.buddy >= 0 ? ui::literal(st.text) : ui::qs(st.text));
          l->setTextFormat(Qt::PlainText);
          if (d.role == Role::Result) {
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
            l->setCursor(Qt::IBeamCursor);
            if (d.drawing < 0) {
              l->setWordWrap(true);
              l->setFrameShape(QFrame::StyledPanel);
              l->setFrameShadow(QFrame::Sunken);
              l->setMinimumHeight(l->fontMetrics().height() + 6);
            }
          } else if (d.role == Role::Static && d.drawing < 0 && d.beside < 0) {
            l->setWordWrap(true);
          }
          if (onDrawing) static_cast<ui::DrawingLabel*>(l)->setOpaque(true);
          else if (d.drawing >= 0) l->setAutoFillBackground(true);
          else if (st.backColor != kDefaultColor) l->setAutoFillBackground(true);
          paint(l, QPalette::WindowText, st.foreColor);
          paint(l, QPalette::Window, st.backColor);
          w = l;
          break;
        }
      }
      w->setObjectName(ui::qs(form_->qualifiedName(id)));  // named, as a designed dialog's widgets are
      w->setToolTip(ui::qs(st.tooltip));
      if (d.clickable) w->setCursor(Qt::PointingHandCursor);
      // a hidden control keeps its room, as in the window (those below the
      // fold excepted, hidden while the fold is closed)
      QSizePolicy sp = w->sizePolicy();
      sp.setRetainSizeWhenHidden(!form_->belowFold(id));
      w->setSizePolicy(sp);
      w->setVisible(st.visible && !(form_->belowFold(id) && !form_->foldOpen()));
      widgets_[static_cast<std::size_t>(id)] = w;
    }
    // the rows a hand-built dialog of that window has: captions beside their
    // inputs, a frame's controls inside it, buttons side by side, centred, in
    // a row where they stand, a hint just before its button, a result's
    // caption in its row, the drawings in a column on the right
    // values on a drawing, at their marks
    for (int id = 0; id < n; ++id) {
      const auto& d = form_->def(id);
      if (d.kind == Kind::Label && d.drawing >= 0 && form_->def(d.drawing).kind == Kind::Drawing)
        static_cast<ui::DrawingView*>(at(d.drawing))->anchor(id, static_cast<ui::DrawingLabel*>(at(id)));
    }
    placeOnDrawings({});
    std::vector<int> drawings;
    placeRows(grid, -1, &drawings);
    if (!drawings.empty()) {
      auto* side = new QVBoxLayout;
      for (int id : drawings) side->addWidget(widgets_[static_cast<std::size_t>(id)], 0, Qt::AlignHCenter);
      side->addStretch(1);
      outer->addLayout(side);
    }
    // the size of the window it stands for: the stated one, and wide enough
    // for its caption, as a dialog drawn by hand for that window would be
    const auto& g = form_->geometry();
    int w = std::max(sizeHint().width(), ui::captionWidthIn(windowTitle(), ui::titleBarFont(font(), desktopTitle)));
    if (g.width) w = std::max(w, ui::pixelsOf(*g.width, screen()));
    int h = hasHeightForWidth() ? heightForWidth(w) : -1;
    if (h < 0) h = sizeHint().height();
    if (g.height) h = std::max(h, ui::pixelsOf(*g.height, screen()));
    // and whole on the screen, its frame beside it
    const QRect area = screen()->availableGeometry();
    w = std::min(w, area.width() - 8);
    h = std::min(h, area.height() - ui::titleBarHeightIn(ui::titleBarFont(font(), desktopTitle)));
    setFixedSize(w, h);  // and keeps it, as the window does
    // the focus where the window puts it when it opens
    const Focus f = form_->focus();
    if (f.id >= 0) {
      auto r = radios_.find({f.id, f.option});
      QWidget* target = r != radios_.end() ? r->second : widgets_[static_cast<std::size_t>(f.id)];
      if (target->focusPolicy() != Qt::NoFocus) target->setFocus(Qt::OtherFocusReason);
    }
  }

  Form& form() const { return *form_; }
  // The companion windows its form opened as it loaded (a hand-built
  // application opens them with it, as the window does).
  std::vector<std::string> companions() const {
    std::vector<std::string> out;
    for (const auto& e : host_.events)
      if (e.type == HostEvent::Type::Open) out.push_back(e.form);
    return out;
  }
  QWidget* widget(int id) const { return widgets_[static_cast<std::size_t>(id)]; }

 protected:
  bool event(QEvent* e) override {
    // its focus is marked however it came, as in the window
    if (e->type() == QEvent::WindowActivate) setAttribute(Qt::WA_KeyboardFocusChange);
    return QDialog::event(e);
  }

 private:
  QWidget* at(int id) const { return widgets_[static_cast<std::size_t>(id)]; }

  // The rows of the controls that `parent` holds (-1: the window), in table
  // order; `drawings` takes the window's own drawings for the column beside.
  void placeRows(QGridLayout* grid, int parent, std::vector<int>* drawings) {
    const int n = form_->count();
    auto labelBeside = [&](int id) {  // the control a label stands beside in its row, or -1
      const auto& d = form_->def(id);
      if (d.kind != Kind::Label || d.beside < 0 || d.beside >= n || d.drawing >= 0) return -1;
      const auto& t = form_->def(d.beside);
      if (t.parent != parent) return -1;
      if (t.kind == Kind::Button) return d.beside;
      if (d.role == Role::Static && t.kind == Kind::Label && t.role == Role::Result && t.drawing < 0 && d.parent == parent)
        return d.beside;
      return -1;
    };
    std::map<int, std::vector<int>> besides;  // by the control they stand beside
    for (int id = 0; id < n; ++id)
      if (const int t = labelBeside(id); t >= 0) {
        auto& v = besides[t];
        if (form_->def(t).kind == Kind::Button || v.empty()) v.push_back(id);
      }
    auto placedBeside = [&](int id) {
      for (const auto& [t, labels] : besides)
        if (std::find(labels.begin(), labels.end(), id) != labels.end()) return true;
      return false;
    };
    int row = 0;
    QHBoxLayout* buttons = nullptr;
    for (int id = 0; id < n; ++id) {
      const auto& d = form_->def(id);
      if (d.parent != parent || (d.kind == Kind::Label && d.drawing >= 0)) continue;
      if (d.kind == Kind::Label && d.role == Role::Caption && d.buddy >= 0) continue;  // beside its input
      if (placedBeside(id)) continue;
      QWidget* w = at(id);
      if (d.kind == Kind::Button) {
        if (!buttons) {
          buttons = new QHBoxLayout;
          buttons->addStretch(1);
          grid->addLayout(buttons, row++, 0, 1, 2);
        }
        if (auto b = besides.find(id); b != besides.end())
          for (int label : b->second) buttons->addWidget(at(label));
        buttons->addWidget(w);
        continue;
      }
      if (buttons) buttons->addStretch(1), buttons = nullptr;
      if ((d.kind == Kind::Input || d.kind == Kind::List)) {
        if (d.buddy >= 0) {
          static_cast<QLabel*>(at(d.buddy))->setBuddy(w);
          grid->addWidget(at(d.buddy), row, 0);
        }
        grid->addWidget(w, row++, 1);
      } else if (d.kind == Kind::Drawing) {
        if (parent < 0) drawings->push_back(id);
        else grid->addWidget(w, row++, 0, 1, 2, Qt::AlignHCenter);
      } else if (d.kind == Kind::Frame) {
        auto* inner = new QGridLayout(w);
        inner->setColumnStretch(1, 1);
        placeRows(inner, id, drawings);
        grid->addWidget(w, row++, 0, 1, 2);
      } else if (auto b = besides.find(id); b != besides.end()) {
        grid->addWidget(at(b->second.front()), row, 0);
        grid->addWidget(w, row++, 1);
      } else {
        grid->addWidget(w, row++, 0, 1, 2);
      }
    }
    if (buttons) buttons->addStretch(1);
    grid->setRowStretch(row, 1);
  }

  void refresh() {
    std::vector<ui::DrawingView*> moved;  // drawings whose labels changed
    for (int id = 0; id < form_->count(); ++id) {
      const auto& d = form_->def(id);
      const auto& st = form_->state(id);
      QWidget* w = widgets_[static_cast<std::size_t>(id)];
      if (w->isHidden() == st.visible) w->setVisible(st.visible);
      if (d.kind == Kind::Label) {
        auto* l = static_cast<QLabel*>(w);
        const QString t = ui::qs(st.text);
        if (l->text() != t) {
          l->setText(t);
          // a value on a drawing takes the size of its new text, at its place
          if (d.drawing >= 0) {
            auto* view = static_cast<ui::DrawingView*>(widgets_[static_cast<std::size_t>(d.drawing)]);
            if (std::find(moved.begin(), moved.end(), view) == moved.end()) moved.push_back(view);
          }
        }
      } else if (d.kind == Kind::Input) {
        auto* e = static_cast<QLineEdit*>(w);
        const QString t = ui::qs(st.text);
        if (e->text() != t) e->setText(t);
      }
    }
    placeOnDrawings(moved);
  }

  // The labels of the drawings in `moved` (of every drawing, when empty) where the model places them.
  void placeOnDrawings(const std::vector<ui::DrawingView*>& moved) {
    if (moved.empty() && placedOnce_) return;
    for (const auto& placed : layout::arrange(*form_).drawings) {
      auto* view = dynamic_cast<ui::DrawingView*>(widgets_[static_cast<std::size_t>(placed.control)]);
      if (view && (!placedOnce_ || std::find(moved.begin(), moved.end(), view) != moved.end()))
        view->placeLabels(placed);
    }
    placedOnce_ = true;
  }

  HeadlessHost host_;
  std::unique_ptr<Form> form_;
  std::vector<QWidget*> widgets_;
  std::map<std::pair<int, int>, QRadioButton*> radios_;  // by control and option
  bool placedOnce_ = false;
};

}  // namespace vm::bench
