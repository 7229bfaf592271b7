#include "window_projection.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "drawing_view.h"
#include "framework/layout.h"
#include "framework/numbers.h"
#include "qt_util.h"

namespace vm::ui {

Projection::Changes Projection::project() {
  Changes out;
  std::vector<bool> moved(parts_.drawings.size(), false);
  for (int id = 0; id < form_.count(); ++id) {
    if (!projectControl(id)) continue;
    const auto& d = form_.def(id);
    QWidget* w = parts_.at(id).widget;
    if (d.drawing >= 0 && d.kind == Kind::Label) {
      // a label on a drawing moves on it; the window's layout stays
      for (std::size_t i = 0; i < parts_.drawings.size(); ++i)
        if (parts_.drawings[i] == parts_.at(d.drawing).widget) moved[i] = true;
      continue;
    }
    out.relayout = true;
    out.resized.push_back(w);
  }
  const bool relabel = !labelsPlaced_ || std::find(moved.begin(), moved.end(), true) != moved.end();
  if (relabel || !listsFilled_.empty()) {
    const layout::Layout arranged = layout::arrange(form_);
    // a list's popup shows as many entries as the model lets it, and scrolls the rest
    for (const auto& box : arranged.boxes)
      for (const auto& item : box.items)
        if (item.role == layout::Role::List &&
            std::find(listsFilled_.begin(), listsFilled_.end(), item.control) != listsFilled_.end())
          static_cast<QComboBox*>(parts_.at(item.control).widget)->setMaxVisibleItems(std::max(1, item.visibleEntries));
    listsFilled_.clear();
    // the labels on a drawing go where the model places them as the texts are now
    if (relabel)
      for (const auto& placed : arranged.drawings)
        for (std::size_t i = 0; i < parts_.drawings.size(); ++i)
          if ((moved[i] || !labelsPlaced_) && parts_.drawings[i] == parts_.at(placed.control).widget)
            parts_.drawings[i]->placeLabels(placed);
    labelsPlaced_ = true;
  }
  return out;
}

QLabel* Projection::readingHint(int id) const {
  if (id < 0 || id >= static_cast<int>(hints_.size())) return nullptr;
  QLabel* h = hints_[static_cast<std::size_t>(id)];
  return h && !h->isHidden() ? h : nullptr;
}

void Projection::showReadingHint(int id, QLineEdit* e) {
  const std::optional<double> read = partlyRead(form_.state(id).text);
  if (hints_.size() <= static_cast<std::size_t>(id)) {
    if (!read) return;
    hints_.resize(static_cast<std::size_t>(form_.count()), nullptr);
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

bool Projection::projectControl(int id) {
  const auto& d = form_.def(id);
  const auto& st = form_.state(id);
  auto& c = parts_.at(id);
  auto& was = c.shown;
  QWidget* w = c.widget;
  const QSignalBlocker block(w);
  bool relayout = false;
  if (d.kind != Kind::Options && st.tooltip != was.tooltip) {
    w->setToolTip(qs(st.tooltip));
    was.tooltip = st.tooltip;
  }
  const bool hide = !st.visible || (form_.belowFold(id) && !form_.foldOpen());
  if (hide != c.hidden) {
    w->setHidden(hide);
    c.hidden = hide;
    relayout = true;
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
        if (cb->isVisible() && cb->sizeAdjustPolicy() != QComboBox::AdjustToContents)
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

}  // namespace vm::ui
