// TextScanner: reads numbers from a text held in memory with the results of "%d" and "%f"
// formatted input (any white space separates; "+5", "1e3", "-9999", "inf", "nan" and hex
// floats as strtol/strtof take them), but without a library call per value and independent
// of the C locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skyrig {

enum class ScanResult {
  Ok,
  End,         // only white space is left
  NotANumber,  // the next characters do not start a number (nothing consumed)
  OutOfRange   // an integer that does not fit 32 bits (nothing consumed)
};

// What went wrong, for messages: "the file ends early", "a value is not a number", ...
std::string_view describeScanProblem(ScanResult result);

class TextScanner {
 public:
  explicit TextScanner(std::string_view text) : text_(text) {}

  // As "%d": skips white space, reads [+-]digits.
  ScanResult readInt(std::int32_t& value);
  // As "%f": skips white space, reads the longest prefix strtof accepts, rounded as strtof
  // rounds (overflow gives +-inf, underflow +-0).
  ScanResult readFloat(float& value);
  // As readFloat, for values written with "%10.2f" one after another with no separator: when
  // the run of non-blank characters is not one number, the first number ends two digits after
  // its decimal point ("12.341234567.89" reads as 12.34, then 1234567.89).
  ScanResult readTwoDecimalFloat(float& value);

  // Skips exactly n bytes (fewer at the end of the text); false when the text ended first.
  bool skipBytes(std::size_t n);
  // Discards bytes up to and including the next LF; false when there is none.
  bool skipPastLineEnd();
  void skipWhiteSpace();

  std::size_t position() const { return pos_; }
  void setPosition(std::size_t pos) { pos_ = pos < text_.size() ? pos : text_.size(); }
  // 1-based line of a position (counts the LFs before it; for messages).
  std::size_t lineAt(std::size_t pos) const;
  // The run of non-blank characters at a position (white space skipped first), at most
  // `limit` characters: the value a message quotes.
  std::string_view wordAt(std::size_t pos, std::size_t limit = 24) const;
  // The rest of the line from a position, without its line end, at most `limit` characters.
  std::string_view lineTextAt(std::size_t pos, std::size_t limit = 40) const;
  std::size_t remaining() const { return text_.size() - pos_; }

 private:
  // Parses a float at start, reading no further than limit (no white space skipping);
  // returns the end of the number, or start when there is none.
  std::size_t parseFloatAt(std::size_t start, std::size_t limit, float& value) const;

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace skyrig
