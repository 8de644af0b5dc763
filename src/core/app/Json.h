// The JSON reader of the project file (nlohmann-json underneath): values keep their kind and
// the line they start on, so errors can name the line. A key repeated within one object and
// nesting deeper than 64 levels are refused. Time and memory grow linearly with the text.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skyrig {

struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0.0;
  bool isInteger = false;  // written without fraction or exponent
  std::string text;
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;  // in file order
  int line = 1;

  const JsonValue* member(std::string_view key) const;
};

struct JsonMember {
  std::string first;  // key
  JsonValue second;   // value
};

std::string_view jsonKindName(JsonValue::Kind kind);

// Parses a whole document; false with "line N: what" in `error` on bad JSON.
bool parseJson(std::string_view text, JsonValue& out, std::string& error);

}  // namespace skyrig
