#pragma once
// A window computed again and again for a range of one input, headless and
// on a private copy of its form, with one result read each time: the points
// of a curve.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/form.h"
#include "framework/numbers.h"

namespace vm {

struct SweepRequest {
  std::string form;
  std::string vary;                // the input that takes each value
  double from = 0, to = 0;
  int points = 2;                  // values from `from` to `to`, evenly spaced, both ends included
  std::string result;              // the control whose text holds the number
  // the other steps of each point, in the driver's grammar; the value takes
  // the place of a step that types into `vary`, else it is typed just
  // before a last click (the compute button), else after the last step
  std::vector<std::string> steps;
};

struct SweepPoint {
  double x = 0;
  std::optional<double> y;  // none where the window refused: a gap
};

// The steps that bring a fresh copy of `form` to the state it shows now:
// its choices, then the texts of its inputs (but `vary`), then a press of
// its compute button when it has one.
std::vector<std::string> stepsOf(const Form& form, const std::string& vary);

// Makes a fresh window of a form name, or null for a name it does not know.
using FormMaker = std::function<std::unique_ptr<Form>(std::string_view)>;

// Runs the request on windows that `make` gives (by default the registry's);
// throws std::invalid_argument for a window, an input, a result or a step it
// does not know (StepError for a step). A programming error in the window
// goes through as it is.
std::vector<SweepPoint> sweep(const SweepRequest& request, const Regional& regional, const Date& today,
                              const FormMaker& make = {});

// The first number of a shown text, read in the regional format
// ("1.234,5 µH" reads 1234.5 in the Italian one); none without a number.
std::optional<double> shownNumber(std::string_view text, const Regional& regional);

// The points as CSV lines: a head with the two names, then x,y (an empty y
// for a gap), numbers with a decimal point.
std::string sweepCsv(const SweepRequest& request, const std::vector<SweepPoint>& points);

}  // namespace vm
