#pragma once
// The arrangement of a window, computed once from its declaration and its
// current state: which control stands in which row and column, which caption
// goes with which field, where the unit of a field goes, the grids, frames
// and button rows, and where each label on a drawing sits. A renderer maps
// every item to a widget or an element of its own and decides nothing about
// where things go.
//
// Units: a box is a grid of rows and columns (counts, not sizes); a label on
// a drawing is a box in the drawing's own units; the designed size of a
// window is in twips.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form.h"

namespace vm::layout {

// What an item is in its row.
enum class Role {
  Caption,         // the caption of a field, on its left
  Input,           // a text field
  List,            // a drop-down list
  Unit,            // the unit of a field or a result, on its right
  Result,          // a result line
  ResultCaption,   // the static caption of a result, on its left
  Text,            // a static text of its own row
  Hint,            // a text just before the button it points at
  Button,
  Options,         // an option group, its options one under the other
  Picture,
  Drawing,
  SectionCaption,  // the caption of a section, just above its picture
  RowCaption,      // a grid's row caption, on the left of the row
  ColumnCaption,   // a grid's column caption, above the column
  Frame,           // a frame: its box holds what it contains
  Fields,          // the fields of the window (a box)
  Drawings,        // the column of drawings beside the fields (a box)
  Buttons,         // a row of buttons (a box)
  Grid,            // a grid of fields with row and column captions (a box)
};

// Where an item sits across the width of its cell.
enum class Align { Start, Centre, End, Fill };

struct Item {
  Role role = Role::Text;
  int control = -1;  // the control it shows; -1 for a box without a control of its own
  int box = -1;      // the box it holds (frames, fields, drawings, buttons, grids), or -1
  int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
  Align align = Align::Start;
  bool wraps = false;      // a text that wraps inside the width its cell gets
  bool keepsRoom = true;   // hidden, it keeps its room (a control below the fold does not)
  int minChars = 0;        // the least width in average characters, or 0
  int visibleEntries = 0;  // lists: the most entries its popup shows at once
  std::vector<int> labelledBy;  // the captions that name it (a field's, a grid's row and column), for screen readers
};

enum class BoxKind { Window, Fields, Frame, Drawings, Buttons, Grid };

struct Box {
  BoxKind kind = BoxKind::Fields;
  int control = -1;      // the frame, for a frame's box
  int rows = 0, columns = 0;
  int stretchColumn = -1;  // the column that takes the width to spare, or -1
  std::vector<Item> items; // in reading order
};

// The text size of labels on drawings, in drawing units, and the height of their line.
constexpr double kTextSize = 12;
constexpr double kLineHeight = 16;

// Which way a label's text runs from its anchor point.
enum class Side { Centre, Right, Left };

// A label on a drawing, or one column of a label written as columns.
struct Anchored {
  int control = -1;
  int piece = -1;           // the column of the label's text, or -1 for the whole text
  std::string text;         // what is written there (a line break where the model breaks it)
  double textSize = kTextSize;  // the size it is written in, drawing units
  double anchorX = 0, anchorY = 0;
  double left = 0, top = 0, width = 0, height = 0;  // the box it is written in
  Side side = Side::Centre;
};

struct DrawingLayout {
  int control = -1;
  double width = 0, height = 0;
  std::vector<Anchored> labels;
};

// One line of the window folded into a single column, in reading order.
struct FoldedLine {
  int control = -1;
  Role role = Role::Text;
  int frame = -1;  // the frame around it, or -1
};

struct Layout {
  std::optional<int> width, height;  // the designed size, twips, where the window states one
  std::vector<Box> boxes;            // boxes[0]: the window
  std::vector<DrawingLayout> drawings;
  std::vector<FoldedLine> folded;
};

// The least width of a text field, in average characters.
constexpr int kFieldChars = 8;
// The widest row of buttons, in em, and the room a button takes beside its
// text; a longer row goes on in a row below.
constexpr double kButtonRowWidth = 44;
constexpr double kButtonPadding = 2;
// The most entries a list shows at once; a longer list scrolls.
constexpr int kListEntries = 15;

// The width of `text` written at `size`: of its widest line (an estimate that
// errs on the wide side). A label is as many lines high as its text has.
double textWidth(std::string_view text, double size = kTextSize);
// The number of characters (not bytes) of a UTF-8 text.
std::size_t characters(std::string_view text);

// The arrangement of the window as it is now.
Layout arrange(const Form& form);

const char* roleName(Role r);
const char* alignName(Align a);
const char* boxKindName(BoxKind k);
const char* sideName(Side s);

}  // namespace vm::layout
