#include "app/Json.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <nlohmann/json.hpp>
#include <unordered_set>

namespace skyrig {

namespace {

constexpr int kMaxDepth = 64;

// A character iterator that publishes how far the parser has read, so that the SAX events can
// be given the line they were read on.
class TrackingIterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  TrackingIterator() = default;
  TrackingIterator(const char* at, const char** readUpTo) : at_(at), readUpTo_(readUpTo) {}

  reference operator*() const { return *at_; }
  TrackingIterator& operator++() {
    ++at_;
    if (readUpTo_ != nullptr) *readUpTo_ = at_;
    return *this;
  }
  TrackingIterator operator++(int) {
    TrackingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const TrackingIterator& other) const { return at_ == other.at_; }
  bool operator!=(const TrackingIterator& other) const { return at_ != other.at_; }

 private:
  const char* at_ = nullptr;
  const char** readUpTo_ = nullptr;
};

// Counts lines incrementally: the parser only moves forward, so the whole count is linear.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : counted_(text.data()) {}

  int lineAt(const char* upTo) {
    if (upTo > counted_) {
      line_ += static_cast<int>(std::count(counted_, upTo, '\n'));
      counted_ = upTo;
    } else {
      // A number ends one character before the parser's look-ahead; step back over it.
      while (counted_ > upTo) {
        --counted_;
        if (*counted_ == '\n') --line_;
      }
    }
    return line_;
  }

 private:
  const char* counted_;
  int line_ = 1;
};

// Builds the JsonValue tree from the parser's events; refuses a key repeated in one object and
// nesting deeper than kMaxDepth.
class TreeBuilder : public nlohmann::json_sax<nlohmann::json> {
 public:
  TreeBuilder(std::string_view text, const char** readUpTo)
      : text_(text), lines_(text), readUpTo_(readUpTo) {}

  JsonValue root;
  std::string error;

  bool null() override { return scalar(JsonValue{}); }
  bool boolean(bool value) override {
    JsonValue v;
    v.kind = JsonValue::Kind::Bool;
    v.boolean = value;
    return scalar(std::move(v));
  }
  bool number_integer(number_integer_t value) override {
    return number(static_cast<double>(value), true);
  }
  bool number_unsigned(number_unsigned_t value) override {
    return number(static_cast<double>(value), true);
  }
  bool number_float(number_float_t value, const string_t&) override {
    return number(value, false);
  }
  bool string(string_t& value) override {
    JsonValue v;
    v.kind = JsonValue::Kind::String;
    v.text = std::move(value);
    return scalar(std::move(v));
  }
  bool binary(binary_t&) override { return fail("binary values are not JSON"); }

  bool start_object(std::size_t) override { return open(JsonValue::Kind::Object); }
  bool key(string_t& name) override {
    Open& top = open_.back();
    if (!top.keys.insert(name).second) return fail("key \"" + name + "\" appears twice");
    pendingKey_ = std::move(name);
    return true;
  }
  bool end_object() override { return close(); }
  bool start_array(std::size_t) override { return open(JsonValue::Kind::Array); }
  bool end_array() override { return close(); }

  bool parse_error(std::size_t, const std::string&,
                   const nlohmann::detail::exception& ex) override {
    // "[json.exception.parse_error.101] parse error at line 2, column 5: syntax error ..."
    const std::string what = ex.what();
    const auto at = what.find(": ", what.find(" column "));
    // The offending character may be a line end (in a string): it belongs to the line it ends.
    const char* upTo = *readUpTo_;
    if (upTo > text_.data() && upTo[-1] == '\n') --upTo;
    error = "line " + std::to_string(lines_.lineAt(upTo)) + ": " +
            (at == std::string::npos ? what : what.substr(at + 2));
    return false;
  }

 private:
  struct Open {
    JsonValue value;
    std::string key;  // the key it is stored under in its parent object
    std::unordered_set<std::string> keys;
  };

  bool fail(const std::string& what) {
    error = "line " + std::to_string(lines_.lineAt(*readUpTo_)) + ": " + what;
    return false;
  }

  bool number(double value, bool isInteger) {
    JsonValue v;
    v.kind = JsonValue::Kind::Number;
    v.number = value;
    v.isInteger = isInteger;
    v.line = lines_.lineAt(*readUpTo_ - 1);
    return place(std::move(v));
  }

  bool scalar(JsonValue v) {
    v.line = lines_.lineAt(*readUpTo_);
    return place(std::move(v));
  }

  bool place(JsonValue v) {
    if (open_.empty()) {
      root = std::move(v);
      return true;
    }
    JsonValue& parent = open_.back().value;
    if (parent.kind == JsonValue::Kind::Array)
      parent.items.push_back(std::move(v));
    else
      parent.members.push_back({std::move(pendingKey_), std::move(v)});
    return true;
  }

  bool open(JsonValue::Kind kind) {
    if (open_.size() >= static_cast<std::size_t>(kMaxDepth)) return fail("nesting too deep");
    Open o;
    o.value.kind = kind;
    o.value.line = lines_.lineAt(*readUpTo_);
    o.key = std::move(pendingKey_);
    open_.push_back(std::move(o));
    return true;
  }

  bool close() {
    Open done = std::move(open_.back());
    open_.pop_back();
    pendingKey_ = std::move(done.key);
    return place(std::move(done.value));
  }

  std::string_view text_;
  LineCounter lines_;
  const char** readUpTo_;
  std::vector<Open> open_;
  std::string pendingKey_;
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
  const char* readUpTo = text.data();
  TreeBuilder builder(text, &readUpTo);
  const TrackingIterator first(text.data(), &readUpTo);
  const TrackingIterator last(text.data() + text.size(), nullptr);
  const bool ok = nlohmann::json::sax_parse(first, last, &builder);
  if (!ok) {
    error = builder.error.empty() ? "not valid JSON" : builder.error;
    out = JsonValue{};
    return false;
  }
  out = std::move(builder.root);
  return true;
}

}  // namespace skyrig
