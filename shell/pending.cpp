#include "pending.h"

#include "catalogue.h"
#include "framework/calculator.h"
#include "framework/registry.h"

namespace vm {

namespace {
class Pending final : public CalculatorOf<Pending> {
 public:
  explicit Pending(FormBuilder& b) : CalculatorOf(b) {
    b.caption(pendingCaption(b.form().name()));
    b.label("lblpreparazione", "In preparazione");
    b.closeButton("cmdchiudi", "CHIUDI");
  }
};
}  // namespace

std::string pendingCaption(std::string_view form) {
  for (const auto& e : menuCatalogue())
    if (e.form == form) return std::string(e.caption);
  return std::string(form);
}

std::unique_ptr<Form> makePendingForm(std::string_view form) { return build<Pending>(form); }

std::unique_ptr<Form> makeAnyForm(std::string_view form) {
  if (auto f = makeForm(form)) return f;
  return makePendingForm(form);
}

}  // namespace vm
