#include "core/program_locale.h"

#include <clocale>

namespace quillon {

void use_program_locale() {
  std::setlocale(LC_NUMERIC, "C");
  std::setlocale(LC_MESSAGES, "C");
}

}  // namespace quillon
