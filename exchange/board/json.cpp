#include "exchange/board/json.h"

#include <cctype>
#include <cstdio>

namespace quillon::board {

std::string json_string(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == '<' || c == '>' || c == '&') {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

namespace {

class FlatReader {
 public:
  explicit FlatReader(std::string_view text) : s_(text) {}

  std::optional<std::map<std::string, JsonValue>> object() {
    std::map<std::string, JsonValue> members;
    if (!take('{')) return std::nullopt;
    if (take('}')) return finish(members);
    do {
      auto name = string();
      if (!name || !take(':')) return std::nullopt;
      auto value = this->value();
      if (!value || !members.emplace(*name, *value).second) return std::nullopt;
    } while (take(','));
    if (!take('}')) return std::nullopt;
    return finish(members);
  }

 private:
  std::optional<std::map<std::string, JsonValue>> finish(std::map<std::string, JsonValue>& members) {
    blanks();
    if (at_ != s_.size()) return std::nullopt;
    return members;
  }

  void blanks() {
    while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n' || s_[at_] == '\r')) ++at_;
  }

  bool take(char c) {
    blanks();
    if (at_ < s_.size() && s_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  std::optional<std::string> string() {
    if (!take('"')) return std::nullopt;
    std::string out;
    while (at_ < s_.size()) {
      char c = s_[at_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= s_.size()) return std::nullopt;
      char e = s_[at_++];
      switch (e) {
        case '"':
        case '\\':
        case '/': out += e; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        default: return std::nullopt;  // \u escapes are not needed for what is sent here
      }
    }
    return std::nullopt;
  }

  std::optional<JsonValue> value() {
    blanks();
    if (at_ < s_.size() && s_[at_] == '"') {
      auto text = string();
      if (!text) return std::nullopt;
      JsonValue v;
      v.text = *text;
      return v;
    }
    std::size_t start = at_;
    if (at_ < s_.size() && s_[at_] == '-') ++at_;
    std::size_t digits = at_;
    while (at_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[at_]))) ++at_;
    if (at_ == digits || at_ - digits > 9) return std::nullopt;
    JsonValue v;
    v.is_number = true;
    v.number = std::stoll(std::string(s_.substr(start, at_ - start)));
    return v;
  }

  std::string_view s_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<std::map<std::string, JsonValue>> parse_flat_object(std::string_view text) {
  return FlatReader(text).object();
}

}  // namespace quillon::board
