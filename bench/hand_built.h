#pragma once
// The reference of the window benchmarks: a dialog built by hand with the
// same widgets as a Calculator's window, driving the same model, and
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
#include <memory>
#include <vector>

#include "framework/headless.h"
#include "ui/drawing_view.h"
#include "ui/pictures.h"
#include "ui/qt_util.h"

namespace vm::bench {

class HandBuilt : public QDialog {
 public:
  // desktopTitle: the desktop's title font, asked once by the caller as the window's host does
  HandBuilt(std::unique_ptr<Form> form, const QFont& desktopTitle) : form_(std::move(form)) {
    form_->open(host_, Regional::italian(), false);
    setWindowTitle(ui::qs(form_->caption()));
    auto* outer = new QHBoxLayout(this);
    auto* grid = new QGridLayout;
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
          connect(e, &QLineEdit::textEdited, this, [this, id](const QString& t) {
            form_->type(id, t.toStdString());
            refresh();
          });
          w = e;
          break;
        }
        case Kind::Button: {
          auto* b = new QPushButton(ui::literal(st.text), this);
          if (!d.picture.empty()) b->setIcon(ui::pictureIcon(d.picture));
          connect(b, &QPushButton::clicked, this, [this, id] {
            form_->click(id);
            refresh();
          });
          buttons->addWidget(b);
          w = b;
          break;
        }
        case Kind::Options: {
          auto* box = new QWidget(this);
          auto* lay = new QVBoxLayout(box);
          for (std::size_t i = 0; i < st.captions.size(); ++i) {
            auto* r = new QRadioButton(ui::literal(st.captions[i]), box);
            const int option = d.firstIndex + static_cast<int>(i);
            r->setChecked(st.selected == option);
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
          auto* l = new QLabel(this);
          l->setPixmap(ui::picturePixmap(d.picture, QSize(48, 48), devicePixelRatioF()));
          w = l;
          break;
        }
        case Kind::Drawing: {
          auto* v = new ui::DrawingView(d.art ? d.art : std::make_shared<const Drawing>(), this);
          side->addWidget(v);
          w = v;
          break;
        }
        case Kind::Label: {
          // the same settings as the window's labels: results selectable and
          // framed, texts wrapped unless they sit on a drawing or beside a control
          auto* l = new QLabel(ui::qs(st.text), this);
          l->setTextFormat(Qt::PlainText);
          if (d.role == Role::Result) {
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
            if (d.drawing < 0) {
              l->setWordWrap(true);
              l->setFrameShape(QFrame::StyledPanel);
              l->setFrameShadow(QFrame::Sunken);
            }
          } else if (d.role == Role::Static && d.drawing < 0 && d.beside < 0) {
            l->setWordWrap(true);
          }
          if (d.drawing >= 0) l->setAutoFillBackground(true);
          w = l;
          break;
        }
      }
      w->setToolTip(ui::qs(st.tooltip));
      w->setVisible(st.visible);
      widgets_[static_cast<std::size_t>(id)] = w;
    }
    for (int id = 0; id < n; ++id) {
      const auto& d = form_->def(id);
      QWidget* w = widgets_[static_cast<std::size_t>(id)];
      if (d.kind == Kind::Label && d.drawing >= 0) {
        static_cast<ui::DrawingView*>(widgets_[static_cast<std::size_t>(d.drawing)])
            ->anchor(static_cast<QLabel*>(w), d.anchorX, d.anchorY);
      } else if ((d.kind == Kind::Input || d.kind == Kind::List) && d.buddy >= 0) {
        grid->addWidget(widgets_[static_cast<std::size_t>(d.buddy)], row, 0);
        grid->addWidget(w, row++, 1);
      } else if (d.kind != Kind::Button && d.kind != Kind::Drawing && d.role != Role::Caption) {
        grid->addWidget(w, row++, 0, 1, 2);
      }
    }
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
  }

  Form& form() const { return *form_; }
  QWidget* widget(int id) const { return widgets_[static_cast<std::size_t>(id)]; }

 private:
  void refresh() {
    for (int id = 0; id < form_->count(); ++id) {
      const auto& d = form_->def(id);
      const auto& st = form_->state(id);
      QWidget* w = widgets_[static_cast<std::size_t>(id)];
      if (w->isHidden() == st.visible) w->setVisible(st.visible);
      if (d.kind == Kind::Label) {
        auto* l = static_cast<QLabel*>(w);
        const QString t = ui::qs(st.text);
        if (l->text() != t) l->setText(t);
      } else if (d.kind == Kind::Input) {
        auto* e = static_cast<QLineEdit*>(w);
        const QString t = ui::qs(st.text);
        if (e->text() != t) e->setText(t);
      }
    }
  }

  HeadlessHost host_;
  std::unique_ptr<Form> form_;
  std::vector<QWidget*> widgets_;
};

}  // namespace vm::bench
