// The checks the window gallery makes of a window as it is on the screen.
#include "window_checks.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOption>
#include <algorithm>
#include <map>
#include <tuple>

#include "ui/drawing_view.h"
#include "ui/form_window.h"
#include "ui/qt_util.h"

namespace vm::ui::testing {
namespace {

using vm::ui::FormWindow;

QString shown(QString t) { return t.replace("&&", "\x01").remove('&').replace('\x01', '&'); }

std::string nameOf(QWidget* w) {
  QString n = w->objectName();
  if (n.isEmpty() && w->parentWidget()) n = w->parentWidget()->objectName();
  return n.toStdString();
}

// The style options the widgets paint with (their makers are not public).
struct LineEditOptions : QLineEdit {
  using QLineEdit::initStyleOption;
};
struct ComboOptions : QComboBox {
  using QComboBox::initStyleOption;
};

// " is W x H, less than the least M x N its style draws it in", or nothing.
std::string belowLeast(QWidget* c) {
  const QSize least = c->minimumSizeHint();
  if (!least.isValid() || (c->width() >= least.width() && c->height() >= least.height())) return {};
  return " is " + std::to_string(c->width()) + " x " + std::to_string(c->height()) + ", less than the least " +
         std::to_string(least.width()) + " x " + std::to_string(least.height()) + " it is drawn in";
}

std::string quoted(const QString& t) { return "\"" + t.toStdString() + "\""; }

bool onDrawing(const QWidget* w) {
  // the view declares no meta-object of its own: findChildren cannot tell it apart
  return w->parentWidget() && dynamic_cast<const vm::ui::DrawingView*>(w->parentWidget());
}

// What of `w` shows in `root`: its rectangle in root's coordinates, cut by
// every widget it lies in (a scrolled area shows part of what it holds).
QRect onRoot(const QWidget* w, const QWidget* root) {
  QRect r(w->mapTo(root, QPoint(0, 0)), w->size());
  for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
    r &= QRect(p->mapTo(root, QPoint(0, 0)), p->size());
  return r & root->rect();
}

// A label, a button, a field or a list: a widget that shows a text of its
// own (frames show theirs in their caption).
bool bearsText(const QWidget* c) {
  if (auto* l = qobject_cast<const QLabel*>(c)) return !l->text().isEmpty() && l->pixmap().isNull();
  if (auto* b = qobject_cast<const QAbstractButton*>(c)) return !b->text().isEmpty();
  if (auto* e = qobject_cast<const QLineEdit*>(c))
    return !qobject_cast<QComboBox*>(e->parentWidget()) && !qobject_cast<QAbstractSpinBox*>(e->parentWidget());
  return qobject_cast<const QComboBox*>(c) != nullptr;
}

}  // namespace

// Every visible text of `root` that is wider (or taller) than its widget, and
// every control smaller than its text or than the least its style draws: at
// most one report for each widget.
std::vector<std::string> clipped(QWidget* root) {
  std::vector<std::string> out;
  for (QLabel* l : root->findChildren<QLabel*>()) {
    if (!l->isVisibleTo(root) || !l->pixmap().isNull()) continue;
    if (auto* written = dynamic_cast<vm::ui::DrawingLabel*>(l); written && !written->pieces().empty()) {
      // a label on a drawing: each of its pieces inside its own box
      for (const auto& piece : written->pieces()) {
        const QFontMetrics fm(piece.font, l);
        const QRect need = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, piece.text);
        if (need.width() > piece.box.width() + 1 || need.height() > piece.box.height() + 1)
          out.push_back(nameOf(l) + ": " + quoted(piece.text) + " needs " + std::to_string(need.width()) + " of " +
                        std::to_string(piece.box.width()) + " on its drawing");
      }
      continue;
    }
    const QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const QFontMetrics fm = l->fontMetrics();
    if (l->text().isEmpty()) {
      // an empty result box still shows its frame: a line of text high
      if (l->frameShape() != QFrame::NoFrame && r.height() + 1 < fm.height())
        out.push_back(nameOf(l) + ": empty box of " + std::to_string(l->height()) + " high, less than a line (" +
                      std::to_string(fm.height()) + ") inside its frame");
      continue;
    }
    const QString t = l->buddy() ? shown(l->text()) : l->text();
    if (l->wordWrap()) {
      // a word longer than the line does not wrap: it is cut
      int longest = 0;
      for (const QString& word : t.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        longest = std::max(longest, fm.horizontalAdvance(word));
      if (l->heightForWidth(l->width()) > l->height())
        out.push_back(nameOf(l) + ": " + quoted(t) + " needs " + std::to_string(l->heightForWidth(l->width())) +
                      " high of " + std::to_string(l->height()));
      else if (longest > r.width())
        out.push_back(nameOf(l) + ": " + quoted(t) + " has a word wider than its line");
    } else {
      const QRect need = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, t);
      if (need.width() > r.width() || fm.height() > r.height() + 1)
        out.push_back(nameOf(l) + ": " + quoted(t) + " needs " + std::to_string(need.width()) + " x " +
                      std::to_string(std::max(need.height(), fm.height())) + " of " + std::to_string(r.width()) +
                      " x " + std::to_string(r.height()));
    }
  }
  for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
    if (!b->isVisibleTo(root)) continue;
    if (!b->text().isEmpty() && b->sizeHint().width() > b->width())
      out.push_back(nameOf(b) + ": " + quoted(shown(b->text())) + " needs " + std::to_string(b->sizeHint().width()) +
                    " of " + std::to_string(b->width()));
    else if (const std::string small = belowLeast(b); !small.empty())
      out.push_back(nameOf(b) + (b->text().isEmpty() ? "" : " " + quoted(shown(b->text()))) + ":" + small);
  }
  for (QGroupBox* g : root->findChildren<QGroupBox*>()) {
    if (!g->isVisibleTo(root) || g->title().isEmpty()) continue;
    if (g->fontMetrics().horizontalAdvance(shown(g->title())) + 16 > g->width())
      out.push_back(nameOf(g) + ": frame caption " + quoted(shown(g->title())) + " does not fit");
  }
  for (QLineEdit* e : root->findChildren<QLineEdit*>()) {
    // (the field of a list or a spin box is theirs to size)
    if (!e->isVisibleTo(root) || qobject_cast<QComboBox*>(e->parentWidget()) ||
        qobject_cast<QAbstractSpinBox*>(e->parentWidget()))
      continue;
    if (const std::string small = belowLeast(e); !small.empty()) {
      out.push_back(nameOf(e) + ":" + small);
      continue;
    }
    // where the field writes its text, as it paints it
    QStyleOptionFrame opt;
    (e->*&LineEditOptions::initStyleOption)(&opt);
    const QRect area = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).marginsRemoved(e->textMargins());
    const int room = area.width() - 2 * 2;  // the field's own margin each side
    const QFontMetrics fm = e->fontMetrics();
    for (const QString& t : {e->displayText(), e->placeholderText()})
      if (!t.isEmpty() && fm.horizontalAdvance(t) > room) {
        out.push_back(nameOf(e) + ": " + quoted(t) + " needs " + std::to_string(fm.horizontalAdvance(t)) + " of " +
                      std::to_string(room) + " in its field");
        break;
      }
  }
  for (QComboBox* c : root->findChildren<QComboBox*>()) {
    if (!c->isVisibleTo(root)) continue;
    if (!c->currentText().isEmpty() && c->sizeHint().width() > c->width()) {
      out.push_back(nameOf(c) + ": list entry " + quoted(c->currentText()) + " does not fit");
      continue;
    }
    if (const std::string small = belowLeast(c); !small.empty()) {
      out.push_back(nameOf(c) + ":" + small);
      continue;
    }
    QStyleOptionComboBox opt;
    (c->*&ComboOptions::initStyleOption)(&opt);
    const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    const QString t = c->currentIndex() < 0 && c->currentText().isEmpty() ? c->placeholderText() : c->currentText();
    const int icon = opt.currentIcon.isNull() ? 0 : opt.iconSize.width() + 4;
    const int need = c->fontMetrics().horizontalAdvance(t) + icon;
    if (!t.isEmpty() && need > field.width() - 2)
      out.push_back(nameOf(c) + ": " + quoted(t) + " needs " + std::to_string(need) + " of " +
                    std::to_string(field.width() - 2) + " in its list");
  }
  for (QWidget* c : root->findChildren<QWidget*>()) {
    // (a drawing drawn smaller than designed writes its labels smaller too)
    const bool drawing = dynamic_cast<vm::ui::DrawingView*>(c) != nullptr;
    if (!drawing && !qobject_cast<QAbstractItemView*>(c) && !qobject_cast<QAbstractSpinBox*>(c)) continue;
    if (!c->isVisibleTo(root)) continue;
    if (const std::string small = belowLeast(c); !small.empty())
      out.push_back(nameOf(c) + (drawing ? " (drawing)" : "") + ":" + small);
  }
  // (a window as wide as its screen can take leaves the rest of a longer caption to the title bar)
  const QRect area = root->screen() ? root->screen()->availableGeometry() : QRect();
  const bool asWideAsCan = area.isValid() && root->width() + 8 >= area.width();
  if (root->isWindow() && !asWideAsCan && vm::ui::captionWidth(root->windowTitle(), root->font()) > root->width())
    out.push_back("caption " + quoted(root->windowTitle()) + " needs " +
                  std::to_string(vm::ui::captionWidth(root->windowTitle(), root->font())) + " of " +
                  std::to_string(root->width()) + " in a title bar");
  return out;
}
// Every text that what holds it cuts off: a frame (or the window) smaller
// than the text's own widget. A scrolled area shows part of what it holds by
// design: what lies in one is not counted.
std::vector<std::string> cutOff(QWidget* root) {
  std::vector<std::string> out;
  for (QWidget* c : root->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(root) || onDrawing(c) || !bearsText(c)) continue;
    const QRect whole(c->mapTo(root, QPoint(0, 0)), c->size());
    QRect shown = whole & root->rect();
    const QWidget* by = shown == whole ? nullptr : root;
    bool scrolled = false;
    for (const QWidget* p = c->parentWidget(); p && p != root && !scrolled; p = p->parentWidget()) {
      scrolled = qobject_cast<const QAbstractScrollArea*>(p) != nullptr;
      const QRect inside = shown & QRect(p->mapTo(root, QPoint(0, 0)), p->size());
      if (inside != shown) by = p;
      shown = inside;
    }
    if (scrolled || !by || (shown.width() + 1 >= whole.width() && shown.height() + 1 >= whole.height())) continue;
    out.push_back(nameOf(c) + ": " + (by == root ? std::string("the window") : nameOf(const_cast<QWidget*>(by))) +
                  " shows " + std::to_string(shown.width()) + " x " + std::to_string(shown.height()) + " of its " +
                  std::to_string(whole.width()) + " x " + std::to_string(whole.height()));
  }
  return out;
}

