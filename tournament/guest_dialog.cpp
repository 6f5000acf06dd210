#include "tournament/guest_dialog.h"

#include <cstring>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/golfer_rules.h"

namespace quillon {

namespace {

constexpr int lowest_index_tenths = -99;
constexpr int highest_index_tenths = 499;

}  // namespace

GuestModel::GuestModel(State& state, const GolferEntry& golfer)
    : state_(state),
      guest_(golfer),
      name_(add(Field::text_field("name", "Guest Name", sizeof guest_.name - 1))),
      index_(add(Field::text_field("index", "Handicap Index", 5))),
      gender_(add(Field::list_field("gender", "Gender", {"Male", "Female"}))),
      skins_(add(Field::check_field("skins", "Skins"))) {
  title_ = "Guest Information";
  name_.text = field_text(golfer.name);
  index_.text = golfer.name[0] ? golfer_index_text(golfer.handicap_index) : "";
  gender_.index = entry_gender(state, golfer.gender) == 'F' ? 1 : 0;
  skins_.checked = golfer.in_skins != 0;
  focus_ = name_.name;
}

bool GuestModel::accept() {
  const std::string name = trimmed(name_.text);
  if (name.empty()) {
    message_box(state_, message_kind::error, "The guest name cannot be blank.");
    return false;
  }
  const std::string index_text = trimmed(index_.text);
  const std::optional<int> tenths = read_index_text(index_text);
  if (!tenths || *tenths < lowest_index_tenths || *tenths > highest_index_tenths) {
    message_box(state_, message_kind::error, "Invalid handicap index [%s]", index_text.c_str());
    return false;
  }
  const char gender = gender_.index == 1 ? 'F' : 'M';
  GolferEntry g{};
  set_field_text_terminated(g.name, name);
  g.handicap_index = static_cast<std::int16_t>(*tenths);
  g.gender = gender;
  g.in_skins = skins_.checked ? 1 : 0;
  Result<int> division = assign_division(state_, *tenths, tee_of_division(state_, 1), gender);
  if (!division) return false;
  g.division = static_cast<std::int8_t>(*division);
  guest_ = g;
  return true;
}

}  // namespace quillon
