#include "report/ravelin_member_ids.h"

#include "core/messages.h"
#include "core/ravelin.h"
#include "core/state.h"

namespace quillon {

std::string ravelin_member_name(const RavelinReader& reader) {
  std::string last = reader.member_text(ravelin_member::last_name, 23);
  std::string first = reader.member_text(ravelin_member::first_name, 30);
  std::string name = first.empty() ? last : last + ", " + first;
  return name.substr(0, 25);
}

std::optional<MemberIds> ravelin_member_ids(State& state) {
  std::string path = state.file(state.ravelin_path).string();
  RavelinReader reader(path);
  if (state.ravelin_path.empty() || !reader.open_ravelin()) {
    message_box(state, message_kind::error,
                "Quillon is configured to import golfers and handicaps from a Ravelin database [%s] but the handicap "
                "database could not be located. For assistance call Tolvane Systems Inc. at 555-0142.",
                path.c_str());
    return std::nullopt;
  }
  reader.read_ravelin(ravelin_kind::header, 1);
  if (reader.version() != state.system.program_version ||
      reader.version_letter() != state.system.program_version_letter) {
    message_box(state, message_kind::error,
                "The version of the Ravelin for Windows database (%d.%c) does not match this version of Quillon for "
                "Windows (%d.%c).  The database versions must match in order to perform an import.  One or both "
                "products must be updated.",
                reader.version(), reader.version_letter(), state.system.program_version,
                state.system.program_version_letter);
    return std::nullopt;
  }
  MemberIds ids;
  int count = reader.member_count();
  for (int m = 1; m <= count; ++m) {
    if (reader.read_ravelin(ravelin_kind::member, m) < reader.member_record_size()) break;
    std::string last = reader.member_text(ravelin_member::last_name, 23);
    if (last.empty() || last == ravelin_empty_name) continue;
    ids.emplace(ravelin_member_name(reader), reader.member_text(ravelin_member::member_id, 11));
  }
  return ids;
}

}  // namespace quillon
