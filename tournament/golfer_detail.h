#pragma once
// "Maintain Golfer Information", detail layout: one group at a time, each
// golfer with four text lines, index, division and the Sk, U1 and U2 boxes.
// Fields are named "<column>.<k>", k = 1..5 the golfer ("info2.3").
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

// The fields of the detail layout, held by type, in the order shown.
struct GolferDetailForm {
  // One golfer's panel.
  struct Golfer {
    Field& label;
    Field& name;
    Field& info1;
    Field& info2;
    Field& info3;
    Field& index;
    Field& division;
    Field& skins;
    Field& u1;
    Field& u2;
  };
  Field& group_number;
  Field& tee_time;
  std::vector<Golfer> golfers;  // golfers 1..5 of the group
  Field& user_stat1_name;
  Field& user_stat2_name;
  Field& user_stat_note;
  Field& prev;
  Field& next;
};

class GolferDetailModel : public DialogModel {
 public:
  GolferDetailModel(State& state, int group);
  std::string id() const override { return "golfer_detail"; }
  bool accept() override { return save(); }

  int group() const { return group_; }
  static std::string golfer_field(const char* column, int golfer);
  const GolferDetailForm& form() const { return form_; }

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  GolferDetailForm build_fields();
  void load();
  [[nodiscard]] bool save();
  void previous();
  void next();

  State& state_;
  int group_;
  GroupBuffer stored_{};
  GolferDetailForm form_;
};

}  // namespace quillon
