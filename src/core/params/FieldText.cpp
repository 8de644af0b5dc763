#include "params/FieldText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "seams/Ui.h"

namespace skyrig {

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Splits off an optional sign; returns true for '-'.
bool takeSign(std::string_view& text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
  }
  return false;
}

std::size_t countDigits(std::string_view text, std::size_t from) {
  std::size_t n = 0;
  while (from + n < text.size() && isDigit(text[from + n])) ++n;
  return n;
}

template <typename T>
std::string shortestText(T value, int firstPrecision, int lastPrecision) {
  char buffer[64];
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < T(1e15)) {
    auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                             std::chars_format::fixed, 0).ptr;
    return std::string(buffer, end);
  }
  std::string text;
  for (int precision = firstPrecision; precision <= lastPrecision; ++precision) {
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                             precision).ptr;
    text.assign(buffer, end);
    T back{};
    std::from_chars(buffer, end, back);
    if (back == value) break;
  }
  return text;
}

}  // namespace

std::optional<double> parseNumberText(std::string_view text) {
  text = trimmed(text);
  const bool negative = takeSign(text);
  const std::size_t integerDigits = countDigits(text, 0);
  std::size_t length = integerDigits;
  std::size_t fractionDigits = 0;
  if (length < text.size() && text[length] == '.') {
    fractionDigits = countDigits(text, length + 1);
    length += 1 + fractionDigits;
  }
  if (integerDigits + fractionDigits == 0) return std::nullopt;
  if (length < text.size() && (text[length] == 'e' || text[length] == 'E')) {
    std::size_t exponentStart = length + 1;
    if (exponentStart < text.size() && (text[exponentStart] == '+' || text[exponentStart] == '-'))
      ++exponentStart;
    const std::size_t exponentDigits = countDigits(text, exponentStart);
    if (exponentDigits == 0) return std::nullopt;
    length = exponentStart + exponentDigits;
  }
  if (length != text.size()) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int32_t> parseIntegerText(std::string_view text) {
  text = trimmed(text);
  const bool negative = takeSign(text);
  if (text.empty() || countDigits(text, 0) != text.size()) return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc()) return std::nullopt;
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::string formatNumber(float value) { return shortestText(value, 6, 9); }
std::string formatNumber(double value) { return shortestText(value, 6, 17); }
std::string formatInteger(long long value) { return std::to_string(value); }

std::string substitute(std::string_view pattern, std::string_view arg1, std::string_view arg2) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[i + 1] == '1' ? arg1 : arg2;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

bool readNumber(std::string_view text, float& out, Ui& ui) {
  const std::optional<double> value = parseNumberText(text);
  // A value beyond the float range is no number the field can hold.
  if (!value || !std::isfinite(static_cast<float>(*value))) {
    ui.message(kEnterNumber, MessageIcon::Exclamation);
    return false;
  }
  out = static_cast<float>(*value);
  return true;
}

bool readNumberInRange(std::string_view text, float low, float high, float& out, Ui& ui) {
  float value = 0.0f;
  if (!readNumber(text, value, ui)) return false;
  if (value < low || value > high) {
    ui.message(substitute(kEnterNumberBetween, formatNumber(low), formatNumber(high)),
               MessageIcon::Exclamation);
    return false;
  }
  out = value;
  return true;
}

bool readInteger(std::string_view text, std::int32_t& out, Ui& ui) {
  const std::optional<std::int32_t> value = parseIntegerText(text);
  if (!value) {
    ui.message(kEnterInteger, MessageIcon::Exclamation);
    return false;
  }
  out = *value;
  return true;
}

bool readNumberIn(const ParameterRange& range, std::string_view text, float& out, Ui& ui) {
  if (!range.bounded) return readNumber(text, out, ui);
  return readNumberInRange(text, static_cast<float>(range.low), static_cast<float>(range.high),
                           out, ui);
}

bool readIntegerInRange(std::string_view text, std::int32_t low, std::int32_t high,
                        std::int32_t& out, Ui& ui) {
  std::int32_t value = 0;
  if (!readInteger(text, value, ui)) return false;
  if (value < low || value > high) {
    ui.message(substitute(kEnterIntegerBetween, formatInteger(low), formatInteger(high)),
               MessageIcon::Exclamation);
    return false;
  }
  out = value;
  return true;
}

bool checkMaxChars(std::string_view text, std::size_t maxChars, Ui& ui) {
  if (text.size() <= maxChars) return true;
  ui.message(substitute(kEnterNoMoreChars, formatInteger(static_cast<long long>(maxChars))),
             MessageIcon::Exclamation);
  return false;
}

std::optional<bool> parseCheckText(std::string_view text) {
  std::string word;
  for (char ch : trimmed(text)) word += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (word == "1" || word == "true" || word == "yes" || word == "on" || word == "checked")
    return true;
  if (word == "0" || word == "false" || word == "no" || word == "off" || word == "unchecked")
    return false;
  return std::nullopt;
}

std::vector<std::string> numberedChoices(int first, int last) {
  std::vector<std::string> choices;
  for (int n = first; n <= last; ++n) choices.push_back(std::to_string(n));
  return choices;
}

bool sameLabel(std::string_view a, std::string_view b) { return trimmed(a) == trimmed(b); }

}  // namespace skyrig
