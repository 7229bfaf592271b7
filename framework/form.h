#pragma once
// The headless model of one open window: its controls, the focus, and the
// events that reach it. The user interface, the command-line driver and the
// tests all act on a window through these entry points only.
#include <any>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"
#include "numbers.h"

namespace vm {

enum class Kind { Input, Label, Button, Options, List, Frame, Picture, Drawing };
enum class Icon { Warning, Critical, Information, None };
enum class OpenHow { Modal, Modeless };
// What a label is for; it guides the layout of the window.
enum class Role { Static, Caption, Result };

class Form;
class Calculator;

// Everything a reaction may ask of the world outside its window.
class Host {
 public:
  virtual ~Host() = default;
  virtual void message(Form& form, const std::string& prompt, const std::string& title, Icon icon) = 0;
  // Opens (or brings forward) another window; at: left/top in twips, or centred.
  virtual void open(Form& caller, const std::string& formName, OpenHow how,
                    std::optional<std::pair<int, int>> at) = 0;
  virtual void move(Form& form, int left, int top) = 0;
  virtual void resize(Form& form, int width, int height) = 0;
  virtual void print(Form& form) = 0;
  virtual void close(Form& form) = 0;
  virtual Date today() const = 0;
  // The screen size in twips, for windows that centre themselves.
  virtual std::pair<int, int> screenSize() const { return {19200, 15360}; }
  // A reaction, or one of the effects it asked for, failed with an exception
  // that is not an arithmetic failure: a programming error. The window has
  // been put back as it was; `event` says in words what the user did, `what`
  // is the exception's own text. Return true to go on (the desktop program
  // shows it and stays usable), false to let it propagate (the tests and the
  // driver fail loudly).
  virtual bool fault(Form&, const std::string& event, const std::string& what) {
    (void)event;
    (void)what;
    return false;
  }
  // Every effect of a reaction has been carried out (called once after all
  // of them: a window that switches itself for another is closed and the
  // other opened before anyone asks whether a window is left).
  virtual void settled(Form&) {}
};

// The mutable state of a control: what a snapshot saves and restores.
struct ControlState {
  std::string text;
  std::string tooltip;
  bool visible = true;
  bool enabled = true;
  std::vector<std::string> captions;   // options: one caption per option
  std::vector<Color> captionColors;    // options: caption colours
  std::vector<std::string> optionTooltips;  // options: an option's own tooltip (empty: the group's)
  int selected = -1;                   // options: the selected index, -1 for none
  std::vector<std::string> entries;    // lists
  int listIndex = -1;                  // lists: the chosen entry, -1 for none
  Color foreColor = kDefaultColor;
  Color backColor = kDefaultColor;

  // The tooltip option `i` (counted from the group's first) shows: its own,
  // or else the group's.
  const std::string& optionTooltip(std::size_t i) const {
    return i < optionTooltips.size() && !optionTooltips[i].empty() ? optionTooltips[i] : tooltip;
  }
};

// A piece of a label's text on a drawing, from character `from` (counted in
// characters, not bytes) up to the next piece, centred at (x, y): the columns
// of a table row that the window writes as one text.
struct TextColumn {
  std::size_t from = 0;
  double x = 0, y = 0;
};

// What a control is: fixed for the life of the window.
struct ControlDef {
  Kind kind = Kind::Label;
  std::string name;
  int index = -1;          // element of a control array, -1 for a plain control
  bool array = false;      // options: a group named NAME(I) option by option
  int firstIndex = 0;      // options: index of the first option
  int parent = -1;         // the frame holding it
  Role role = Role::Static;
  int buddy = -1;          // a caption label and its input point to each other
  int exclusiveSet = -1;   // options: groups sharing one container exclude each other
  int opensOn = -1;        // options: the option the window opens on (see Ref::opensOn)
  int drawing = -1;        // a label placed on a drawing
  double anchorX = 0, anchorY = 0;
  std::string picture;     // picture buttons and pictures: the image shown
  bool clickable = false;  // labels and pictures with a Click reaction
  bool closes = false;     // the window's close button
  bool computes = false;   // the window's compute button (Enter runs it)
  int beside = -1;         // a static label shown just before this control, in its row
                           // (a hint that points at a button, or the caption of a result)
  std::shared_ptr<const Drawing> art;  // drawings, and pictures drawn with the kit
  // Arrangement the tab order alone does not tell (read by the layout model):
  int unitOf = -1;         // a unit label shown just after this control, in its row
  int over = -1;           // a section caption shown just above this control
  int grid = -1;           // a member of a grid: the id of the grid's first member
  int gridRow = -1;        // its row in the grid (-1: the row of column captions)
  int gridColumn = -1;     // its column in the grid (-1: the column of row captions)
  std::vector<TextColumn> columns;  // a label on a drawing written as columns
  std::function<void(int)> onClick;
  std::function<void()> onChange;
  std::function<void(int)> onChoose;
  // Live reactions: what is blanked when the reaction cannot show a number.
  std::vector<int> liveResults;
  bool liveHides = false;
};

struct Focus {
  int id = -1;
  int option = -1;  // options: the option that has the focus
  bool operator==(const Focus&) const = default;
};

struct Geometry {
  std::optional<int> left, top, width, height;  // twips; no position: centred
};

class Form {
 public:
  Form();
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // --- identity and tables
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  const std::vector<ControlDef>& defs() const { return defs_; }
  const std::vector<ControlState>& states() const { return states_; }
  const ControlDef& def(int id) const { return defs_.at(static_cast<std::size_t>(id)); }
  const ControlState& state(int id) const { return states_.at(static_cast<std::size_t>(id)); }
  int count() const { return static_cast<int>(defs_.size()); }
  // The control named `name` (element `index` of an array), or -1.
  int find(std::string_view name, int index = -1) const;
  // "NAME" or "NAME(I)".
  std::string qualifiedName(int id) const;
  const Regional& regional() const { return regional_; }
  const Geometry& geometry() const { return geometry_; }
  bool modal() const { return modal_; }
  bool isOpen() const { return open_; }
  Focus focus() const { return focus_; }
  Host& host() const { return *host_; }
  // The host, or null before the window is opened.
  Host* hostIf() const { return host_; }
  Calculator& calculator() const { return *calc_; }

