#pragma once
// What a user would see amiss in a window as it is on the screen: each check
// returns one line for each fault it finds in `root` (a window or a box) and
// its widgets, nothing when all is well. The window gallery runs them all on
// every window; what each one means is told there.
#include <QWidget>
#include <string>
#include <vector>

namespace vm::ui::testing {

// Texts wider or taller than their widgets, and controls smaller than their
// text or than the least they are drawn in.
std::vector<std::string> clipped(QWidget* root);
// Texts cut off by the frame (or the window) holding them.
std::vector<std::string> cutOff(QWidget* root);
// Two texts of the window lying over each other.
std::vector<std::string> overlapping(QWidget* root);
// Columns of grids and of tables on drawings whose members do not start at one x.
std::vector<std::string> unaligned(QWidget* root);
// Labels on a drawing over its strokes or over each other.
std::vector<std::string> overStrokes(QWidget* root);
// A window that, with a usual title bar, does not fit its screen's available area.
std::vector<std::string> offScreen(QWidget* w);
// Focusable controls that look the same with and without the focus.
std::vector<std::string> unmarkedFocus(QWidget* w);

}  // namespace vm::ui::testing
