#include "exchange/spreadsheets/xml_parse.h"

#include <expat.h>

#include <climits>

#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

namespace {

struct ParseState {
  XML_Parser parser;
  XmlHandler& handler;
  std::string failure;
};

// Expat is C: nothing may be thrown through it, so a refusal stops the parser.
template <typename Call>
void guarded(void* data, Call call) {
  auto* state = static_cast<ParseState*>(data);
  if (!state->failure.empty()) return;
  try {
    call(state->handler);
  } catch (const std::exception& e) {
    state->failure = e.what();
    XML_StopParser(state->parser, XML_FALSE);
  }
}

void on_start(void* data, const XML_Char* name, const XML_Char** attributes) {
  guarded(data, [&](XmlHandler& h) { h.start(local_name(name), XmlAttributes(attributes)); });
}

void on_end(void* data, const XML_Char* name) {
  guarded(data, [&](XmlHandler& h) { h.end(local_name(name)); });
}

void on_text(void* data, const XML_Char* text, int length) {
  guarded(data, [&](XmlHandler& h) { h.text(std::string_view(text, static_cast<std::size_t>(length))); });
}

}  // namespace

const char* XmlAttributes::get(std::string_view local) const {
  for (const char** p = pairs_; p && p[0]; p += 2)
    if (local_name(p[0]) == local) return p[1];
  return nullptr;
}

std::string_view local_name(std::string_view qualified) {
  std::size_t colon = qualified.rfind(':');
  return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

Status parse_xml(std::string_view part_name, const std::string& xml, XmlHandler& handler) {
  if (xml.size() > static_cast<std::size_t>(INT_MAX)) return Status::failed("the part is too large");
  XML_Parser parser = XML_ParserCreate(nullptr);  // the encoding the part declares, UTF-8 or UTF-16
  if (!parser) return Status::failed("the XML parser cannot start");
  ParseState state{parser, handler, {}};
  XML_SetUserData(parser, &state);
  XML_SetElementHandler(parser, on_start, on_end);
  XML_SetCharacterDataHandler(parser, on_text);
  bool parsed = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
  std::string reason;
  if (!state.failure.empty()) reason = state.failure;
  else if (!parsed)
    reason = "the part " + std::string(part_name) + " is not sound XML (" + XML_ErrorString(XML_GetErrorCode(parser)) +
             ", line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ")";
  XML_ParserFree(parser);
  return reason.empty() ? Status::ok() : Status::failed(reason);
}

}  // namespace quillon
