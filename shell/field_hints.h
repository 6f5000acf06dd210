#pragma once
// The tooltips of the main window's buttons and of the dialogs' fields: each
// is a sentence of the help topic that explains the button or field, so that
// the hint and the help page always say the same.
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/help_topics.h"

namespace quillon::shell {

struct FieldHint {
  const char* dialog;  // the dialog model's id, or "main_window" for its buttons
  const char* field;  // the field's name without its row or division number ("division_tee" for "division_tee.3")
  Help topic;  // the help page the sentence is taken from
  const char* text;
};

const std::vector<FieldHint>& field_hints();
// The hint of a field of a dialog ("score.2.7" finds "score"); empty when it has none.
std::string field_hint(const std::string& dialog, const std::string& field);
// The help page that explains a dialog: its own topic, or for a dialog without
// one the page its hints are taken from (Contents when it has none).
Help dialog_help(const DialogModel& model);

}  // namespace quillon::shell
