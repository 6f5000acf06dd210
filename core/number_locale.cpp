#include "core/number_locale.h"

#include <clocale>

namespace quillon {

void use_locale_independent_numbers() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace quillon
