#include "core/build_info.h"

#include <string>

#include "core/dates.h"
#include "core/text.h"

namespace quillon {

int build_day_number() {
  std::string id = build_identifier;
  return day_number(parse_int(id.substr(6), 2), parse_int(id.substr(8), 2), parse_int(id.substr(10), 2));
}

}  // namespace quillon