  // --- life
  // Loads the window and gives the focus to the first control of the tab
  // order (an unselected option there becomes selected and reacts).
  void open(Host& host, const Regional& regional, bool modal);

  // --- user events; each returns false when the control cannot take it
  // (unknown, hidden, disabled, wrong kind).
  bool type(int id, std::string text);
  bool click(int id, int option = -1);
  bool choose(int id, int entry);
  bool focusByMouse(int id, int option = -1);
  bool focusByKeyboard(int id, int option = -1);
  void tab(bool backwards = false);

  // --- used by reactions
  void setText(int id, std::string text);  // an input's Change reaction runs once
  void setVisible(int id, bool visible);
  void setEnabled(int id, bool enabled);
  void setTooltip(int id, std::string text);
  void setCaption(int id, int option, std::string text);
  void setCaptionColor(int id, int option, Color c);
  void setForeColor(int id, Color c);
  void setBackColor(int id, Color c);
  void setEntries(int id, std::vector<std::string> entries);
  void setListIndex(int id, int entry);  // by code: no reaction
  void setFocus(int id, int option = -1);
  void setGeometry(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                   std::optional<int> height);
  void close();
  // Requests to the host. Inside a reaction they wait until it succeeds (a
  // failed reaction asks nothing of the world); outside one they act at once.
  void openCompanion(const std::string& formName, OpenHow how, std::optional<std::pair<int, int>> at);
  // Prints the window as it is now.
  void print();
  // A message box, shown once the reaction has succeeded, in order with the
  // other requests (a failed reaction shows only its own failure).
  void message(const std::string& prompt, const std::string& title, Icon icon);

  // True when the control and every frame around it are visible.
  bool shown(int id) const;
  bool takesFocus(int id) const;
  // Controls declared below the fold lie under the window's design height:
  // they are seen only while the window is taller than that.
  bool belowFold(int id) const { return foldAt_ >= 0 && id >= foldAt_; }
  bool foldOpen() const { return foldHeight_ && geometry_.height && *geometry_.height > *foldHeight_; }
  // Options: the index of the selected option, or -1; in an exclusive set
  // the selection of the other groups counts as none here.
  int selected(int id) const { return state(id).selected; }

  // Observers (the user interface) hear of every change of state.
  std::function<void()> changed;

 private:
  friend class FormBuilder;
  enum class Trigger { Load, Click, Change, Live };
  struct Snapshot;
  struct Effect;
  // What started a reaction: the trigger and the control (with its option).
  struct Cause {
    Trigger trigger = Trigger::Load;
    int id = -1;
    int option = -1;
  };
  void react(Cause cause, const std::function<void()>& fn);
  std::string describe(Cause cause) const;
  // Inside a handler: hands the exception under way to the host; true when
  // the host goes on.
  bool handOver(const std::string& event);
  void carryOut(Effect& e);
  Snapshot snapshot() const;
  void rollback(Snapshot& snap);
  void request(Effect e);
  void carryOut();
  void runChange(int id);
  void select(int id, int option);
  void moveFocus(int id, int option, bool byMouse);
  void notify();

  std::string name_, caption_;
  std::vector<ControlDef> defs_;
  std::vector<ControlState> states_;
  std::vector<ControlState> loadStates_;
  Focus focus_;
  Geometry geometry_;
  Regional regional_;
  Host* host_ = nullptr;
  std::unique_ptr<Calculator> calc_;
  std::function<void()> load_;
  bool modal_ = false;
  bool open_ = false;
  int depth_ = 0;
  std::vector<Effect> effects_;  // requests of the reaction under way
  int foldAt_ = -1;
  std::optional<int> foldHeight_;
};

}  // namespace vm
