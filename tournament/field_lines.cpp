#include "tournament/field_lines.h"

#include <algorithm>
#include <cstdlib>
#include <deque>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

constexpr std::size_t compared_name_length = 25;
constexpr int exchanges_per_golfer = 4;
constexpr int not_found_division = 11;
constexpr int not_found_score = 999;

bool shotgun_start(const TournamentHeader& h) {
  return h.start_type == static_cast<int>(StartType::shotgun) ||
         h.start_type == static_cast<int>(StartType::double_shotgun);
}

}  // namespace

std::string golfer_line_text(const GolferEntry& g, char default_gender) {
  const std::string index = g.handicap_index <= 0 ? format_text(16, "+%3.1f", std::abs(g.handicap_index) / 10.0)
                                                  : format_text(16, "%4.1f", g.handicap_index / 10.0);
  return field_text(g.name) + "\t" + index + "\t" + (g.in_skins ? "Y" : "N") + "\t" +
         ((g.entry_flags & entry_flag::power_cart) ? "Y" : "N") + "\t" +
         std::string(1, entry_gender(g.gender, default_gender));
}

std::string line_text(const FieldLine& line, char default_gender) {
  switch (line.kind) {
    case LineKind::header: return line.text;
    case LineKind::golfer: return golfer_line_text(line.golfer, default_gender);
    case LineKind::vacancy: break;
  }
  return " ";
}

FieldLayout field_layout(State& state) {
  FieldLayout layout;
  const TournamentHeader& h = state.header;
  layout.group_size = std::clamp(static_cast<int>(h.group_size), 1, max_group_size);
  layout.group_count = max_group_count(layout.group_size);
  const bool shotgun = shotgun_start(h);
  for (int g = 1; g <= layout.group_count; ++g) {
    const std::string time = tee_time_of_group(h, g);
    layout.header_texts.push_back(
        shotgun ? format_text(80, "-- %s -- %5s ----------", shotgun_hole_of_group(state, g).c_str(), time.c_str())
                : format_text(80, "-- %d -- %5s ----------", g, time.c_str()));
  }
  return layout;
}

std::vector<FieldLine> lines_of_groups(const FieldLayout& layout, const std::vector<std::vector<GolferEntry>>& groups) {
  std::vector<FieldLine> lines;
  lines.reserve(static_cast<std::size_t>(layout.group_count * (layout.group_size + 1)));
  for (int g = 1; g <= layout.group_count; ++g) {
    FieldLine header;
    header.kind = LineKind::header;
    header.group = g;
    header.text = layout.header_texts[static_cast<std::size_t>(g - 1)];
    lines.push_back(header);
    const std::vector<GolferEntry>* members =
        g <= static_cast<int>(groups.size()) ? &groups[static_cast<std::size_t>(g - 1)] : nullptr;
    for (int slot = 0; slot < layout.group_size; ++slot) {
      FieldLine line;
      line.group = g;
      if (members && slot < static_cast<int>(members->size())) {
        line.kind = LineKind::golfer;
        line.golfer = (*members)[static_cast<std::size_t>(slot)];
      }
      lines.push_back(line);
    }
  }
  return lines;
}

std::vector<FieldLine> lines_in_order(const FieldLayout& layout, const std::vector<GolferEntry>& golfers) {
  std::vector<std::vector<GolferEntry>> groups;
  for (std::size_t i = 0; i < golfers.size(); ++i) {
    if (i % static_cast<std::size_t>(layout.group_size) == 0) groups.emplace_back();
    groups.back().push_back(golfers[i]);
  }
  return lines_of_groups(layout, groups);
}

std::vector<GolferEntry> golfers_of(const std::vector<FieldLine>& lines) {
  std::vector<GolferEntry> golfers;
  for (const FieldLine& l : lines)
    if (l.kind == LineKind::golfer) golfers.push_back(l.golfer);
  return golfers;
}

void order_by_name(std::vector<GolferEntry>& golfers) {
  std::stable_sort(golfers.begin(), golfers.end(), [](const GolferEntry& a, const GolferEntry& b) {
    return field_text(a.name).substr(0, compared_name_length) < field_text(b.name).substr(0, compared_name_length);
  });
}

void order_by_index(std::vector<GolferEntry>& golfers, bool ascending) {
  std::stable_sort(golfers.begin(), golfers.end(), [ascending](const GolferEntry& a, const GolferEntry& b) {
    return ascending ? a.handicap_index < b.handicap_index : a.handicap_index > b.handicap_index;
  });
}

void shuffle_field(std::vector<GolferEntry>& golfers, std::mt19937& random) {
  if (golfers.size() < 2) return;
  std::uniform_int_distribution<std::size_t> position(0, golfers.size() - 1);
  const std::size_t exchanges = exchanges_per_golfer * golfers.size();
  for (std::size_t i = 0; i < exchanges; ++i) std::swap(golfers[position(random)], golfers[position(random)]);
}

std::vector<std::vector<GolferEntry>> crossover_groups(const std::vector<GolferEntry>& ordered, int group_size) {
  const int n = static_cast<int>(ordered.size());
  const int groups_needed = (n + group_size - 1) / group_size;
  const int second_half = std::min(n, (groups_needed + 1) / 2 * group_size);
  std::vector<std::vector<GolferEntry>> groups;
  auto place = [&](int from, int to, int first_group) {
    int g = first_group;
    for (int i = from; i < to; i += group_size, g += 2) {
      if (static_cast<int>(groups.size()) < g) groups.resize(static_cast<std::size_t>(g));
      auto& members = groups[static_cast<std::size_t>(g - 1)];
      members.assign(ordered.begin() + i, ordered.begin() + std::min(to, i + group_size));
    }
  };
  place(0, second_half, 1);
  place(second_half, n, 2);
  return groups;
}

std::vector<std::vector<GolferEntry>> high_low_groups(std::vector<GolferEntry> golfers, int group_size) {
  order_by_index(golfers, true);
  const int n = static_cast<int>(golfers.size());
  std::vector<std::deque<GolferEntry>> bands(static_cast<std::size_t>(group_size));
  int at = 0;
  for (int b = 0; b < group_size; ++b) {
    const int size = n / group_size + (b < n % group_size ? 1 : 0);
    bands[static_cast<std::size_t>(b)].assign(golfers.begin() + at, golfers.begin() + at + size);
    at += size;
  }
  std::vector<std::vector<GolferEntry>> groups;
  for (int placed = 0; placed < n;) {
    auto& group = groups.emplace_back();
    for (int b = 0; b < group_size; ++b) {
      auto& band = bands[static_cast<std::size_t>(b)];
      if (band.empty()) continue;
      const bool from_low_end = b % 2 == 0;  // bands 1, 3 and 5
      group.push_back(from_low_end ? band.front() : band.back());
      if (from_low_end) band.pop_front();
      else band.pop_back();
      ++placed;
    }
  }
  return groups;
}

std::string previous_round_key(const PreviousDayScore& s, bool by_division, bool ascending) {
  if (!s.found) return format_text(8, "%02d%03d", not_found_division, not_found_score);
  const int d = by_division ? std::clamp(s.division, 1, 10) : 1;
  const int score = std::clamp(s.score, 0, not_found_score);
  return ascending ? format_text(8, "%02d%03d", d, score)
                   : format_text(8, "%02d%03d", not_found_division - d, not_found_score - score);
}

}  // namespace quillon
