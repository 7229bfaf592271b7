#pragma once
// What texts measure, kept for every window a host opens. Laying a label's
// text out to learn its size is the dearest part of opening a window, and
// the windows show the same captions, hints and units time and again: a
// label asks here first, and lays its text out only for a text, font and
// setting it has not met yet. Kept by the host, so no window depends on
// another's lifetime.
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QMargins>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

namespace vm::ui {

class TextMeasures {
 public:
  // Everything a plain-text label's size depends on besides its text.
  struct Setting {
    QFont font;
    int dpi = 0;
    int frame = 0;      // frame style
    int alignment = 0;  // with the word wrap flag
    int margin = 0;
    int indent = 0;
    QSize minSize;
    int maxWidth = 0;
    const void* style = nullptr;
    bool buddy = false;
    int interaction = 0;  // selectable text is laid out with room for its cursor
    int direction = 0;    // the layout direction
    QMargins contents;
    bool operator==(const Setting&) const = default;
  };
  struct Sizes {
    QSize hint;  // invalid until asked: a wrapped text is often asked only its height
    QSize minimum;
    std::vector<std::pair<int, int>> heights;  // (width, height) for wrapped texts
  };

  // The sizes of `text` at `s`, or null when not measured yet.
  Sizes* find(const QString& text, const Setting& s);
  Sizes& add(const QString& text, const Setting& s, Sizes sizes);
  // The caption's width in a title bar's font.
  int captionWidth(const QString& title, const QFont& barFont);

  int count() const { return count_; }
  void clear();

 private:
  struct Entry {
    Setting setting;
    Sizes sizes;
  };
  // results change with every keystroke: the table is emptied when it
  // holds this many texts, and refills with what the windows show
  static constexpr int kMost = 4096;
  QHash<QString, std::vector<Entry>> labels_;
  QHash<QString, std::vector<std::pair<QFont, int>>> captions_;
  int count_ = 0;
};

// A label that takes its sizes from the host's measures (a plain QLabel
// without them).
class MeasuredLabel : public QLabel {
 public:
  MeasuredLabel(std::shared_ptr<TextMeasures> measures, QWidget* parent)
      : QLabel(parent), measures_(std::move(measures)) {}
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  int heightForWidth(int w) const override;

 private:
  TextMeasures::Sizes* sizes() const;
  TextMeasures::Sizes* hints() const;  // with both size hints
  std::shared_ptr<TextMeasures> measures_;
};

}  // namespace vm::ui