// Every two texts of `root` that lie over each other: labels, buttons,
// fields, lists and frame captions (a frame by its caption alone), but not
// a widget and what it holds, nor labels on a drawing.
std::vector<std::string> overlapping(QWidget* root) {
  struct Text {
    QWidget* w;
    QRect at;
    bool caption;  // a frame's caption: it may lie over what the frame holds too
  };
  std::vector<Text> texts;
  for (QWidget* c : root->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(root) || onDrawing(c)) continue;
    if (auto* g = qobject_cast<QGroupBox*>(c)) {
      if (g->title().isEmpty()) continue;
      QStyleOptionGroupBox opt;
      opt.initFrom(g);
      opt.text = g->title();
      opt.lineWidth = 1;
      opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      opt.textAlignment = g->alignment();
      opt.features = g->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
      const QRect title = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
      const QRect shown = onRoot(g, root) & title.translated(g->mapTo(root, QPoint(0, 0)));
      if (!shown.isEmpty()) texts.push_back({g, shown, true});
      continue;
    }
    if (!bearsText(c)) continue;
    const QRect shown = onRoot(c, root);
    if (!shown.isEmpty()) texts.push_back({c, shown, false});
  }
  std::vector<std::string> out;
  for (std::size_t i = 0; i < texts.size(); ++i)
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const Text &a = texts[i], &b = texts[j];
      if (!a.at.intersects(b.at)) continue;
      const bool nested = a.w->isAncestorOf(b.w) || b.w->isAncestorOf(a.w);
      if (nested && !a.caption && !b.caption) continue;
      const QRect both = a.at & b.at;
      out.push_back(nameOf(a.w) + " and " + nameOf(b.w) + " lie over each other (" + std::to_string(both.width()) +
                    " x " + std::to_string(both.height()) + " at " + std::to_string(both.x()) + ", " +
                    std::to_string(both.y()) + ")");
    }
  return out;
}

