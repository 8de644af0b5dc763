#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "document/TextScanner.h"

namespace skyrig {
namespace {

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

TEST(TextScanner, FloatsMatchStrtofBitForBit) {
  const std::vector<std::string> numbers = {
      "730.13", "1e3",   "+5",      "-9999", ".5",    "5.",    "-0",     "0.1",
      "1e50",   "-1e50", "1e-50",   "1e-40", "0x1p3", "-0X.8", "inf",    "-Infinity",
      "3.4028235e38", "16777217", "0.30000001192092896", "999999.875", "1.17549435e-38"};
  for (const std::string& n : numbers) {
    const std::string text = " \t" + n + "\r\n";
    TextScanner scanner(text);
    float value = 0;
    ASSERT_EQ(scanner.readFloat(value), ScanResult::Ok) << n;
    EXPECT_EQ(bits(value), bits(std::strtof(n.c_str(), nullptr))) << n;
    EXPECT_EQ(scanner.readFloat(value), ScanResult::End) << n;
  }
  float value = 0;
  TextScanner nan("nan -nan(12)");
  ASSERT_EQ(nan.readFloat(value), ScanResult::Ok);
  EXPECT_TRUE(std::isnan(value));
  ASSERT_EQ(nan.readFloat(value), ScanResult::Ok);
  EXPECT_TRUE(std::isnan(value) && std::signbit(value));
}

// The literal variant: fscanf("%f") over the same generated file gives the same values.
TEST(TextScanner, GeneratedFileReadsAsFscanfReadsIt) {
  std::mt19937 random(7);
  std::string text;
  const char* separators[] = {" ", "  ", "\t", "\n", "\r\n", " \r\n "};
  for (int i = 0; i < 20000; ++i) {
    char number[64];
    const double v = std::uniform_real_distribution<double>(-10000.0, 10000.0)(random);
    const char* formats[] = {"%.2f", "%.7g", "%.3e", "%+.1f", "%.0f"};
    std::snprintf(number, sizeof number, formats[i % 5], v);
    text += number;
    text += separators[random() % 6];
  }
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  TextScanner scanner(text);
  float expected = 0;
  float actual = 0;
  int count = 0;
  while (std::fscanf(file, "%f", &expected) == 1) {
    ASSERT_EQ(scanner.readFloat(actual), ScanResult::Ok) << count;
    ASSERT_EQ(bits(actual), bits(expected)) << count;
    ++count;
  }
  std::fclose(file);
  EXPECT_EQ(count, 20000);
  EXPECT_EQ(scanner.readFloat(actual), ScanResult::End);
}

TEST(TextScanner, IntegersStopWhereFormattedInputStops) {
  TextScanner scanner("+17 -9999 1.5 2147483647 -2147483648");
  std::int32_t v = 0;
  ASSERT_EQ(scanner.readInt(v), ScanResult::Ok);
  EXPECT_EQ(v, 17);
  ASSERT_EQ(scanner.readInt(v), ScanResult::Ok);
  EXPECT_EQ(v, -9999);
  ASSERT_EQ(scanner.readInt(v), ScanResult::Ok);
  EXPECT_EQ(v, 1);  // "%d" stops at the point; ".5" is no integer
  EXPECT_EQ(scanner.readInt(v), ScanResult::NotANumber);

  TextScanner limits("2147483647 -2147483648 2147483648");
  ASSERT_EQ(limits.readInt(v), ScanResult::Ok);
  EXPECT_EQ(v, 2147483647);
  ASSERT_EQ(limits.readInt(v), ScanResult::Ok);
  EXPECT_EQ(v, -2147483647 - 1);
  EXPECT_EQ(limits.readInt(v), ScanResult::OutOfRange);

  float f = 0;
  TextScanner signs("+-5");
  EXPECT_EQ(signs.readFloat(f), ScanResult::NotANumber);
  TextScanner junk("12abc");
  ASSERT_EQ(junk.readFloat(f), ScanResult::Ok);
  EXPECT_EQ(f, 12.0f);
  EXPECT_EQ(junk.readFloat(f), ScanResult::NotANumber);
}

TEST(TextScanner, TouchingTwoDecimalValuesAreKeptApart) {
  // "%10.2f %10.2f" pairs of 10-character values touch the value before them.
  TextScanner scanner("     12.341234567.50 -123456.25-123456.25    12.3456\n  -1.00");
  const float expected[] = {12.34f, 1234567.5f, -123456.25f, -123456.25f, 12.3456f, -1.0f};
  for (float e : expected) {
    float v = 0;
    ASSERT_EQ(scanner.readTwoDecimalFloat(v), ScanResult::Ok);
    EXPECT_EQ(v, e);
  }
}

}  // namespace
}  // namespace skyrig
