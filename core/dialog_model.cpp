#include "core/dialog_model.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace quillon {

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string trimmed(const std::string& s) {
  auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  auto e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

int option_index(const Field& f, const std::string& value) {
  if (value.size() > 1 && value[0] == '#') {
    try {
      int n = std::stoi(value.substr(1));
      if (n >= 1 && n <= static_cast<int>(f.options.size())) return n - 1;
    } catch (const std::exception&) {
    }
    return -1;
  }
  for (std::size_t i = 0; i < f.options.size(); ++i)
    if (f.options[i] == value) return static_cast<int>(i);
  for (std::size_t i = 0; i < f.options.size(); ++i)
    if (lower(trimmed(f.options[i])) == lower(trimmed(value))) return static_cast<int>(i);
  // Lines shown as tab-separated columns also answer to their first column.
  for (std::size_t i = 0; i < f.options.size(); ++i) {
    auto tab = f.options[i].find('\t');
    if (tab != std::string::npos && lower(trimmed(f.options[i].substr(0, tab))) == lower(trimmed(value)))
      return static_cast<int>(i);
  }
  return -1;
}

std::optional<bool> parse_check(const std::string& value) {
  std::string v = lower(trimmed(value));
  if (v == "1" || v == "yes" || v == "on" || v == "true" || v == "y") return true;
  if (v == "0" || v == "no" || v == "off" || v == "false" || v == "n") return false;
  return std::nullopt;
}

}  // namespace

Field Field::text_field(std::string name, std::string label, int max_length) {
  Field f;
  f.name = std::move(name);
  f.label = std::move(label);
  f.kind = FieldKind::text;
  f.max_length = max_length;
  return f;
}

Field Field::multiline_field(std::string name, std::string label, int max_length) {
  Field f = text_field(std::move(name), std::move(label), max_length);
  f.kind = FieldKind::multiline;
  return f;
}

Field Field::list_field(std::string name, std::string label, std::vector<std::string> options) {
  Field f;
  f.name = std::move(name);
  f.label = std::move(label);
  f.kind = FieldKind::list;
  f.options = std::move(options);
  f.index = f.options.empty() ? -1 : 0;
  return f;
}

Field Field::multi_list_field(std::string name, std::string label, std::vector<std::string> options) {
  Field f = list_field(std::move(name), std::move(label), std::move(options));
  f.kind = FieldKind::multi_list;
  f.index = -1;
  return f;
}

Field Field::check_field(std::string name, std::string label) {
  Field f;
  f.name = std::move(name);
  f.label = std::move(label);
  f.kind = FieldKind::check;
  return f;
}

Field Field::button_field(std::string name, std::string label) {
  Field f;
  f.name = std::move(name);
  f.label = std::move(label);
  f.kind = FieldKind::button;
  return f;
}

Field Field::label_field(std::string name, std::string text) {
  Field f;
  f.name = std::move(name);
  f.kind = FieldKind::label;
  f.text = std::move(text);
  return f;
}

Field* DialogModel::find(const std::string& name) {
  for (auto& f : fields_)
    if (f.name == name) return &f;
  return nullptr;
}

const Field* DialogModel::find(const std::string& name) const {
  for (const auto& f : fields_)
    if (f.name == name) return &f;
  return nullptr;
}

Field& DialogModel::add(Field field) {
  fields_.push_back(std::move(field));
  return fields_.back();
}

Field& DialogModel::field(const std::string& name) {
  Field* f = find(name);
  if (!f) throw std::logic_error("dialog " + id() + " has no field " + name);
  return *f;
}

SetResult DialogModel::set(const std::string& name, const std::string& value) {
  Field* f = find(name);
  if (!f) return {false, "the dialog \"" + title_ + "\" has no field " + name};
  if (!f->visible || !f->enabled) return {false, "the field " + name + " cannot be typed into now"};
  switch (f->kind) {
    case FieldKind::text:
    case FieldKind::multiline:
      if (!f->accepts.empty() && value.find_first_not_of(f->accepts) != std::string::npos)
        return {false, "the field " + name + " does not take \"" + value + "\" (it takes only " + f->accepts + ")"};
      f->text = (f->max_length > 0 && static_cast<int>(value.size()) > f->max_length)
                    ? value.substr(0, f->max_length)
                    : value;
      break;
    case FieldKind::list: {
      int i = option_index(*f, value);
      if (i < 0) return {false, "\"" + value + "\" is not one of the choices of " + name};
      f->index = i;
      break;
    }
    case FieldKind::multi_list: {
      f->selected.clear();
      std::string rest = value;
      while (!rest.empty()) {
        auto comma = rest.find(',');
        std::string one = rest.substr(0, comma);
        int i = option_index(*f, one);
        if (i < 0) return {false, "\"" + one + "\" is not one of the choices of " + name};
        f->selected.push_back(i);
        rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
      }
      std::sort(f->selected.begin(), f->selected.end());
      break;
    }
    case FieldKind::check: {
      auto v = parse_check(value);
      if (!v) return {false, "the tick box " + name + " takes 1 or 0"};
      f->checked = *v;
      break;
    }
    case FieldKind::button:
      return press(name);
    case FieldKind::label:
      return {false, "the field " + name + " is not editable"};
  }
  focus_ = f->name;
  on_changed(*f);
  return {};
}

SetResult DialogModel::press(const std::string& name) {
  Field* f = find(name);
  if (!f || f->kind != FieldKind::button) return {false, "the dialog \"" + title_ + "\" has no button " + name};
  if (!f->visible || !f->enabled) return {false, "the button " + name + " cannot be pressed now"};
  on_pressed(*f);
  return {};
}

SetResult DialogModel::move(const std::string&, const std::string&) {
  return {false, "the dialog \"" + title_ + "\" has no lines to move"};
}

std::string DialogModel::text(const std::string& name) const {
  const Field* f = find(name);
  return f ? f->text : std::string();
}

int DialogModel::index(const std::string& name) const {
  const Field* f = find(name);
  return f ? f->index : -1;
}

bool DialogModel::checked(const std::string& name) const {
  const Field* f = find(name);
  return f && f->checked;
}

std::string field_value_text(const Field& f) {
  switch (f.kind) {
    case FieldKind::text:
    case FieldKind::multiline:
    case FieldKind::label:
      return f.text;
    case FieldKind::list:
      return f.index >= 0 && f.index < static_cast<int>(f.options.size()) ? f.options[f.index] : "";
    case FieldKind::multi_list: {
      std::string out;
      for (int i : f.selected) {
        if (!out.empty()) out += ",";
        out += f.options[i];
      }
      return out;
    }
    case FieldKind::check:
      return f.checked ? "1" : "0";
    case FieldKind::button:
      return "";
  }
  return "";
}

}  // namespace quillon
