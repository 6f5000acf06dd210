#include "tests/testing/html_table.h"

#include <cctype>
#include <cstdlib>

namespace quillon::testing {
namespace {

bool is_letter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string trimmed(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && is_blank(text[begin])) ++begin;
  while (end > begin && is_blank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

void append_utf8(std::string& out, unsigned long code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | ((code >> 12) & 0x0F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

struct Tag {
  std::string name;  // lower case
  bool closing = false;
  HtmlAttributes attributes;
};

// Reads the tag that starts at text[at] == '<'; `at` is left after its '>'.
Tag read_tag(std::string_view text, std::size_t& at) {
  Tag tag;
  ++at;
  if (at < text.size() && text[at] == '/') {
    tag.closing = true;
    ++at;
  }
  std::size_t start = at;
  while (at < text.size() && std::isalnum(static_cast<unsigned char>(text[at]))) ++at;
  tag.name = lower(text.substr(start, at - start));
  while (at < text.size() && text[at] != '>') {
    if (is_blank(text[at]) || text[at] == '/') {
      ++at;
      continue;
    }
    start = at;
    while (at < text.size() && !is_blank(text[at]) && text[at] != '=' && text[at] != '>') ++at;
    std::string name = lower(text.substr(start, at - start));
    std::size_t look = at;
    while (look < text.size() && is_blank(text[look])) ++look;
    std::string value;
    if (look < text.size() && text[look] == '=') {
      at = look + 1;
      while (at < text.size() && is_blank(text[at])) ++at;
      if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
        char quote = text[at++];
        start = at;
        while (at < text.size() && text[at] != quote) ++at;
        value = text.substr(start, at - start);
        if (at < text.size()) ++at;
      } else {
        start = at;
        while (at < text.size() && !is_blank(text[at]) && text[at] != '>') ++at;
        value = text.substr(start, at - start);
      }
    }
    tag.attributes.values[name] = value;
  }
  if (at < text.size()) ++at;
  return tag;
}

// A '<' opens a tag only before a letter, "/letter" or "!"; otherwise it is
// text, as in the captions "<--- Front 9 --->".
bool opens_tag(std::string_view text, std::size_t at) {
  if (text[at] != '<' || at + 1 >= text.size()) return false;
  char next = text[at + 1];
  if (is_letter(next) || next == '!') return true;
  return next == '/' && at + 2 < text.size() && is_letter(text[at + 2]);
}

class TableReader {
 public:
  std::vector<HtmlTable> read(std::string_view html) {
    std::size_t at = 0;
    while (at < html.size()) {
      if (html.substr(at, 4) == "<!--") {
        std::size_t end = html.find("-->", at + 4);
        at = end == std::string_view::npos ? html.size() : end + 3;
      } else if (opens_tag(html, at)) {
        on_tag(read_tag(html, at));
      } else {
        std::size_t end = at + 1;
        while (end < html.size() && !opens_tag(html, end)) ++end;
        on_text(html.substr(at, end - at));
        at = end;
      }
    }
    close_row();
    return std::move(tables_);
  }

 private:
  void on_tag(const Tag& tag) {
    const std::string& n = tag.name;
    if (n == "table") {
      close_row();
      in_table_ = !tag.closing;
      if (in_table_) tables_.push_back(HtmlTable{tag.attributes, {}});
    } else if (n == "tr") {
      close_row();
      if (!tag.closing && in_table_) {
        tables_.back().rows.push_back(HtmlRow{tag.attributes, {}});
        in_row_ = true;
      }
    } else if (n == "td" || n == "th") {
      in_cell_ = false;
      if (!tag.closing && in_row_) {
        tables_.back().rows.back().cells.push_back(HtmlCell{n == "th", tag.attributes, {}});
        in_cell_ = true;
      }
    } else if (n == "font") {
      if (!tag.closing)
        fonts_.push_back(tag.attributes["color"].empty() && !fonts_.empty() ? fonts_.back() : tag.attributes["color"]);
      else if (!fonts_.empty()) fonts_.pop_back();
    } else if (n == "b" || n == "strong") {
      bold_ += tag.closing ? (bold_ > 0 ? -1 : 0) : 1;
    } else if (n == "br" && in_cell_) {
      add_run("\n");
    }
  }

  void on_text(std::string_view raw) {
    if (!in_cell_) return;
    std::string text(raw);
    // Only <br> breaks a line; line ends in the source are blanks.
    for (char& c : text)
      if (is_blank(c)) c = ' ';
    add_run(decode_entities(text));
  }

  void add_run(std::string text) {
    cell().runs.push_back(HtmlRun{std::move(text), fonts_.empty() ? "" : fonts_.back(), bold_ > 0});
  }

  HtmlCell& cell() { return tables_.back().rows.back().cells.back(); }

  void close_row() {
    in_cell_ = false;
    in_row_ = false;
  }

  std::vector<HtmlTable> tables_;
  std::vector<std::string> fonts_;
  int bold_ = 0;
  bool in_table_ = false;
  bool in_row_ = false;
  bool in_cell_ = false;
};

}  // namespace

std::string HtmlAttributes::operator[](const std::string& name) const {
  auto found = values.find(name);
  return found == values.end() ? "" : found->second;
}

std::string HtmlCell::text() const {
  std::string all;
  for (const HtmlRun& r : runs) all += r.text;
  std::string out;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = all.find('\n', start);
    out += trimmed(std::string_view(all).substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    out += '\n';
    start = end + 1;
  }
  return out;
}

int HtmlCell::colspan() const {
  std::string span = attributes["colspan"];
  return span.empty() ? 1 : std::atoi(span.c_str());
}

std::string HtmlCell::colour() const {
  std::string colour;
  bool seen = false;
  for (const HtmlRun& r : runs) {
    if (trimmed(r.text).empty()) continue;
    if (r.colour.empty() || (seen && r.colour != colour)) return "";
    colour = r.colour;
    seen = true;
  }
  return colour;
}

bool HtmlCell::bold() const {
  bool seen = false;
  for (const HtmlRun& r : runs) {
    if (trimmed(r.text).empty()) continue;
    if (!r.bold) return false;
    seen = true;
  }
  return seen;
}

std::vector<std::pair<std::string, std::string>> HtmlCell::coloured_texts() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const HtmlRun& r : runs)
    if (!r.colour.empty() && !trimmed(r.text).empty()) out.emplace_back(r.colour, trimmed(r.text));
  return out;
}

bool HtmlRow::is_header() const {
  for (const HtmlCell& c : cells)
    if (c.header) return true;
  return false;
}

std::vector<HtmlTable> html_tables(std::string_view html) { return TableReader().read(html); }

std::vector<HtmlTable> report_tables(std::string_view page) {
  std::vector<HtmlTable> all = html_tables(page), out;
  for (std::size_t t = 0; t < all.size(); ++t) {
    const auto& rows = all[t].rows;
    bool information =
        rows.size() == 1 && rows[0].cells.size() == 1 && rows[0].cells[0].text() == "Tournament Information";
    if (information) ++t;  // and the name and date table after it
    else out.push_back(all[t]);
  }
  return out;
}

std::vector<HtmlRow> data_rows(const std::vector<HtmlTable>& tables) {
  std::vector<HtmlRow> out;
  for (const HtmlTable& t : tables)
    for (const HtmlRow& r : t.rows)
      if (!r.is_header() && !r.is_spacer()) out.push_back(r);
  return out;
}

HtmlRow header_row(const std::vector<HtmlTable>& tables) {
  for (const HtmlTable& t : tables)
    for (const HtmlRow& r : t.rows)
      if (r.is_header()) return r;
  return HtmlRow{};
}

::testing::AssertionResult has_heading_look(const HtmlRow& row, const std::string& background) {
  if (row.attributes["bgcolor"] != background)
    return ::testing::AssertionFailure() << "the row's background is \"" << row.attributes["bgcolor"] << "\"";
  for (const HtmlCell& c : row.cells)
    if (!c.text().empty() && c.colour() != "#ffffff")
      return ::testing::AssertionFailure() << "the caption \"" << c.text() << "\" is in \"" << c.colour() << "\"";
  return ::testing::AssertionSuccess();
}

std::vector<std::string> texts(const HtmlRow& row) {
  std::vector<std::string> out;
  for (const HtmlCell& c : row.cells) out.push_back(c.text());
  return out;
}

std::vector<std::string> aligns(const HtmlRow& row) {
  std::vector<std::string> out;
  for (const HtmlCell& c : row.cells) out.push_back(c.align());
  return out;
}

std::vector<std::string> colours(const HtmlRow& row) {
  std::vector<std::string> out;
  for (const HtmlCell& c : row.cells) out.push_back(c.colour());
  return out;
}

std::vector<RowTexts> texts(const std::vector<HtmlRow>& rows) {
  std::vector<RowTexts> out;
  for (const HtmlRow& r : rows) out.push_back(texts(r));
  return out;
}

std::vector<RowTexts> aligns(const std::vector<HtmlRow>& rows) {
  std::vector<RowTexts> out;
  for (const HtmlRow& r : rows) out.push_back(aligns(r));
  return out;
}

std::string decode_entities(std::string_view text) {
  static const std::pair<std::string_view, std::string_view> named[] = {{"nbsp", " "}, {"amp", "&"},   {"lt", "<"},
                                                                        {"gt", ">"},   {"quot", "\""}, {"apos", "'"}};
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] != '&') {
      out += text[at++];
      continue;
    }
    std::string_view rest = text.substr(at + 1);
    bool decoded = false;
    for (auto [name, value] : named) {
      if (rest.substr(0, name.size()) != name) continue;
      out += value;
      at += 1 + name.size();
      if (at < text.size() && text[at] == ';') ++at;
      decoded = true;
      break;
    }
    if (!decoded && rest.size() > 1 && rest[0] == '#') {
      bool hex = rest[1] == 'x' || rest[1] == 'X';
      std::size_t digits = hex ? 2 : 1, end = digits;
      while (end < rest.size() && std::isxdigit(static_cast<unsigned char>(rest[end])) &&
             (hex || std::isdigit(static_cast<unsigned char>(rest[end]))))
        ++end;
      if (end > digits) {
        append_utf8(out, std::strtoul(std::string(rest.substr(digits, end - digits)).c_str(), nullptr, hex ? 16 : 10));
        at += 1 + end;
        if (at < text.size() && text[at] == ';') ++at;
        decoded = true;
      }
    }
    if (!decoded) out += text[at++];
  }
  return out;
}

}  // namespace quillon::testing
