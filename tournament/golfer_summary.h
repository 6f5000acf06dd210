#pragma once
// "Maintain Golfer Information", summary layout: four groups at once, one row
// per golfer with name, index, division, gender and the cart, member and
// skins boxes. Fields are named "<column>.<b>.<r>": b = 1..4 the group shown,
// r = 1..5 the row ("name.2.3").
#include <optional>
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

inline constexpr int summary_groups_shown = 4;

// The fields of the summary layout, held by type, in the order shown.
struct GolferSummaryForm {
  struct Row {
    Field& name;
    Field& index;
    Field& division;
    Field& gender;
    Field& cart;
    Field& member;
    Field& skins;
  };
  struct Group {
    Field& label;
    std::vector<Row> rows;  // rows 1..5
  };
  Field& group_number;
  Field& index_heading;
  std::vector<Group> groups;  // the groups shown, 1..4
};

class GolferSummaryModel : public DialogModel {
 public:
  GolferSummaryModel(State& state, int first_group);
  std::string id() const override { return "golfer_summary"; }
  bool accept() override { return save(); }

  int first_group() const { return first_group_; }
  static std::string row_field(const char* column, int shown, int row);
  const GolferSummaryForm& form() const { return form_; }

 protected:
  void on_changed(Field& field) override;

 private:
  GolferSummaryForm build_fields();
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
  GolferSummaryForm form_;
};

}  // namespace quillon
