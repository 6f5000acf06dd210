#include "core/dialog_model.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "core/text.h"

namespace quillon {

namespace {

constexpr std::size_t max_line_digits = 6;

int option_index(const Field& f, const std::string& value) {
  // "#n" is the n-th choice; "#2,#3" or "#2x" is not a line number.
  const std::string digits = value.size() > 1 && value[0] == '#' ? value.substr(1) : std::string();
  if (!digits.empty() && digits.size() <= max_line_digits &&
      digits.find_first_not_of("0123456789") == std::string::npos) {
    const int n = std::stoi(digits);
    return n >= 1 && n <= static_cast<int>(f.options.size()) ? n - 1 : -1;
  }
  for (std::size_t i = 0; i < f.options.size(); ++i)
    if (f.options[i] == value) return static_cast<int>(i);
  for (std::size_t i = 0; i < f.options.size(); ++i)
    if (equal_ignoring_case(trimmed(f.options[i]), trimmed(value))) return static_cast<int>(i);
  // Lines shown as tab-separated columns also answer to their first column.
  for (std::size_t i = 0; i < f.options.size(); ++i) {
    auto tab = f.options[i].find('\t');
    if (tab != std::string::npos && equal_ignoring_case(trimmed(f.options[i].substr(0, tab)), trimmed(value)))
      return static_cast<int>(i);
  }
  return -1;
}

std::optional<bool> parse_check(const std::string& value) {
  std::string v = to_lower(trimmed(value));
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

Status DialogModel::set(const std::string& name, const std::string& value) {
  Field* f = find(name);
  if (!f) return Status::failed("the dialog \"" + title_ + "\" has no field " + name);
  if (!f->visible || !f->enabled) return Status::failed("the field " + name + " cannot be typed into now");
  switch (f->kind) {
    case FieldKind::text:
    case FieldKind::multiline:
      if (!f->accepts.empty() && value.find_first_not_of(f->accepts) != std::string::npos)
        return Status::failed("the field " + name + " does not take \"" + value + "\" (it takes only " + f->accepts +
                              ")");
      f->text = (f->max_length > 0 && static_cast<int>(value.size()) > f->max_length) ? value.substr(0, f->max_length)
                                                                                      : value;
      break;
    case FieldKind::list: {
      int i = option_index(*f, value);
      if (i < 0) return Status::failed("\"" + value + "\" is not one of the choices of " + name);
      f->index = i;
      break;
    }
    case FieldKind::multi_list: {
      f->selected.clear();
      std::string rest = value;
      while (!rest.empty()) {
        // A choice may hold commas itself ("Lee, Ann"): the longest run of
        // comma-separated pieces that names a choice is one choice.
        std::size_t end = rest.size();
        int i = option_index(*f, rest);
        while (i < 0) {
          end = rest.rfind(',', end - 1);
          if (end == std::string::npos || end == 0) break;
          i = option_index(*f, rest.substr(0, end));
        }
        if (i < 0)
          return Status::failed("\"" + rest.substr(0, rest.find(',')) + "\" is not one of the choices of " + name);
        f->selected.push_back(i);
        rest = end >= rest.size() ? "" : rest.substr(end + 1);
      }
      std::sort(f->selected.begin(), f->selected.end());
      break;
    }
    case FieldKind::check: {
      auto v = parse_check(value);
      if (!v) return Status::failed("the tick box " + name + " takes 1 or 0");
      f->checked = *v;
      break;
    }
    case FieldKind::button: return press(name);
    case FieldKind::label: return Status::failed("the field " + name + " is not editable");
  }
  focus_ = f->name;
  on_changed(*f);
  return Status::ok();
}

Status DialogModel::press(const std::string& name) {
  Field* f = find(name);
  if (!f || f->kind != FieldKind::button) return Status::failed("the dialog \"" + title_ + "\" has no button " + name);
  if (!f->visible || !f->enabled) return Status::failed("the button " + name + " cannot be pressed now");
  on_pressed(*f);
  return Status::ok();
}

Status DialogModel::move(const std::string&, const std::string&) {
  return Status::failed("the dialog \"" + title_ + "\" has no lines to move");
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
    case FieldKind::label: return f.text;
    case FieldKind::list: return f.index >= 0 && f.index < static_cast<int>(f.options.size()) ? f.options[f.index] : "";
    case FieldKind::multi_list: {
      std::string out;
      for (int i : f.selected) {
        if (!out.empty()) out += ",";
        out += f.options[i];
      }
      return out;
    }
    case FieldKind::check: return f.checked ? "1" : "0";
    case FieldKind::button: return "";
  }
  return "";
}

}  // namespace quillon
