#pragma once
// The bits of a tournament header's `options` word.
#include <cstdint>

#include "core/records/tournament_header.h"

namespace quillon::header_options {

inline constexpr std::uint16_t auto_assign = 0x0001;
inline constexpr std::uint16_t use_entered_handicap = 0x0040;

inline int tie_break(const TournamentHeader& h) {
  int method = (h.options >> 1) & 0x0F;
  return method > 3 ? 0 : method;
}
inline void set_tie_break(TournamentHeader& h, int method) {
  h.options = static_cast<std::uint16_t>((h.options & ~0x001E) | ((method & 0x0F) << 1));
}
inline int best_balls(const TournamentHeader& h) { return (h.options >> 8) & 0x07; }
inline void set_best_balls(TournamentHeader& h, int count) {
  h.options = static_cast<std::uint16_t>((h.options & ~0x0700) | ((count & 0x07) << 8));
}
inline bool has(const TournamentHeader& h, std::uint16_t bit) { return (h.options & bit) != 0; }
inline void set(TournamentHeader& h, std::uint16_t bit, bool on) {
  h.options = static_cast<std::uint16_t>(on ? (h.options | bit) : (h.options & ~bit));
}

}  // namespace quillon::header_options
