#include "tournament/notepad.h"

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

NotepadModel::NotepadModel(State&, const std::string& tournament_name, const std::string& notes)
    : notes_(add(Field::multiline_field("notes", "", notes_limit))) {
  title_ = format_text(100, "Tournament Notepad : %s", tournament_name.c_str());
  notes_.text = notes.substr(0, notes_limit);
}

bool save_notes(State& state, int slot, const std::string& notes) {
  if (!read_record(state, RecordKind::tournament, slot)) return false;
  set_field_text_terminated(state.header.notes, notes);
  return write_record(state, RecordKind::tournament, slot).is_ok();
}

}  // namespace quillon
