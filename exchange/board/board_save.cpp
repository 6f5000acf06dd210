#include "exchange/board/board_save.h"

#include "core/database.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/board/board_data.h"
#include "exchange/board/board_database.h"
#include "handicap/formats.h"
#include "scoring/score_golfer.h"
#include "tournament/score_entry.h"

namespace quillon::board {

namespace {

SaveReply reply(SaveOutcome outcome, std::string reason = {}, int stored = 0) {
  return SaveReply{outcome, std::move(reason), stored};
}

// The score as the card takes it, or why not.
std::optional<std::string> refusal(const std::string& score, Format format) {
  if (score == "X" || score == "x") {
    if (is_individual_stableford(format)) return std::nullopt;
    return "\"X\" (picked up) is taken only in the Stableford formats";
  }
  const bool digits = !score.empty() && score.size() <= 2 && score.find_first_not_of("0123456789") == std::string::npos;
  if (!digits || parse_int(score, 2) < 1 || parse_int(score, 2) > highest_hole_score)
    return "A hole score is a whole number from 1 to 15";
  return std::nullopt;
}

}  // namespace

SaveReply save_hole_score(State& state, const CardScorer& scorer, int tournament, int group, int slot, int hole,
                          const std::string& score, std::optional<int> was) {
  const int day = entry_tournament(state, tournament);
  Result<int> read = day == 0 ? Result<int>(0) : read_record_counted(state, RecordKind::tournament, day);
  if (!read || *read <= 0) return reply(SaveOutcome::not_found, "There is no tournament to enter scores for");
  if (group < 1 || group > state.header.group_count)
    return reply(SaveOutcome::not_found, "There is no group " + std::to_string(group));
  const Format format = format_of(state.header);
  if (auto why = refusal(score, format)) return reply(SaveOutcome::refused, *why);

  auto* quiet = dynamic_cast<QuietUi*>(&state.ui);
  if (quiet) quiet->shown.clear();
  ScoreEntryModel card(state, group, scorer);
  const bool named =
      slot >= 1 && slot <= card.row_count() &&
      (card.team_window() ? state.group.entries[0].name[0] != '\0'
                          : !trimmed(card.form().rows[static_cast<std::size_t>(slot - 1)].name->text).empty());
  if (!named)
    return reply(SaveOutcome::not_found,
                 "There is no golfer " + std::to_string(slot) + " in group " + std::to_string(group));
  if (hole < 1 || hole > card.hole_count())
    return reply(SaveOutcome::not_found, "The course has no hole " + std::to_string(hole));

  const std::string cell = ScoreEntryModel::hole_field(slot, hole);
  const int before =
      cell_score(card.form().rows[static_cast<std::size_t>(slot - 1)].holes[static_cast<std::size_t>(hole - 1)]->text);
  if (was && *was != before) return reply(SaveOutcome::conflict, "The score was changed meanwhile", before);

  if (Status typed = card.set(cell, score); !typed) return reply(SaveOutcome::failed, typed.reason(), before);
  const int typed_score = cell_score(card.text(cell));
  if (quiet && !quiet->asked_question() && !quiet->last_complaint().empty())
    return reply(SaveOutcome::refused, quiet->last_complaint(), before);
  if ((quiet && quiet->asked_question()) || !card.accept()) {
    if (quiet && quiet->asked_question()) {
      // Another opener wrote the group after the card was read: show what it holds now.
      // After a failed read (told) the reply shows no score.
      (void)read_record(state, RecordKind::group, group);
      return reply(SaveOutcome::conflict, "The score was changed meanwhile",
                   std::max<int>(state.group.entries[slot - 1].hole_scores[hole - 1], 0));
    }
    return reply(SaveOutcome::failed, quiet ? quiet->last_complaint() : "The score could not be saved", before);
  }
  return reply(SaveOutcome::saved, {}, typed_score);
}

}  // namespace quillon::board
