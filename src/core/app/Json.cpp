#include "app/Json.h"

#include <cstdlib>

namespace skyrig {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool document(JsonValue& out, std::string& error) {
    if (!value(out, 0)) {
      error = error_;
      return false;
    }
    skipSpace();
    if (pos_ != text_.size()) {
      error = "line " + std::to_string(line_) + ": unexpected text after the JSON value";
      return false;
    }
    return true;
  }

 private:
  bool fail(const std::string& what) {
    error_ = "line " + std::to_string(line_) + ": " + what;
    return false;
  }

  void skipSpace() {
    while (pos_ < text_.size()) {
      const char ch = text_[pos_];
      if (ch == '\n') ++line_;
      if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r') break;
      ++pos_;
    }
  }

  bool literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool value(JsonValue& out, int depth) {
    if (depth > 64) return fail("nesting too deep");
    skipSpace();
    out.line = line_;
    if (pos_ >= text_.size()) return fail("unexpected end of file");
    const char ch = text_[pos_];
    if (ch == '{') return object(out, depth);
    if (ch == '[') return array(out, depth);
    if (ch == '"') {
      out.kind = JsonValue::Kind::String;
      return string(out.text);
    }
    if (literal("true")) {
      out.kind = JsonValue::Kind::Bool;
      out.boolean = true;
      return true;
    }
    if (literal("false")) {
      out.kind = JsonValue::Kind::Bool;
      return true;
    }
    if (literal("null")) return true;
    return number(out);
  }

  bool number(JsonValue& out) {
    const std::size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    bool digits = false, fraction = false;
    while (pos_ < text_.size()) {
      const char ch = text_[pos_];
      if (ch >= '0' && ch <= '9') {
        digits = true;
      } else if (ch == '.' || ch == 'e' || ch == 'E' ||
                 ((ch == '+' || ch == '-') && (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E'))) {
        fraction = true;
      } else {
        break;
      }
      ++pos_;
    }
    if (!digits) return fail("expected a value");
    const std::string token(text_.substr(start, pos_ - start));
    char* end = nullptr;
    out.number = std::strtod(token.c_str(), &end);
    if (end != token.c_str() + token.size()) return fail("malformed number " + token);
    out.kind = JsonValue::Kind::Number;
    out.isInteger = !fraction;
    return true;
  }

  bool string(std::string& out) {
    ++pos_;  // opening quote
    while (pos_ < text_.size()) {
      const char ch = text_[pos_++];
      if (ch == '"') return true;
      if (ch == '\n') return fail("line end inside a string");
      if (ch != '\\') {
        out += ch;
        continue;
      }
      if (pos_ >= text_.size()) break;
      const char esc = text_[pos_++];
      switch (esc) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          if (pos_ + 4 > text_.size()) return fail("short \\u escape");
          const unsigned code = static_cast<unsigned>(
              std::strtoul(std::string(text_.substr(pos_, 4)).c_str(), nullptr, 16));
          pos_ += 4;
          if (code < 0x80) {
            out += static_cast<char>(code);
          } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
          } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
          }
          break;
        }
        default: return fail(std::string("unknown escape \\") + esc);
      }
    }
    return fail("unterminated string");
  }

  bool array(JsonValue& out, int depth) {
    out.kind = JsonValue::Kind::Array;
    ++pos_;
    skipSpace();
    if (pos_ < text_.size() && text_[pos_] == ']') {
      ++pos_;
      return true;
    }
    while (true) {
      JsonValue item;
      if (!value(item, depth + 1)) return false;
      out.items.push_back(std::move(item));
      skipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == ']') {
        ++pos_;
        return true;
      }
      return fail("expected ',' or ']'");
    }
  }

  bool object(JsonValue& out, int depth) {
    out.kind = JsonValue::Kind::Object;
    ++pos_;
    skipSpace();
    if (pos_ < text_.size() && text_[pos_] == '}') {
      ++pos_;
      return true;
    }
    while (true) {
      skipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '"') return fail("expected a key in quotes");
      std::string key;
      if (!string(key)) return false;
      for (const auto& m : out.members)
        if (m.first == key) return fail("key \"" + key + "\" appears twice");
      skipSpace();
      if (pos_ >= text_.size() || text_[pos_] != ':') return fail("expected ':' after a key");
      ++pos_;
      JsonValue item;
      if (!value(item, depth + 1)) return false;
      out.members.push_back({std::move(key), std::move(item)});
      skipSpace();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == '}') {
        ++pos_;
        return true;
      }
      return fail("expected ',' or '}'");
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::string error_;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view key) const {
  for (const auto& m : members)
    if (m.first == key) return &m.second;
  return nullptr;
}

std::string_view jsonKindName(JsonValue::Kind kind) {
  switch (kind) {
    case JsonValue::Kind::Null: return "null";
    case JsonValue::Kind::Bool: return "a boolean";
    case JsonValue::Kind::Number: return "a number";
    case JsonValue::Kind::String: return "a string";
    case JsonValue::Kind::Array: return "an array";
    case JsonValue::Kind::Object: return "an object";
  }
  return "a value";
}

bool parseJson(std::string_view text, JsonValue& out, std::string& error) {
  Parser parser(text);
  out = JsonValue{};
  return parser.document(out, error);
}

}  // namespace skyrig
