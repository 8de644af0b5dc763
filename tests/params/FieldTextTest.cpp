#include <gtest/gtest.h>

#include "params/FieldText.h"

namespace skyrig {
namespace {

TEST(FieldText, NumbersTakeBlanksSignDecimalPointAndExponentOnly) {
  EXPECT_EQ(parseNumberText("12"), 12.0);
  EXPECT_EQ(parseNumberText("  -2.5\t"), -2.5);
  EXPECT_EQ(parseNumberText("+.5"), 0.5);
  EXPECT_EQ(parseNumberText("3."), 3.0);
  EXPECT_EQ(parseNumberText("1.5e3"), 1500.0);
  EXPECT_EQ(parseNumberText("25E-1"), 2.5);
  EXPECT_EQ(parseNumberText("-0"), 0.0);
  for (const char* bad : {"", "  ", "-", ".", "e5", "1e", "1e+", "12m", "1,5", "1 2", "0x10",
                          "inf", "nan", "--1", "1.2.3", "1e400"})
    EXPECT_FALSE(parseNumberText(bad).has_value()) << bad;
}

TEST(FieldText, IntegersAreDigitsWithSignAndFit32Bits) {
  EXPECT_EQ(parseIntegerText(" 20 "), 20);
  EXPECT_EQ(parseIntegerText("-7"), -7);
  EXPECT_EQ(parseIntegerText("+3"), 3);
  EXPECT_EQ(parseIntegerText("2147483647"), 2147483647);
  for (const char* bad : {"", "2.0", "1e2", "2147483648", "x", "- 1"})
    EXPECT_FALSE(parseIntegerText(bad).has_value()) << bad;
}

TEST(FieldText, ValuesShowShortestTextThatReadsBackExactly) {
  EXPECT_EQ(formatNumber(0.07f), "0.07");
  EXPECT_EQ(formatNumber(0.17453289f), "0.17453289");
  EXPECT_EQ(formatNumber(6.15f), "6.15");
  EXPECT_EQ(formatNumber(-20.0f), "-20");
  EXPECT_EQ(formatNumber(1000000.0f), "1000000");
  EXPECT_EQ(formatNumber(100000000.0f), "100000000");
  EXPECT_EQ(formatNumber(1.0f / 3.0f), "0.33333334");
}

}  // namespace
}  // namespace skyrig
