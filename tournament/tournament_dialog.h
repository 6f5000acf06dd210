#pragma once
// "Tournament Detail Information": creates (add mode) and changes (change
// mode) a tournament header. On OK the edited header is left in the state's
// header buffer for the caller to write.
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/records/tournament_header.h"
#include "core/result.h"
#include "core/ui.h"
#include "handicap/formats.h"

namespace quillon {

struct State;

enum class TournamentDialogMode { add, change };

// The fields of the tournament dialog, held by type, in the order shown.
struct TournamentForm {
  struct DivisionRow {
    Field& tee;
    Field& allowance;
    Field& handicap_limit;
  };
  Field& date;
  Field& choose_date;
  Field& name;
  Field& address_line1;
  Field& address_line2;
  Field& address_line3;
  Field& contact;
  Field& telephone;
  Field& course;
  Field& format;
  Field& tie_break;
  Field& auto_assign;
  Field& division_count;
  Field& callaway_division;
  std::vector<DivisionRow> divisions;  // divisions 1..10
  Field& default_gender;
  Field& start_type;
  Field& tee_interval;
  Field& results_limit;
  Field& include_rating_and_par;
  Field& first_tee_time;
  Field& last_tee_time;
  Field& blocked_from;
  Field& blocked_to;
  Field& group_count;
  Field& group_size;
  Field& groups_per_tee_time;
  Field& first_shotgun_groups;
  Field& peoria_label;
  std::vector<Field*> peoria_holes;  // the first set, 6 holes
  std::vector<Field*> peoria_holes2;  // the second set of Peoria formats with two
  Field& use_entered_handicap;
  Field& best_holes_count;
  Field& max_hole_score;
  Field& best_balls;
  Field& user_stat1_name;
  Field& user_stat2_name;
  Field& notepad;
  Field& callaway_configuration;
  Field& stableford_configuration;
  Field& shotgun_holes;
};

class TournamentDialogModel : public DialogModel {
 public:
  // `header` is what the dialog starts from (the defaults of a new header, or
  // the stored one); `slot` is the tournament's number.
  TournamentDialogModel(State& state, const TournamentHeader& header, TournamentDialogMode mode, int slot);

  std::string id() const override { return "tournament_detail"; }
  bool accept() override;

  // The header as edited so far (what OK stores once every rule passes).
  const TournamentHeader& header() const { return h_; }
  const TournamentForm& form() const { return form_; }

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  TournamentForm build_fields();
  void load_fields();
  void show_format_controls();
  void show_start_type_controls();
  void show_division_rows();
  void recompute_last_tee_time();
  void on_group_size_typed(Field& field);
  void on_format_chosen();
  void on_course_chosen();
  void choose_date();
  void open_notepad();
  void open_callaway_configuration();
  void open_shotgun_holes();

  // Acceptance steps; each returns false after showing the message that
  // keeps the dialog open.
  bool check_date();
  bool check_name();
  bool check_unique_in_add_mode();
  void store_texts_and_divisions();
  bool store_format();
  void store_auto_assign();
  void store_limits_and_allowances();
  bool store_peoria_holes(int holes);
  bool store_best_holes(int holes);
  bool check_course_size(int holes);
  void store_times();
  void store_groups();
  bool check_groups_per_tee_time();
  void store_best_balls();
  [[nodiscard]] bool keep_groups_holding_golfers();
  void reassign_divisions();
  [[nodiscard]] Result<int> holes_of_division1_course();

  int tee_slot_of(const Field& tee) const;
  bool is_division_allowance(const Field& f) const;
  Format selected_format() const;
  static int time_field_minutes(const Field& time);
  static void set_time_field(Field& time, int hour, int minute, bool has_none);

  State& state_;
  TournamentHeader h_;
  TournamentHeader original_;
  TournamentDialogMode mode_;
  int slot_;
  std::vector<Choice> tees_;
  std::vector<Format> formats_;
  TournamentForm form_;
};

// The dialog's field names for the division rows, 1..10.
std::string division_field(const char* base, int division);
// "YYYY-MM-DD" (1980 to 2079) to the header's three date bytes; false, with
// the header unchanged, when the text is no such date.
bool parse_date_text(const std::string& text, TournamentHeader& h);

}  // namespace quillon
