#include "json.h"

#include "framework/steps.h"

#include <cstdio>

#include "shell/catalogue.h"

namespace vm::cli {

std::string quote(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

namespace {

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Input: return "input";
    case Kind::Label: return "label";
    case Kind::Button: return "button";
    case Kind::Options: return "options";
    case Kind::List: return "list";
    case Kind::Frame: return "frame";
    case Kind::Picture: return "picture";
    case Kind::Drawing: return "drawing";
  }
  return "label";
}

const char* iconName(Icon i) {
  switch (i) {
    case Icon::Warning: return "warning";
    case Icon::Critical: return "critical";
    case Icon::Information: return "information";
    case Icon::None: return "none";
  }
  return "none";
}

std::string boolean(bool b) { return b ? "true" : "false"; }

std::string optInt(const std::optional<int>& v) { return v ? std::to_string(*v) : "null"; }

std::string strings(const std::vector<std::string>& v) {
  std::string out = "[";
  for (std::size_t i = 0; i < v.size(); ++i) out += (i ? "," : "") + quote(v[i]);
  return out + "]";
}

std::string event(const HostEvent& e) {
  switch (e.type) {
    case HostEvent::Type::Message:
      return "{\"message\":{\"prompt\":" + quote(e.prompt) + ",\"title\":" + quote(e.title) +
             ",\"icon\":" + quote(iconName(e.icon)) + "}}";
    case HostEvent::Type::Open:
      return "{\"open\":{\"form\":" + quote(e.form) + ",\"how\":" +
             quote(e.how == OpenHow::Modal ? "modal" : "modeless") + ",\"left\":" + optInt(e.left) +
             ",\"top\":" + optInt(e.top) + "}}";
    case HostEvent::Type::Move:
      return "{\"move\":{\"left\":" + optInt(e.left) + ",\"top\":" + optInt(e.top) + "}}";
    case HostEvent::Type::Print:
      return "{\"print\":{}}";
    case HostEvent::Type::Close:
      return "{\"close\":{}}";
    case HostEvent::Type::Resize:
      break;
  }
  return {};
}

}  // namespace

std::string windowObject(const Form& form, const std::vector<HostEvent>& events) {
  std::string out = "{\"form\":" + quote(form.name()) + ",\"caption\":" + quote(form.caption()) +
                    ",\"open\":" + boolean(form.isOpen()) + ",\"focus\":";
  const std::string focus = focusName(form);
  out += focus.empty() ? std::string("null") : quote(focus);
  out += ",\"controls\":{";
  for (int i = 0; i < form.count(); ++i) {
    const auto& d = form.def(i);
    const auto& s = form.state(i);
    if (i) out += ",";
    out += quote(form.qualifiedName(i)) + ":{\"kind\":" + quote(kindName(d.kind)) + ",\"text\":" + quote(s.text) +
           ",\"visible\":" + boolean(s.visible);
    if (d.kind == Kind::Input || d.kind == Kind::Button) out += ",\"enabled\":" + boolean(s.enabled);
    if (d.kind == Kind::Options) {
      out += ",\"selected\":" + (s.selected >= 0 ? std::to_string(s.selected) : std::string("null"));
      out += ",\"captions\":" + strings(s.captions);
    }
    if (d.kind == Kind::List) {
      out += ",\"index\":" + std::to_string(s.listIndex) + ",\"entries\":" + strings(s.entries);
    }
    out += "}";
  }
  out += "},\"events\":[";
  bool first = true;
  for (const auto& e : events) {
    std::string j = event(e);
    if (j.empty()) continue;
    out += (first ? "" : ",") + j;
    first = false;
  }
  return out + "]}";
}

namespace {
std::string subtree(const std::vector<MenuEntry>& t, std::size_t& i, int depth) {
  std::string out = "[";
  bool first = true;
  while (i < t.size() && t[i].depth == depth) {
    const MenuEntry& e = t[i++];
    if (!first) out += ",";
    first = false;
    out += "{\"caption\":" + quote(e.caption) + ",\"name\":" + quote(e.name) + ",\"form\":";
    if (e.isCommand()) {
      out += quote(e.form) + ",\"mode\":" + quote(*e.mode == OpenHow::Modal ? "modal" : "modeless") +
             ",\"children\":[]}";
    } else {
      out += "null,\"mode\":null,\"children\":" + subtree(t, i, depth + 1) + "}";
    }
  }
  return out + "]";
}
}  // namespace

std::string menuTree() {
  std::size_t i = 0;
  return subtree(menuCatalogue(), i, 0);
}

}  // namespace vm::cli
