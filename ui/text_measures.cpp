#include "text_measures.h"

#include "qt_util.h"

namespace vm::ui {

TextMeasures::Sizes* TextMeasures::find(const QString& text, const Setting& s) {
  auto it = labels_.find(text);
  if (it == labels_.end()) return nullptr;
  for (Entry& e : *it)
    if (e.setting == s) return &e.sizes;
  return nullptr;
}

TextMeasures::Sizes& TextMeasures::add(const QString& text, const Setting& s, Sizes sizes) {
  if (count_ >= kMost) clear();
  ++count_;
  auto& entries = labels_[text];
  entries.push_back({s, std::move(sizes)});
  return entries.back().sizes;
}

void TextMeasures::clear() {
  labels_.clear();
  captions_.clear();
  count_ = 0;
}

int TextMeasures::captionWidth(const QString& title, const QFont& barFont) {
  auto& widths = captions_[title];
  for (const auto& [font, width] : widths)
    if (font == barFont) return width;
  const int width = captionWidthIn(title, barFont);
  widths.emplace_back(barFont, width);
  return width;
}

TextMeasures::Sizes* MeasuredLabel::sizes() const {
  // a picture, or a text laid out as rich text, is measured as Qt measures it
  if (!measures_ || !pixmap().isNull() || textFormat() != Qt::PlainText) return nullptr;
  TextMeasures::Setting s;
  s.font = font();
  s.dpi = logicalDpiY();
  s.frame = frameStyle();
  s.alignment = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
  s.margin = margin();
  s.indent = indent();
  s.minSize = minimumSize();
  s.maxWidth = maximumWidth();
  s.style = style();
  s.buddy = buddy() != nullptr;
  s.interaction = static_cast<int>(textInteractionFlags());
  s.direction = static_cast<int>(layoutDirection());
  s.contents = contentsMargins();
  const QString t = text();
  if (TextMeasures::Sizes* known = measures_->find(t, s)) return known;
  return &measures_->add(t, s, {});
}

TextMeasures::Sizes* MeasuredLabel::hints() const {
  TextMeasures::Sizes* s = sizes();
  if (s && !s->hint.isValid()) {
    // (Qt works out both at once)
    s->minimum = QLabel::minimumSizeHint();
    s->hint = QLabel::sizeHint();
  }
  return s;
}

QSize MeasuredLabel::sizeHint() const {
  const TextMeasures::Sizes* s = hints();
  return s ? s->hint : QLabel::sizeHint();
}

QSize MeasuredLabel::minimumSizeHint() const {
  const TextMeasures::Sizes* s = hints();
  return s ? s->minimum : QLabel::minimumSizeHint();
}

int MeasuredLabel::heightForWidth(int w) const {
  TextMeasures::Sizes* s = sizes();
  if (!s) return QLabel::heightForWidth(w);
  for (const auto& [width, height] : s->heights)
    if (width == w) return height;
  const int h = QLabel::heightForWidth(w);
  // a window asks for a few widths only; a wrapped result at many widths keeps the last ones
  if (s->heights.size() >= 8) s->heights.erase(s->heights.begin());
  s->heights.emplace_back(w, h);
  return h;
}

}  // namespace vm::ui
