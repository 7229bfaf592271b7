#pragma once
// The curve of one result of a window as one of its inputs runs over a
// range: computed headless on private copies of the window's form, plotted,
// and saved as CSV, PNG or SVG.
#include <QWidget>

#include "framework/form.h"

namespace vm::ui {

class QtHost;

// Opens the dialog for `form` (the open window, which it never changes);
// the curve is computed on copies of the window that `host` makes, under its guard.
void showSweepDialog(const Form& form, QWidget* parent, QtHost& host);

}  // namespace vm::ui
