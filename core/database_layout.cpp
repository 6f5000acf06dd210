#include "core/database_layout.h"

#include "core/database.h"
#include "core/messages.h"
#include "core/text.h"

namespace quillon {

bool partial_block_fits(std::int64_t length) {
  if (length == 0) return true;
  return length >= tournament_header_size && (length - tournament_header_size) % golfer_entry_size == 0;
}

Status check_layout_fits(const SystemRecord& system, std::int64_t file_length) {
  int slots = system.course_slot_count;
  if (slots < course_slot_step || slots > max_course_slot_count || slots % course_slot_step != 0)
    return Status::failed(
        format_text(message_limit,
                    "The number of course slots recorded in the database (%d) is not one this program "
                    "sets (%d to %d in steps of %d); the database appears to be damaged.",
                    slots, course_slot_step, max_course_slot_count, course_slot_step));
  bool with_message = (system.flags & system_flag::no_desktop_message) == 0;
  std::int64_t base = tournament_base_for(slots, with_message);
  // A file ending right after its course slots has no tournaments and no
  // desktop message yet, whatever the flag says.
  if (file_length == desktop_message_offset_for(slots)) return Status::ok();
  if (file_length < base)
    return Status::failed(
        format_text(message_limit,
                    "The database file is %lld bytes long, shorter than the %lld bytes its %d course slots "
                    "need; the file appears to be damaged or cut short.",
                    static_cast<long long>(file_length), static_cast<long long>(base), slots));
  if (!partial_block_fits((file_length - base) % tournament_block_size))
    return Status::failed(
        format_text(message_limit,
                    "The database file is %lld bytes long, which does not fit the layout its system record "
                    "describes (%d course slots, %s desktop message); the system record appears to be "
                    "damaged.",
                    static_cast<long long>(file_length), slots, with_message ? "with a" : "without a"));
  int tournaments = tournament_count_from_length(file_length, base);
  if (tournaments >= tournament_limit)
    return Status::failed(format_text(message_limit,
                                      "The database file is %lld bytes long, which makes %d tournaments; this "
                                      "program keeps at most %d, so the file appears to be damaged.",
                                      static_cast<long long>(file_length), tournaments, tournament_limit - 1));
  return Status::ok();
}

}  // namespace quillon
