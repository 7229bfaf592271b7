#pragma once
// The reference of the window benchmarks: a dialog built by hand with the
// same widgets as a Calculator's window, set as the window sets them (frame
// contents inside their frames, hidden controls keeping their room, its
// colours, its focus and the focus mark), driving the same model, and
// updating after each event only the widgets whose text or visibility
// differ, as a careful hand-written dialog would.
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    auto* side = new QVBoxLayout;
    outer->addLayout(grid, 1);
    outer->addLayout(side);
    auto* buttons = new QHBoxLayout;
    const int n = form_->count();
    widgets_.assign(static_cast<std::size_t>(n), nullptr);
    int row = 0;
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
          auto* b = new QPushButton(ui::literal(st.text), this);
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
            if (i < st.optionTooltips.size() && !st.optionTooltips[i].empty()) r->setToolTip(ui::qs(st.optionTooltips[i]));
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
            break;
          }
          auto* l = new QLabel(this);
          l->setPixmap(ui::picturePixmap(d.picture, QSize(48, 48), devicePixelRatioF()));
          w = l;
          break;
        }
        case Kind::Drawing: {
          w = new ui::DrawingView(d.art ? d.art : std::make_shared<const Drawing>(), this);
          break;
        }
        case Kind::Label: {
          // the same settings as the window's labels: results selectable,
          // framed and a line and a half high, texts wrapped unless they sit on a drawing or beside a control
          auto* l = new QLabel(ui::qs(st.text), this);
          l->setTextFormat(Qt::PlainText);
          if (d.role == Role::Result) {
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
            if (d.drawing < 0) {
              l->setWordWrap(true);
              l->setFrameShape(QFrame::StyledPanel);
              l->setFrameShadow(QFrame::Sunken);
              l->setMinimumHeight(l->fontMetrics().height() + 6);
            }
          } else if (d.role == Role::Static && d.drawing < 0 && d.beside < 0) {
            l->setWordWrap(true);
          }
          if (d.drawing >= 0) l->setAutoFillBackground(true);
          else if (st.backColor != kDefaultColor) l->setAutoFillBackground(true);
          paint(l, QPalette::WindowText, st.foreColor);
          paint(l, QPalette::Window, st.backColor);
          w = l;
          break;
        }
      }
      w->setToolTip(ui::qs(st.tooltip));
      // a hidden control keeps its room, as in the window (those below the fold excepted)
      QSizePolicy sp = w->sizePolicy();
      sp.setRetainSizeWhenHidden(!form_->belowFold(id));
      w->setSizePolicy(sp);
      w->setVisible(st.visible);
      widgets_[static_cast<std::size_t>(id)] = w;
    }
    // each control in the grid of the frame holding it, as in the window it
    // stands for; a frame's buttons in a row at the foot of that frame
    struct Grid {
      QGridLayout* grid = nullptr;
      QHBoxLayout* buttons = nullptr;
      int row = 0;
    };
    std::vector<Grid> grids(static_cast<std::size_t>(n) + 1);
    grids[0] = {grid, buttons, 0};
    auto gridOf = [&](int parent) -> Grid& {
      Grid& g = grids[static_cast<std::size_t>(parent + 1)];
      if (!g.grid) {
        g.grid = new QGridLayout(widgets_[static_cast<std::size_t>(parent)]);
        g.grid->setColumnStretch(1, 1);
        g.buttons = new QHBoxLayout;
      }
      return g;
    };
    for (int id = 0; id < n; ++id) {
      const auto& d = form_->def(id);
      QWidget* w = widgets_[static_cast<std::size_t>(id)];
      Grid& g = gridOf(d.parent);
      if (d.kind == Kind::Label && d.drawing >= 0) {
        static_cast<ui::DrawingView*>(widgets_[static_cast<std::size_t>(d.drawing)])
            ->anchor(static_cast<QLabel*>(w), d.anchorX, d.anchorY);
      } else if ((d.kind == Kind::Input || d.kind == Kind::List) && d.buddy >= 0) {
        g.grid->addWidget(widgets_[static_cast<std::size_t>(d.buddy)], g.row, 0);
        g.grid->addWidget(w, g.row++, 1);
      } else if (d.kind == Kind::Button) {
        g.buttons->addWidget(w);
      } else if (d.kind == Kind::Drawing && d.parent < 0) {
        side->addWidget(w);
      } else if (d.role != Role::Caption) {
        g.grid->addWidget(w, g.row++, 0, 1, 2);
      }
    }
    for (std::size_t i = 1; i < grids.size(); ++i)
      if (grids[i].grid) grids[i].grid->addLayout(grids[i].buttons, grids[i].row, 0, 1, 2);
    row = grids[0].row;
    grid->addLayout(buttons, row++, 0, 1, 2);
    // the size of the window it stands for: the stated one, and wide enough
    // for its caption, as a dialog drawn by hand for that window would be
    const auto& g = form_->geometry();
    int w = std::max(sizeHint().width(), ui::captionWidthIn(windowTitle(), ui::titleBarFont(font(), desktopTitle)));
    if (g.width) w = std::max(w, ui::pixelsOf(*g.width, screen()));
    int h = hasHeightForWidth() ? heightForWidth(w) : -1;
    if (h < 0) h = sizeHint().height();
    if (g.height) h = std::max(h, ui::pixelsOf(*g.height, screen()));
    resize(w, h);
    // the focus where the window puts it when it opens
    const Focus f = form_->focus();
    if (f.id >= 0) {
      auto r = radios_.find({f.id, f.option});
      QWidget* target = r != radios_.end() ? r->second : widgets_[static_cast<std::size_t>(f.id)];
      if (target->focusPolicy() != Qt::NoFocus) target->setFocus(Qt::OtherFocusReason);
    }
  }

  Form& form() const { return *form_; }
  QWidget* widget(int id) const { return widgets_[static_cast<std::size_t>(id)]; }

 protected:
  bool event(QEvent* e) override {
    // its focus is marked however it came, as in the window
    if (e->type() == QEvent::WindowActivate) setAttribute(Qt::WA_KeyboardFocusChange);
    return QDialog::event(e);
  }

 private:
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
    for (auto* view : moved) view->placeLabels();
  }

  HeadlessHost host_;
  std::unique_ptr<Form> form_;
  std::vector<QWidget*> widgets_;
  std::map<std::pair<int, int>, QRadioButton*> radios_;  // by control and option
};

}  // namespace vm::bench
