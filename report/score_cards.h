#pragma once
// Score cards: one card per group or per golfer, drawn on the page grid.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/records/golfer_entry.h"
#include "report/field_golfers.h"
#include "report/print_job.h"

namespace quillon {

struct State;

enum class CardsPer { group, golfer };

// A card: the group and the slots (0-based) whose lines it holds.
struct ScoreCard {
  int group = 0;
  std::vector<int> slots;
  bool board = false;  // the card carries its group's board PIN and QR code
  bool operator==(const ScoreCard&) const = default;
};

// What a card prints for the clubhouse board: the group's PIN and a QR code
// of the group's entry address (modules row by row).
struct CardBoardMark {
  std::string pin;
  std::string address;
  int qr_size = 0;
  std::vector<bool> qr;
};
// The marks by group number of the current tournament; none when the board
// is not set up for it.
using CardBoardMarks = std::function<std::map<int, CardBoardMark>(State&)>;

struct CardGolfer {
  GolferEntry entry{};
  char sex = 'M';
  int course_handicap = 0;
  bool named() const { return entry.name[0] != 0; }
};

struct CardGroup {
  int number = 0;
  std::string start;  // "<tee time> Hole #n", as the card prints it
  std::vector<CardGolfer> slots;
};

// What the cards of the current tournament show, read once.
struct CardField {
  explicit CardField(State& state);
  std::string tournament_name;
  std::string date_text;
  bool yards = false;
  FieldDivisionTees tees;
  std::vector<CardGroup> groups;  // groups 1..group_count
  std::map<int, CardBoardMark> board;  // by group number
};

// One card per group (all its slots, vacancies too) or one per named golfer;
// only the given group when one is given.
std::vector<ScoreCard> score_card_list(const CardField& field, CardsPer per, std::optional<int> only_group);

// The start printed on a group's card: Normal "%s Hole #1", CrossOver
// "%s Hole #1" for odd groups and "%s Hole #10" for even ones, shotgun starts
// "%s Hole #%s" with the starting-hole label.
std::string card_start_text(int start_type, int group, const std::string& tee_time, const std::string& shotgun_label);

// Rows of the page a card takes, and the rows of the preview sheet of a list.
int score_card_rows(const ScoreCard& card);
int score_card_sheet_lines(const std::vector<ScoreCard>& cards);

// Column of a hole cell's number, 0-based cell k = 0..17 (holes 1..9 from
// column 17, holes 10..18 from column 47, every 3 columns).
int hole_cell_column(int cell);

// Draws the cards; false when the user cancelled the job.
bool draw_score_cards(PrintOutput& out, const CardField& field, const std::vector<ScoreCard>& cards, bool dots);

// Commands 2000..2003: the dots question, the preview and, on "OK/PRINT", the
// same cards to the printer.
// With `board`, the cards of the groups it marks carry their PIN and QR code.
Status print_score_cards(State& state, CardsPer per, bool selected_group_only, const CardBoardMarks& board = {});

}  // namespace quillon
