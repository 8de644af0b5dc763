#include "document/TextScanner.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <string>

namespace skyrig {

namespace {

bool isBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isHexDigit(char ch) {
  return isDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// strtof in the "C" locale, for the rare numbers from_chars reports as out of range
// (strtof gives +-HUGE_VALF on overflow and the rounded tiny value or +-0 on underflow).
float strtofInCLocale(std::string_view number) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const std::string copy(number);
  return strtof_l(copy.c_str(), nullptr, cLocale);
}

}  // namespace

std::string_view describeScanProblem(ScanResult result) {
  switch (result) {
    case ScanResult::Ok:
      return "no problem";
    case ScanResult::End:
      return "the file ends early";
    case ScanResult::NotANumber:
      return "a value is not a number";
    case ScanResult::OutOfRange:
      return "a whole number does not fit 32 bits";
  }
  return "unreadable";
}

std::size_t TextScanner::lineAt(std::size_t pos) const {
  const std::string_view before = text_.substr(0, std::min(pos, text_.size()));
  return static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
}

std::string_view TextScanner::wordAt(std::size_t pos, std::size_t limit) const {
  while (pos < text_.size() && isBlank(text_[pos])) ++pos;
  std::size_t end = pos;
  while (end < text_.size() && !isBlank(text_[end]) && end - pos < limit) ++end;
  return text_.substr(std::min(pos, text_.size()), end - std::min(pos, text_.size()));
}

std::string_view TextScanner::lineTextAt(std::size_t pos, std::size_t limit) const {
  pos = std::min(pos, text_.size());
  std::size_t end = pos;
  while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r' && end - pos < limit)
    ++end;
  return text_.substr(pos, end - pos);
}

void TextScanner::skipWhiteSpace() {
  while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

bool TextScanner::skipBytes(std::size_t n) {
  if (remaining() < n) {
    pos_ = text_.size();
    return false;
  }
  pos_ += n;
  return true;
}

bool TextScanner::skipPastLineEnd() {
  const std::size_t lf = text_.find('\n', pos_);
  if (lf == std::string_view::npos) {
    pos_ = text_.size();
    return false;
  }
  pos_ = lf + 1;
  return true;
}

ScanResult TextScanner::readInt(std::int32_t& value) {
  skipWhiteSpace();
  if (pos_ == text_.size()) return ScanResult::End;
  std::size_t p = pos_;
  bool negative = false;
  if (text_[p] == '+' || text_[p] == '-') negative = text_[p++] == '-';
  const std::size_t digitsStart = p;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;  // |INT32_MIN|
  while (p < text_.size() && isDigit(text_[p])) {
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (text_[p] - '0');
    ++p;
  }
  if (p == digitsStart) return ScanResult::NotANumber;
  if (magnitude > (negative ? kLimit : kLimit - 1)) return ScanResult::OutOfRange;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  pos_ = p;
  return ScanResult::Ok;
}

std::size_t TextScanner::parseFloatAt(std::size_t start, std::size_t limit, float& value) const {
  const char* base = text_.data();
  std::size_t p = start;
  bool negative = false;
  if (p < limit && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
  // from_chars takes a '-' of its own; strtof does not take a second sign.
  if (p == limit || text_[p] == '+' || text_[p] == '-') return start;

  float magnitude = 0.0f;
  std::from_chars_result r{base + p, std::errc::invalid_argument};
  const bool hex = p + 2 < limit && text_[p] == '0' &&
                   (text_[p + 1] == 'x' || text_[p + 1] == 'X') &&
                   (isHexDigit(text_[p + 2]) ||
                    (text_[p + 2] == '.' && p + 3 < limit && isHexDigit(text_[p + 3])));
  if (hex) r = std::from_chars(base + p + 2, base + limit, magnitude, std::chars_format::hex);
  if (!hex) r = std::from_chars(base + p, base + limit, magnitude, std::chars_format::general);
  if (r.ec == std::errc::invalid_argument) return start;

  const std::size_t end = static_cast<std::size_t>(r.ptr - base);
  if (r.ec == std::errc::result_out_of_range)
    value = strtofInCLocale(text_.substr(start, end - start));
  else
    value = negative ? -magnitude : magnitude;
  return end;
}

ScanResult TextScanner::readFloat(float& value) {
  skipWhiteSpace();
  if (pos_ == text_.size()) return ScanResult::End;
  const std::size_t end = parseFloatAt(pos_, text_.size(), value);
  if (end == pos_) return ScanResult::NotANumber;
  pos_ = end;
  return ScanResult::Ok;
}

ScanResult TextScanner::readTwoDecimalFloat(float& value) {
  skipWhiteSpace();
  if (pos_ == text_.size()) return ScanResult::End;
  std::size_t runEnd = pos_;
  while (runEnd < text_.size() && !isBlank(text_[runEnd])) ++runEnd;
  std::size_t end = parseFloatAt(pos_, text_.size(), value);
  if (end == pos_) return ScanResult::NotANumber;
  if (end != runEnd) {
    // Touching values: the first one is [sign]digits.dd as "%10.2f" wrote it.
    std::size_t p = pos_;
    if (text_[p] == '+' || text_[p] == '-') ++p;
    const std::size_t digitsStart = p;
    while (p < runEnd && isDigit(text_[p])) ++p;
    if (p > digitsStart && p < runEnd && text_[p] == '.') {
      ++p;
      for (int d = 0; d < 2 && p < runEnd && isDigit(text_[p]); ++d) ++p;
      if (p < end) end = parseFloatAt(pos_, p, value);
    }
  }
  pos_ = end;
  return ScanResult::Ok;
}

}  // namespace skyrig
