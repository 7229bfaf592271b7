#include "window_build.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "drawing_view.h"
#include "form_window.h"
#include "pictures.h"
#include "qt_util.h"

namespace vm::ui {
namespace {

// A field of a grid: as wide as the least width the model gives it, so that
// a grid of fields keeps to the window's designed width.
class NarrowField : public QLineEdit {
 public:
  NarrowField(int chars, QWidget* parent) : QLineEdit(parent), chars_(chars) {}
  QSize sizeHint() const override {
    QSize s = QLineEdit::sizeHint();
    s.setWidth(std::min(s.width(), fontMetrics().averageCharWidth() * chars_ + 12));
    return s;
  }

 private:
  int chars_;
};

Qt::Alignment alignmentOf(layout::Align a, layout::Role role) {
  switch (a) {
    case layout::Align::Start: return Qt::AlignLeft | Qt::AlignVCenter;
    case layout::Align::Centre:
      // a caption over a picture sits just above it
      return role == layout::Role::SectionCaption ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignHCenter;
    case layout::Align::End: return Qt::AlignRight | Qt::AlignVCenter;
    case layout::Align::Fill: return {};
  }
  return {};
}

class Builder {
 public:
  Builder(FormWindow& window, QWidget* body, const layout::Layout& arranged,
          const std::shared_ptr<TextMeasures>& measures, QObject* filter)
      : window_(window), form_(window.form()), body_(body), arranged_(arranged), measures_(measures), filter_(filter) {
    const int n = form_.count();
    parts_.controls.assign(static_cast<std::size_t>(n), Control{});
    // how each control stands in the arrangement: its cell's role and width
    cells_.assign(static_cast<std::size_t>(n), nullptr);
    for (const auto& box : arranged_.boxes)
      for (const auto& item : box.items)
        if (item.control >= 0) cells_[static_cast<std::size_t>(item.control)] = &item;
  }

  Parts run() {
    const int n = form_.count();
    for (int id = 0; id < n; ++id) parts_.at(id).widget = make(id);
    for (int id = 0; id < n; ++id) {
      const auto& d = form_.def(id);
      if (d.kind == Kind::Label && d.drawing >= 0 && form_.def(d.drawing).kind == Kind::Drawing) {
        auto* view = static_cast<DrawingView*>(parts_.at(d.drawing).widget);
        auto* label = static_cast<DrawingLabel*>(parts_.at(id).widget);
        label->setWordWrap(false);
        label->setOpaque(true);  // a value sits clear of the lines under it
        view->anchor(id, label);
      }
      if (d.kind == Kind::Drawing) parts_.drawings.push_back(static_cast<DrawingView*>(parts_.at(id).widget));
      // a caption gives its input the access key it marks
      if ((d.kind == Kind::Input || d.kind == Kind::List) && d.buddy >= 0)
        static_cast<QLabel*>(parts_.at(d.buddy).widget)->setBuddy(parts_.at(id).widget);
    }
    tabOrder();
    if (!arranged_.boxes.empty()) body_->setLayout(grid(0));
    return std::move(parts_);
  }

 private:
  const layout::Item* cell(int id) const { return cells_[static_cast<std::size_t>(id)]; }
  layout::Role roleOf(int id) const { return cell(id) ? cell(id)->role : layout::Role::Text; }

  void tabOrder() {
    QWidget* prev = nullptr;
    for (int id = 0; id < form_.count(); ++id) {
      const auto& c = parts_.at(id);
      std::vector<QWidget*> ws;
      if (!c.radios.empty()) ws.assign(c.radios.begin(), c.radios.end());
      else if (c.widget && c.widget->focusPolicy() != Qt::NoFocus) ws.push_back(c.widget);
      for (QWidget* w : ws) {
        if (prev) QWidget::setTabOrder(prev, w);
        prev = w;
      }
    }
  }

