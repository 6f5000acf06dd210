#include "scoring/team_division_check.h"

#include <algorithm>
#include <string>

#include "core/database.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

namespace {

std::string mixed_teams_question(int division_count, const std::vector<int>& mixed, int division) {
  std::string text =
      format_text(message_limit, "The selected tournament is a team event with %d divisions.\n\nTeams (%d",
                  division_count, mixed.front());
  for (std::size_t i = 1; i < mixed.size(); ++i) text += format_text(32, ", %d", mixed[i]);
  text += format_text(message_limit,
                      ") contain 1 or more golfers in Division %d but they also contain 1 or more golfers from "
                      "another division.\n\nShould these teams be included in the Division %d results?",
                      division, division);
  return text;
}

}  // namespace

Result<std::vector<bool>> team_division_check(State& state, int division) {
  const int groups = state.header.group_count;
  const int group_size = group_size_of(state.header);
  std::vector<bool> included(groups + 1, false);
  std::vector<int> mixed;
  for (int g = 1; g <= groups; ++g) {
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    int golfers = 0;
    int in_division = 0;
    for (int slot = 0; slot < group_size; ++slot) {
      const GolferEntry& golfer = state.group.entries[slot];
      if (golfer.name[0] == '\0' || golfer.disqualified) continue;
      ++golfers;
      if (golfer.division == division) ++in_division;
    }
    if (in_division == 0) continue;
    if (in_division == golfers) included[g] = true;
    else mixed.push_back(g);
  }
  if (!mixed.empty()) {
    std::string question = mixed_teams_question(state.header.division_count, mixed, division);
    bool yes = show_message_text(state, message_kind::question, question) == Button::yes;
    for (int g : mixed) included[g] = yes;
  }
  return included;
}

}  // namespace quillon
