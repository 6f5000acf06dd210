#pragma once
// Text that travels in server file names: eight characters the servers do not
// take are written as "-X<code>X-" with their two-digit decimal code.
#include <string>

namespace quillon {

void escape_for_server(std::string& text);
void unescape_from_server(std::string& text);

}  // namespace quillon