// Every column of a grid whose widgets, set at its left or filling it, do not
// start at one x; and every column of a table written on a drawing whose
// pieces, declared at one x, do not start at one x.
std::vector<std::string> unaligned(QWidget* root) {
  std::vector<std::string> out;
  std::vector<QLayout*> layouts;
  for (QWidget* c : root->findChildren<QWidget*>())
    if (c->layout() && c->isVisibleTo(root)) layouts.push_back(c->layout());
  if (root->layout()) layouts.push_back(root->layout());
  for (std::size_t k = 0; k < layouts.size(); ++k) {
    QLayout* l = layouts[k];
    for (int i = 0; i < l->count(); ++i)
      if (QLayout* inner = l->itemAt(i)->layout()) layouts.push_back(inner);
    auto* grid = qobject_cast<QGridLayout*>(l);
    if (!grid) continue;
    std::map<int, std::vector<std::pair<int, QWidget*>>> columns;  // column -> (left, widget)
    for (int i = 0; i < grid->count(); ++i) {
      QLayoutItem* item = grid->itemAt(i);
      QWidget* w = item->widget();
      if (!w || !w->isVisibleTo(root)) continue;
      const Qt::Alignment h = item->alignment() & Qt::AlignHorizontal_Mask;
      if (h != 0 && h != Qt::AlignLeft && h != Qt::AlignLeading) continue;
      int row = 0, column = 0, rows = 0, span = 0;
      grid->getItemPosition(i, &row, &column, &rows, &span);
      columns[column].push_back({w->mapTo(root, QPoint(0, 0)).x(), w});
    }
    for (auto& [column, at] : columns) {
      const auto [lo, hi] = std::minmax_element(at.begin(), at.end());
      if (hi->first - lo->first > 1)
        out.push_back("grid column " + std::to_string(column) + ": " + nameOf(lo->second) + " starts at " +
                      std::to_string(lo->first) + ", " + nameOf(hi->second) + " at " + std::to_string(hi->first));
    }
  }
  auto* w = dynamic_cast<FormWindow*>(root);
  if (!w) return out;
  const vm::Form& f = w->form();
  // (drawing, column, declared x) -> (start, label)
  std::map<std::tuple<int, std::size_t, double>, std::vector<std::pair<int, QWidget*>>> pieces;
  for (int id = 0; id < f.count(); ++id) {
    const auto& d = f.def(id);
    if (d.columns.empty()) continue;
    auto* l = dynamic_cast<vm::ui::DrawingLabel*>(w->widgetOf(id));
    if (!l || !l->isVisibleTo(root)) continue;
    const auto& written = l->pieces();
    for (std::size_t k = 0; k < written.size() && k < d.columns.size(); ++k)
      if (!written[k].text.trimmed().isEmpty()) {
        // a column centred in its cell lines up by its middle; one that runs from its anchor, by its start
        const QRect& ink = written[k].ink;
        const int at = written[k].align & Qt::AlignHCenter ? (ink.left() + ink.right() + 1) / 2
                       : written[k].align & Qt::AlignRight ? ink.right() : ink.left();
        pieces[{d.drawing, k, d.columns[k].x}].push_back({l->x() + at, l});
      }
  }
  for (auto& [key, at] : pieces) {
    const auto [lo, hi] = std::minmax_element(at.begin(), at.end());
    if (hi->first - lo->first > 1)
      out.push_back("table column " + std::to_string(std::get<1>(key) + 1) + ": " + nameOf(lo->second) +
                    " stands at " + std::to_string(lo->first) + ", " + nameOf(hi->second) + " at " +
                    std::to_string(hi->first));
  }
  // rows of a table still written as one text each, one under the other:
  // rows of three cells or more (parted by two blanks or more) that start
  // them at the same characters must start each cell at the same x
  // (drawing, anchor x, where the cells start) -> (where each is drawn, label)
  std::map<std::tuple<int, double, std::vector<int>>, std::vector<std::pair<std::vector<int>, QWidget*>>> rows;
  static const QRegularExpression parting(QStringLiteral("\\S(?:\\s{2,})(?=\\S)"));
  for (int id = 0; id < f.count(); ++id) {
    const auto& d = f.def(id);
    if (d.kind != vm::Kind::Label || d.drawing < 0 || !d.columns.empty()) continue;
    auto* l = dynamic_cast<vm::ui::DrawingLabel*>(w->widgetOf(id));
    if (!l || !l->isVisibleTo(root) || l->pieces().size() != 1) continue;
    const auto& piece = l->pieces().front();
    if (piece.text.contains(QLatin1Char('\n'))) continue;
    std::vector<int> starts{int(piece.text.indexOf(QRegularExpression(QStringLiteral("\\S"))))};
    for (auto m = parting.globalMatch(piece.text); m.hasNext();) starts.push_back(int(m.next().capturedEnd()));
    // (two cells may be one text with a wide blank inside: "+  33")
    if (starts.size() < 3) continue;
    const QFontMetrics fm(piece.font, l);
    std::vector<int> xs;
    for (int from : starts) xs.push_back(l->x() + piece.ink.left() + fm.horizontalAdvance(piece.text.left(from)));
    rows[{d.drawing, d.anchorX, starts}].push_back({std::move(xs), l});
  }
  for (auto& [key, table] : rows) {
    for (std::size_t k = 0; table.size() > 1 && k < std::get<2>(key).size(); ++k) {
      const auto [lo, hi] = std::minmax_element(table.begin(), table.end(),
                                                [k](const auto& a, const auto& b) { return a.first[k] < b.first[k]; });
      if (hi->first[k] - lo->first[k] > 1)
        out.push_back("table column " + std::to_string(k + 1) + " (one text a row): " + nameOf(lo->second) +
                      " starts it at " + std::to_string(lo->first[k]) + ", " + nameOf(hi->second) + " at " +
                      std::to_string(hi->first[k]));
    }
  }
  return out;
}

