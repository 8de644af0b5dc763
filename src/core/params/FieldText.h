// Field texts of the parameter forms: the number and integer syntax the forms accept, how values
// are shown, and the validation checks that report the standard field messages through Ui.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ParameterRange.h"

namespace skyrig {

class Ui;

inline constexpr std::string_view kEnterNumber = "Please enter a number.";
inline constexpr std::string_view kEnterInteger = "Please enter an integer.";
inline constexpr std::string_view kEnterIntegerBetween = "Please enter an integer between %1 and %2.";
inline constexpr std::string_view kEnterNumberBetween = "Please enter a number between %1 and %2.";
inline constexpr std::string_view kEnterNoMoreChars = "Please enter no more than %1 characters.";

// A number: optional blanks, sign, digits with an optional decimal point (at least one digit),
// optional exponent, optional blanks. Nothing else; empty text is no number. Locale-independent.
std::optional<double> parseNumberText(std::string_view text);
// An integer: optional blanks, sign, digits, optional blanks; must fit 32 bits.
std::optional<std::int32_t> parseIntegerText(std::string_view text);

// The shortest text that reads back as the same float ("0.07", "0.17453289"); whole values
// below 1e15 without exponent ("1000000").
std::string formatNumber(float value);
std::string formatNumber(double value);
std::string formatInteger(long long value);

// Replaces %1, %2, ... with the given arguments.
std::string substitute(std::string_view pattern, std::string_view arg1, std::string_view arg2 = {});

// Each check reads `text`, shows the standard message with the exclamation icon when it is
// refused, and writes `out` only when it is accepted.
bool readNumber(std::string_view text, float& out, Ui& ui);
bool readNumberInRange(std::string_view text, float low, float high, float& out, Ui& ui);
bool readInteger(std::string_view text, std::int32_t& out, Ui& ui);
bool readIntegerInRange(std::string_view text, std::int32_t low, std::int32_t high,
                        std::int32_t& out, Ui& ui);
// readNumberInRange for a bounded range, readNumber otherwise.
bool readNumberIn(const ParameterRange& range, std::string_view text, float& out, Ui& ui);
bool checkMaxChars(std::string_view text, std::size_t maxChars, Ui& ui);

// A check box state: "1", "true", "yes", "on", "checked" or "0", "false", "no", "off",
// "unchecked" (any case).
std::optional<bool> parseCheckText(std::string_view text);

// Selector entries "first" .. "last".
std::vector<std::string> numberedChoices(int first, int last);

// Labels match when equal after trimming surrounding blanks (several form labels end in one).
bool sameLabel(std::string_view a, std::string_view b);

}  // namespace skyrig
