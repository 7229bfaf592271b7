#pragma once
// The one row runner of the window tests. A row names a window, the steps a
// user takes on it (in the driver's step grammar) and what the window must
// show afterwards; a failing row is reported at its own file and line.
//
//   Row("frmLC", {"txtf=7.1", "txtl=2.2", "txtC=220", "click:cmdcalcola"})
//       .text("lblrisonanza", "LA RISONANZA E' A MHz: 7,234")
//       .hidden({"lblq"})
//       .focus("cmdcalcola"),
//
// Messages are always checked: a row that lists none expects none. A step
// written with a leading "!" must be refused by the window (a hidden or
// disabled control).
#include <optional>
#include <source_location>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/form.h"
#include "framework/numbers.h"

namespace vm::test {

class Row {
 public:
  Row(std::string form, std::vector<std::string> steps,
      std::source_location where = std::source_location::current());

  // What the row is about, shown when it fails.
  Row& why(std::string s);
  // The exact text of a control (a label, an input, a button, a frame).
  Row& text(std::string name, std::string expected);
  Row& shown(std::vector<std::string> names);
  Row& hidden(std::vector<std::string> names);
  Row& enabled(std::vector<std::string> names);
  Row& disabled(std::vector<std::string> names);
  // The selected option of a group (-1: none).
  Row& selected(std::string group, int option);
  // The caption of option `option` of a group.
  Row& caption(std::string group, int option, std::string expected);
  // The entries of a list, and the chosen one (-1: none).
  Row& entries(std::string list, std::vector<std::string> expected);
  Row& chosen(std::string list, int entry);
  // A message box, "prompt|title" or "prompt|title|icon" (warning, critical,
  // information, none), in the order shown. Every message is checked.
  Row& message(std::string m);
  // The control with the focus afterwards, NAME or NAME(I); "" for none.
  Row& focus(std::string name);
  // What the window asked of the world, in order: "open FORM modal|modeless
  // [LEFT TOP]", "move LEFT TOP", "resize WIDTH HEIGHT", "print", "close".
  Row& effects(std::vector<std::string> expected);
  // The window is open (true) or closed (false) afterwards.
  Row& open(bool expected);
  // Opens the window modal, as from a modal caller.
  Row& modal();
  Row& regional(const Regional& r);
  // The window's own caption (its title bar).
  Row& title(std::string expected);
  // The tooltip of a control.
  Row& tooltip(std::string name, std::string expected);
  // Labels placed on a drawing, strictly inside it.
  Row& placed(std::vector<std::string> names);
  // Drawings that draw something.
  Row& drawn(std::vector<std::string> names);
  // Buttons and pictures that show an image.
  Row& pictured(std::vector<std::string> names);
  // Controls the window does not have.
  Row& absent(std::vector<std::string> names);
  // The last step leaves the text and the visibility of every control as
  // they were, except the controls named.
  Row& unchanged(std::vector<std::string> except = {});
  // Takes the state `unchanged` compares with after the first `steps` steps
  // instead of before the last one.
  Row& since(std::size_t steps);
  // The caption label of an input reads `caption`.
  Row& field(std::string input, std::string caption);
  // The window's place and size afterwards, in twips (a size of -1 is not checked).
  Row& geometry(int left, int top, int width = -1, int height = -1);
  // Labels placed on the drawing named, inside it (edges included); the drawing draws something.
  Row& on(std::string drawing, std::vector<std::string> labels);
  // Controls that sit in the frame named.
  Row& inside(std::string frame, std::vector<std::string> names);
  // The colour of the caption of option `option` of a group.
  Row& captionColor(std::string group, int option, Color expected);
  // Instead of an exact list of messages: each message shown is one of these.
  Row& messagesAmong(std::vector<std::string> allowed);
  // No control shows "nan" or "inf" as a word of its own (see nonsense.h).
  Row& clean();

  struct Check;
  const std::string& form() const { return form_; }

 private:
  friend void play(const Row& row);
  std::string form_;
  std::vector<std::string> steps_;
  std::source_location where_;
  std::string why_;
  bool modal_ = false;
  Regional regional_ = Regional::italian();
  std::vector<std::pair<std::string, std::string>> texts_;
  std::vector<std::pair<std::string, bool>> visible_;
  std::vector<std::pair<std::string, bool>> enabled_;
  std::vector<std::pair<std::string, int>> selected_;
  std::vector<std::pair<std::pair<std::string, int>, std::string>> captions_;
  std::vector<std::pair<std::string, std::vector<std::string>>> entries_;
  std::vector<std::pair<std::string, int>> chosen_;
  std::vector<std::string> messages_;
  std::optional<std::string> focus_;
  std::optional<std::vector<std::string>> effects_;
  std::optional<bool> open_;
  std::optional<std::string> title_;
  std::vector<std::pair<std::string, std::string>> tooltips_;
  std::vector<std::string> placed_, drawn_, pictured_, absent_;
  std::optional<std::vector<std::string>> unchanged_;
  std::optional<std::vector<std::string>> among_;
  std::optional<std::size_t> since_;
  std::vector<std::pair<std::string, std::string>> fields_;
  std::optional<Geometry> geometry_;
  std::vector<std::pair<std::string, std::vector<std::string>>> on_, inside_;
  std::vector<std::pair<std::pair<std::string, int>, Color>> captionColors_;
  bool clean_ = false;
};

// The steps of typing TEXT into INPUT one character at a time, as at the
// keyboard: "INPUT=7", "INPUT=7.", "INPUT=7.1".
std::vector<std::string> keys(const std::string& input, const std::string& text);
// Steps one after the other.
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b);

// Plays the row and reports every difference at the row's file and line.
void play(const Row& row);
void play(std::span<const Row> rows);

}  // namespace vm::test
