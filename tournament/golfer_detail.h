#pragma once
// "Maintain Golfer Information", detail layout: one group at a time, each
// golfer with four text lines, index, division and the Sk, U1 and U2 boxes.
// Fields are named "<column>.<k>", k = 1..5 the golfer ("info2.3").
#include <string>

#include "core/dialog_model.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

class GolferDetailModel : public DialogModel {
 public:
  GolferDetailModel(State& state, int group);
  std::string id() const override { return "golfer_detail"; }
  bool accept() override { return save(); }

  int group() const { return group_; }
  static std::string golfer_field(const char* column, int golfer);

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  void build_fields();
  void load();
  [[nodiscard]] bool save();
  void previous();
  void next();

  State& state_;
  int group_;
  GroupBuffer stored_{};
};

}  // namespace quillon
