#include "core/window_title.h"

#include "core/fixed_text.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

std::string window_title_for(const State& state) {
  std::string name = field_text(state.import_settings.reporting_name);
  if (state.system.heading_mode == 'H' && !name.empty())
    return format_text(200, "Quillon for Windows %d%c, - %s", state.system.program_version,
                       state.system.program_version_letter, name.c_str());
  return format_text(200, "Quillon for Windows %d%c", state.system.program_version,
                     state.system.program_version_letter);
}

}  // namespace quillon