// Every label on a drawing whose box covers a stroke or a text of the
// drawing, or the box of another label (or another piece of its own) there.
std::vector<std::string> overStrokes(QWidget* root) {
  std::vector<std::string> out;
  for (QWidget* child : root->findChildren<QWidget*>()) {
    // the view declares no meta-object of its own: findChildren cannot tell it apart
    auto* view = dynamic_cast<vm::ui::DrawingView*>(child);
    if (!view || !view->isVisibleTo(root) || view->width() <= 0 || view->height() <= 0) continue;
    const qreal dpr = view->devicePixelRatioF();
    QImage art(view->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    art.setDevicePixelRatio(dpr);
    art.fill(Qt::transparent);
    {
      QPainter p(&art);
      vm::ui::DrawingView::paint(p, view->drawing(), QRectF(view->rect()), Qt::black);
    }
    struct Ink {
      QLabel* label;
      QRect at;  // in the view
    };
    std::vector<Ink> inks;
    for (QLabel* l : view->labels()) {
      if (!l->isVisibleTo(root) || l->text().trimmed().isEmpty()) continue;
      std::vector<QRect> boxes{l->geometry()};
      if (auto* written = dynamic_cast<vm::ui::DrawingLabel*>(l); written && !written->pieces().empty()) {
        boxes.clear();
        for (const auto& piece : written->pieces())
          if (!piece.text.trimmed().isEmpty()) boxes.push_back(piece.ink.translated(l->pos()));
      }
      int hits = 0;
      for (const QRect& at : boxes) {
        inks.push_back({l, at});
        const QRect box = QRect(at.topLeft() * dpr, at.size() * dpr).intersected(art.rect());
        for (int y = box.top(); y <= box.bottom(); ++y) {
          const auto* line = reinterpret_cast<const QRgb*>(art.constScanLine(y));
          for (int x = box.left(); x <= box.right(); ++x) hits += qAlpha(line[x]) > 96;
        }
      }
      if (hits > 0)
        out.push_back(nameOf(l) + ": " + quoted(l->text()) + " lies over " + std::to_string(hits) +
                      " stroke pixels of the drawing");
    }
    for (std::size_t i = 0; i < inks.size(); ++i)
      for (std::size_t j = i + 1; j < inks.size(); ++j)
        if (inks[i].at.intersects(inks[j].at)) {
          const QRect both = inks[i].at & inks[j].at;
          out.push_back(nameOf(inks[i].label) +
                        (inks[i].label == inks[j].label ? " lies over itself" : " and " + nameOf(inks[j].label) +
                                                                                 " lie over each other") +
                        " on the drawing (" + std::to_string(both.width()) + " x " + std::to_string(both.height()) +
                        ")");
        }
  }
  return out;
}

// A window (with a usual title bar) that does not fit the screen's
// available area, or leaves it.
std::vector<std::string> offScreen(QWidget* w) {
  const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen->availableGeometry();
  QRect frame = w->frameGeometry();
  if (frame.size() == w->size()) frame.setHeight(frame.height() + vm::ui::titleBarHeight(w->font()));
  if (frame.width() > area.width() || frame.height() > area.height())
    return {"window of " + std::to_string(frame.width()) + " x " + std::to_string(frame.height()) +
            " does not fit the " + std::to_string(area.width()) + " x " + std::to_string(area.height()) +
            " the screen has for it"};
  if (!area.contains(frame)) return {"window leaves the screen"};
  return {};
}

// Every focusable control that looks the same with and without the focus.
std::vector<std::string> unmarkedFocus(QWidget* w) {
  std::vector<std::string> out;
  QWidget* had = w->focusWidget();
  for (QWidget* c : w->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(w) || !c->isEnabled() || c->focusPolicy() == Qt::NoFocus) continue;
    if (!qobject_cast<QAbstractButton*>(c) && !qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c)) continue;
    c->setFocus(Qt::OtherFocusReason);
    const QImage with = c->grab().toImage();
    c->clearFocus();
    const QImage without = c->grab().toImage();
    if (with == without) out.push_back(nameOf(c) + ": shows no mark of the focus");
  }
  if (had) had->setFocus(Qt::OtherFocusReason);
  return out;
}

}  // namespace vm::ui::testing
