#pragma once
// "Maintain Golfer Scores": the hole-by-hole scores of one group at a time.
// One row per golfer, or for Scramble and Ambrose the smaller team window with
// one row holding the team's card (kept in the group's first entry).
//
// Fields, r = 1..5 the row, h = 1..18 the hole:
//   group_number (list "001".."nnn"), prev, next, search (buttons);
//   name.r, score.r.h, division.r, handicap_index.r (text), skins.r, dq.r
//   (tick boxes), front_total.r, back_total.r, total.r, gross.r, net.r
//   (figures). The team window has no name, division or tick boxes and its
//   handicap figure is a label. Each row's fields carry the group "row.r".
// The cursor stands in `focus()`: a field name, or "ok" after the last row.
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "tournament/score_card.h"

namespace quillon {

struct State;

inline constexpr const char* ok_focus = "ok";

// The fields of the window, held by type, in the order shown. Those marked
// "player window" are null in the team window and the other way round.
struct ScoreEntryForm {
  struct Row {
    Field* name;  // player window
    std::vector<Field*> holes;  // holes 1..18
    Field& front_total;
    Field& back_total;
    Field& total;
    Field* division;  // player window
    Field* skins;  // player window
    Field* dq;  // player window
    Field& gross;
    Field& handicap_index;  // a label in the team window
    Field& net;
  };
  Field& group_number;
  Field* team_heading;  // team window
  std::vector<Field*> hole_headings;  // 1..18 in the team window, 1..9 ("1/10") in the player window
  Field* skins_heading;  // player window
  Field* dq_heading;  // player window
  Field& gross_heading;
  Field& index_heading;
  Field& net_heading;
  std::vector<Row> rows;  // rows 1..row_count()
  Field& prev;
  Field& next;
  Field& search;
};

class ScoreEntryModel : public DialogModel {
 public:
  // Opens at `group` (clamped to 1..group_count) of the current tournament.
  // Cards are totalled by `scorer`; without one only the running totals show.
  ScoreEntryModel(State& state, int group, CardScorer scorer);
  std::string id() const override { return team_window_ ? "team_score_entry" : "score_entry"; }
  bool accept() override { return save_score_page(); }

  int group() const { return group_; }
  bool team_window() const { return team_window_; }
  int row_count() const { return rows_; }
  int hole_count() const { return hole_count_; }

  // Stores the page: names, boxes, divisions, holes and indexes, recomputing
  // each scored card. A handicap error stops at its row; the rows before it
  // are written. Returns whether the whole page was stored.
  [[nodiscard]] bool save_score_page();

  // Puts the cursor into a hole cell; a row without a name passes it on to
  // the next row, and after the last row to OK.
  void enter_cell(int row, int hole);

  // How a hole cell is framed against par, for the front end to colour.
  ParMark cell_mark(int row, int hole) const;

  static std::string hole_field(int row, int hole);
  static std::string row_field(const char* column, int row);
  const ScoreEntryForm& form() const { return form_; }

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  // Layout (score_entry_layout.cpp).
  ScoreEntryForm build_fields();
  ScoreEntryForm::Row build_row(int row);
  const ScoreEntryForm::Row& row_fields(int row) const { return form_.rows[row - 1]; }
  void refresh_group_list();
  void show_layout();

  // Pages (score_entry_page.cpp).
  void load();
  void load_row(int row);
  [[nodiscard]] bool store_row(GolferEntry& entry, int row);
  void score_card(GroupBuffer& group, int row);
  void show_completed_card(int row);
  void show_figures(int row, const GolferEntry& entry, bool scored);
  void show_group(int group);
  void previous();
  void next();
  void search();
  void group_chosen(Field& list);

  // Typing (score_entry_typing.cpp).
  void hole_typed(Field& cell, int row, int hole);
  void show_running_totals(int row);
  void index_typed(Field& index, int row);
  void dq_typed(const Field& box);
  bool row_named(int row) const;
  GolferEntry card_of_row(int row) const;
  char row_gender(int row) const;

  State& state_;
  CardScorer scorer_;
  int group_ = 1;
  bool team_window_ = false;
  int rows_ = 1;
  int hole_count_ = 18;
  CourseRecord course_{};  // the course of division 1: holes and pars
  GroupBuffer stored_{};  // the group as last read or written
  ScoreEntryForm form_;
};

}  // namespace quillon
