#pragma once
// "Maintain Golfer Information", summary layout: four groups at once, one row
// per golfer with name, index, division, gender and the cart, member and
// skins boxes. Fields are named "<column>.<b>.<r>": b = 1..4 the group shown,
// r = 1..5 the row ("name.2.3").
#include <optional>
#include <string>

#include "core/dialog_model.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

inline constexpr int summary_groups_shown = 4;

class GolferSummaryModel : public DialogModel {
 public:
  GolferSummaryModel(State& state, int first_group);
  std::string id() const override { return "golfer_summary"; }
  bool accept() override { return save(); }

  int first_group() const { return first_group_; }
  static std::string row_field(const char* column, int shown, int row);

 protected:
  void on_changed(Field& field) override;

 private:
  void build_fields();
  void load();
  void refresh_group_list();
  [[nodiscard]] bool save();
  // The group shown at `shown` as its rows now read; nothing, after telling
  // the user, when a row is refused.
  std::optional<GroupBuffer> edited_group(int shown);
  void name_typed(Field& field, int shown, int row);
  void move_focus_when_full(const Field& field);

  State& state_;
  int first_group_;
  GroupBuffer stored_[summary_groups_shown]{};
};

}  // namespace quillon
