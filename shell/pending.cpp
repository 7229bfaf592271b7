#include "pending.h"

#include "catalogue.h"
#include "framework/calculator.h"
#include "framework/registry.h"

namespace vm {

namespace {
class Pending final : public CalculatorOf<Pending> {};
}  // namespace

std::string pendingCaption(std::string_view form) {
  for (const auto& e : menuCatalogue())
    if (e.form == form) return std::string(e.caption);
  return std::string(form);
}

std::unique_ptr<Form> makePendingForm(std::string_view form) {
  auto f = std::make_unique<Form>();
  FormBuilder b(*f);
  b.window(std::string(form), pendingCaption(form));
  b.label("lblpreparazione", "In preparazione");
  b.closeButton("cmdchiudi", "CHIUDI");
  b.finish(std::make_unique<Pending>());
  return f;
}

std::unique_ptr<Form> makeAnyForm(std::string_view form) {
  if (auto f = makeForm(form)) return f;
  return makePendingForm(form);
}

}  // namespace vm
