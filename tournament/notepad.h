#pragma once
// The Tournament NotePad: free text kept in the header's `notes`.
#include <string>

#include "core/dialog_model.h"

namespace quillon {

struct State;

inline constexpr int notes_limit = 2999;

class NotepadModel : public DialogModel {
 public:
  NotepadModel(State& state, const std::string& tournament_name, const std::string& notes);
  std::string id() const override { return "tournament_notepad"; }
  bool accept() override { return true; }
  std::string notes() const { return notes_.text; }

 private:
  Field& notes_;
};

// Stores the notes into stored tournament `slot` and writes its header.
[[nodiscard]] bool save_notes(State& state, int slot, const std::string& notes);

}  // namespace quillon
