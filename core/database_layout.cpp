#include "core/database_layout.h"

#include "core/database.h"
#include "core/messages.h"
#include "core/text.h"

namespace quillon {

bool partial_block_fits(std::int64_t length) {
  if (length == 0) return true;
  return length >= tournament_header_size && (length - tournament_header_size) % golfer_entry_size == 0;
}

namespace {

bool slot_count_possible(int slots) {
  return slots >= course_slot_step && slots <= max_course_slot_count && slots % course_slot_step == 0;
}

// Whether the length fits the layout: whole tournament blocks only, or with
// a partial last block this program writes too (`partial_allowed`).
bool length_fits(int slots, bool with_message, std::int64_t file_length, bool partial_allowed) {
  if (file_length == desktop_message_offset_for(slots)) return true;
  std::int64_t base = tournament_base_for(slots, with_message);
  if (file_length < base) return false;
  std::int64_t partial = (file_length - base) % tournament_block_size;
  return partial_allowed ? partial_block_fits(partial) : partial == 0;
}

// Whether the length fits a layout other than the one the system record
// describes: then that record, not the file's length, is what is wrong.
bool fits_another_layout(int slots, bool with_message, std::int64_t file_length, bool partial_allowed) {
  for (int other = course_slot_step; other <= max_course_slot_count; other += course_slot_step)
    for (bool message : {true, false})
      if ((other != slots || message != with_message) && length_fits(other, message, file_length, partial_allowed))
        return true;
  return false;
}

}  // namespace

PartialBlock partial_block(const SystemRecord& system, std::int64_t file_length) {
  const int slots = system.course_slot_count;
  if (!slot_count_possible(slots)) return {};
  std::int64_t base = tournament_base_for(slots, (system.flags & system_flag::no_desktop_message) == 0);
  if (file_length <= base) return {};
  std::int64_t length = (file_length - base) % tournament_block_size;
  return {file_length - length, length};
}

Status check_layout_fits(const SystemRecord& system, std::int64_t file_length, bool partial_block_zero) {
  int slots = system.course_slot_count;
  if (!slot_count_possible(slots))
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
  const std::int64_t partial = (file_length - base) % tournament_block_size;
  if (!partial_block_fits(partial)) {
    // Whole blocks of another layout make a damaged system record far likelier
    // than a partial block that happens to be zero: trimming by the record's
    // layout would then cut real data.
    const bool record_suspect = fits_another_layout(slots, with_message, file_length, false);
    if (!partial_block_zero || record_suspect) {
      if (!record_suspect && !fits_another_layout(slots, with_message, file_length, true))
        return Status::failed(format_text(
            message_limit,
            "The database file is %lld bytes long: after its %d course slots and %lld whole tournaments "
            "it ends in %lld bytes that hold data but are not a whole tournament header with whole "
            "golfer entries; the file's length does not fit and the file appears to be damaged.",
            static_cast<long long>(file_length), slots,
            static_cast<long long>((file_length - base) / tournament_block_size), static_cast<long long>(partial)));
      return Status::failed(
          format_text(message_limit,
                      "The database file is %lld bytes long, which does not fit the layout its system record "
                      "describes (%d course slots, %s desktop message); the system record appears to be "
                      "damaged.",
                      static_cast<long long>(file_length), slots, with_message ? "with a" : "without a"));
    }
  }
  int tournaments = tournament_count_from_length(file_length, base);
  if (tournaments >= tournament_limit)
    return Status::failed(format_text(message_limit,
                                      "The database file is %lld bytes long, which makes %d tournaments; this "
                                      "program keeps at most %d, so the file appears to be damaged.",
                                      static_cast<long long>(file_length), tournaments, tournament_limit - 1));
  return Status::ok();
}

}  // namespace quillon
