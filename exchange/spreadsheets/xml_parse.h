#pragma once
// Parsing a workbook part with expat: elements and their text are handed to
// a handler by their local names (the namespace prefix dropped), which is how
// the producers of workbooks differ least. A handler stops the parse by
// throwing SheetRefused; the parse then fails with its reason.
#include <string>
#include <string_view>

#include "core/status.h"

namespace quillon {

// The attributes of an element, as expat gives them (name, value, …, null).
class XmlAttributes {
 public:
  explicit XmlAttributes(const char** pairs) : pairs_(pairs) {}
  // The value of the attribute with this local name; nullptr when absent.
  const char* get(std::string_view local) const;

 private:
  const char** pairs_;
};

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  virtual void start(std::string_view name, const XmlAttributes& attributes) = 0;
  virtual void end(std::string_view name) = 0;
  virtual void text(std::string_view) {}
};

// The name after its prefix: "table-cell" for "table:table-cell".
std::string_view local_name(std::string_view qualified);

// Parses a whole part. A failure names the part and what was wrong.
Status parse_xml(std::string_view part_name, const std::string& xml, XmlHandler& handler);

}  // namespace quillon
