#pragma once
// A window opened headless, driven as a user would, for the tests.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calculators/registry.h"
#include "framework/headless.h"

namespace vm::test {

class Window {
 public:
  explicit Window(std::string_view name, bool modal = false, Regional r = Regional::italian())
      : form_(makeForm(name)) {
    if (!form_) throw std::runtime_error("no such window: " + std::string(name));
    form_->open(host, r, modal);
  }

  Form& form() { return *form_; }

  // "NAME" or "NAME(I)"
  int id(const std::string& name) const {
    std::string base = name;
    int index = -1;
    if (!name.empty() && name.back() == ')') {
      auto open = name.rfind('(');
      base = name.substr(0, open);
      index = std::stoi(name.substr(open + 1));
    }
    int i = form_->find(base, index);
    if (i < 0) ADD_FAILURE() << "no control " << name << " in " << form_->name();
    return i;
  }

  Window& type(const std::string& name, const std::string& text) {
    EXPECT_TRUE(form_->type(id(name), text)) << "cannot type into " << name;
    return *this;
  }
  // Types the text one character at a time, as at the keyboard.
  Window& keys(const std::string& name, const std::string& text) {
    for (std::size_t n = 1; n <= text.size(); ++n) type(name, text.substr(0, n));
    return *this;
  }
  Window& click(const std::string& name, int option = -1) {
    EXPECT_TRUE(form_->click(id(name), option)) << "cannot click " << name;
    return *this;
  }
  Window& choose(const std::string& name, int entry) {
    EXPECT_TRUE(form_->choose(id(name), entry)) << "cannot choose in " << name;
    return *this;
  }

  std::string text(const std::string& name) const { return form_->state(id(name)).text; }
  bool visible(const std::string& name) const { return form_->state(id(name)).visible; }
  bool enabled(const std::string& name) const { return form_->state(id(name)).enabled; }
  int selected(const std::string& name) const { return form_->state(id(name)).selected; }
  std::string caption(const std::string& name, int option) const {
    const auto& d = form_->def(id(name));
    return form_->state(id(name)).captions.at(static_cast<std::size_t>(option - d.firstIndex));
  }
  // The control with the focus, as NAME or NAME(I); "" for none.
  std::string focus() const {
    Focus f = form_->focus();
    if (f.id < 0) return "";
    const auto& d = form_->def(f.id);
    if (d.kind == Kind::Options && d.array) return d.name + "(" + std::to_string(f.option) + ")";
    return form_->qualifiedName(f.id);
  }

  // Messages shown since the last call, as "prompt|title".
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const auto& e : host.events)
      if (e.type == HostEvent::Type::Message) out.push_back(e.prompt + "|" + e.title);
    host.events.clear();
    return out;
  }
  // Everything the window asked of the host since the last call.
  std::vector<HostEvent> events() {
    auto out = host.events;
    host.events.clear();
    return out;
  }

  HeadlessHost host;

 private:
  std::unique_ptr<Form> form_;
};

}  // namespace vm::test