  // The layout of box `b`, its items in their cells.
  QLayout* grid(int b) {
    const layout::Box& box = arranged_.boxes[static_cast<std::size_t>(b)];
    if (box.kind == layout::BoxKind::Buttons) {
      // a row of buttons, centred
      auto* row = new QHBoxLayout;
      row->addStretch(1);
      for (const auto& item : box.items) row->addWidget(widget(item.control));
      row->addStretch(1);
      return row;
    }
    auto* g = new QGridLayout;
    if (box.stretchColumn >= 0) g->setColumnStretch(box.stretchColumn, 1);
    for (const auto& item : box.items) {
      const Qt::Alignment align = alignmentOf(item.align, item.role);
      if (item.role == layout::Role::Frame) {
        QWidget* frame = widget(item.control);
        frame->setLayout(grid(item.box));
        g->addWidget(frame, item.row, item.column, item.rowSpan, item.columnSpan);
      } else if (item.box >= 0) {
        // a box beside another starts at its top
        const Qt::Alignment top = item.align == layout::Align::Fill ? align : (align & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
        g->addLayout(grid(item.box), item.row, item.column, item.rowSpan, item.columnSpan, top);
      } else {
        // an option group takes the height of its cell: its buttons keep their own
        const Qt::Alignment own = item.role == layout::Role::Options ? Qt::Alignment(align & Qt::AlignHorizontal_Mask) : align;
        g->addWidget(widget(item.control), item.row, item.column, item.rowSpan, item.columnSpan, own);
      }
    }
    // what is left of the height goes below the last row
    if (box.kind != layout::BoxKind::Grid) g->setRowStretch(box.rows, 1);
    return g;
  }

  QWidget* widget(int id) const { return parts_.at(id).widget; }

  void track(QWidget* w, int id, int option) {
    parts_.ids[w] = {id, option};
    w->installEventFilter(filter_);
  }

  QWidget* make(int id) {
    const auto& d = form_.def(id);
    const auto& st = form_.state(id);
    auto& c = parts_.at(id);
    const layout::Role role = roleOf(id);
    QWidget* w = nullptr;
    FormWindow* win = &window_;
    Form* f = &form_;
    switch (d.kind) {
      case Kind::Input: {
        const bool inGrid = cell(id) && d.grid >= 0;
        auto* e = inGrid ? new NarrowField(std::max(layout::kFieldChars, cell(id)->minChars), body_) : new QLineEdit(body_);
        QObject::connect(e, &QLineEdit::textEdited, win, [win, f, id](const QString& t) {
          win->guarded("modifica di " + f->qualifiedName(id), [&] { f->type(id, t.toStdString()); });
        });
        w = e;
        break;
      }
      case Kind::Button: {
        auto* b = new QPushButton(body_);
        b->setAutoDefault(false);
        b->setDefault(false);
        if (!d.picture.empty()) {
          b->setIcon(pictureIcon(d.picture));
          b->setIconSize(QSize(40, 40));
        }
        QObject::connect(b, &QPushButton::clicked, win,
                         [win, f, id] { win->guarded("clic su " + f->qualifiedName(id), [&] { f->click(id); }); });
        w = b;
        break;
      }
      case Kind::Options: {
        auto* box = new QWidget(body_);
        auto* lay = new QVBoxLayout(box);
        lay->setContentsMargins(0, 0, 0, 0);
        lay->setSpacing(2);
        c.group = new QButtonGroup(box);
        c.group->setExclusive(true);
        for (std::size_t i = 0; i < st.captions.size(); ++i) {
          auto* r = new QRadioButton(box);
          const int option = d.firstIndex + static_cast<int>(i);
          c.group->addButton(r, option);
          c.radios.push_back(r);
          lay->addWidget(r);
          track(r, id, option);
          QObject::connect(r, &QRadioButton::clicked, win, [win, f, id, option] {
            win->guarded("clic su " + f->qualifiedName(id), [&] { f->click(id, option); });
          });
        }
        c.shown.captions.assign(st.captions.size(), std::string());
        c.shown.captionColors.assign(st.captions.size(), kDefaultColor);
        w = box;
        break;
      }
      case Kind::List: {
        auto* cb = new QComboBox(body_);
        cb->setEditable(false);
        // styles that open a list as a popup over the whole screen ignore how many
        // entries it may show; this one scrolls past the model's most entries
        cb->setStyleSheet(scrollingList());
        QObject::connect(cb, &QComboBox::activated, win, [win, f, id](int i) {
          win->guarded("scelta in " + f->qualifiedName(id), [&] { f->choose(id, i); });
        });
        w = cb;
        break;
      }
      case Kind::Frame: w = new QGroupBox(body_); break;
      case Kind::Picture: {
        if (d.art) {
          // a picture drawn with the drawing kit
          w = new DrawingView(d.art, body_);
          if (d.clickable) w->setCursor(Qt::PointingHandCursor);
          w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
          break;
        }
        auto* l = new QLabel(body_);
        l->setPixmap(picturePixmap(d.picture, QSize(48, 48), l->devicePixelRatioF()));
        l->setAlignment(Qt::AlignCenter);
        w = l;
        break;
      }
      case Kind::Drawing:
        w = new DrawingView(d.art ? d.art : std::make_shared<const Drawing>(), body_);
        if (d.clickable) w->setCursor(Qt::PointingHandCursor);
        w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // labels on it never move the layout
        break;
      case Kind::Label: {
        const bool onDrawing = d.drawing >= 0 && form_.def(d.drawing).kind == Kind::Drawing;
        QLabel* l = onDrawing ? static_cast<QLabel*>(new DrawingLabel(body_)) : new MeasuredLabel(measures_, body_);
        l->setTextFormat(Qt::PlainText);
        if (d.role == Role::Result) {
          l->setTextInteractionFlags(Qt::TextSelectableByMouse);
          l->setCursor(Qt::IBeamCursor);
          if (!onDrawing && role == layout::Role::Result) {
            // a long result wraps inside the window's width instead of widening it
            l->setWordWrap(true);
            l->setFrameShape(QFrame::StyledPanel);
            l->setFrameShadow(QFrame::Sunken);
            l->setMinimumHeight(l->fontMetrics().height() + 6);
          }
        } else if (!onDrawing && cell(id) && cell(id)->wraps) {
          l->setWordWrap(true);
        }
        if (d.clickable) l->setCursor(Qt::PointingHandCursor);
        w = l;
        break;
      }
    }
    parts_.ids[w] = {id, -1};
    w->setObjectName(qs(form_.qualifiedName(id)));
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(!form_.belowFold(id));
    w->setSizePolicy(sp);
    if (d.kind == Kind::Input || d.kind == Kind::Button || d.kind == Kind::List) track(w, id, -1);
    if ((d.kind == Kind::Label || d.kind == Kind::Picture || d.kind == Kind::Drawing) && d.clickable) track(w, id, -1);
    return w;
  }

  FormWindow& window_;
  Form& form_;
  QWidget* body_;
  const layout::Layout& arranged_;
  const std::shared_ptr<TextMeasures>& measures_;
  QObject* filter_;
  Parts parts_;
  std::vector<const layout::Item*> cells_;
};

}  // namespace

Parts buildWindow(FormWindow& window, QWidget* body, const layout::Layout& arranged,
                  const std::shared_ptr<TextMeasures>& measures, QObject* filter) {
  return Builder(window, body, arranged, measures, filter).run();
}

}  // namespace vm::ui
