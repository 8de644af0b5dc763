#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <random>
#include <string>

#include "document/TextScanner.h"

namespace skyrig {
namespace {

// The literal variant: fscanf("%f") over the same file, with odd numbers first and then
// generated ones in every common format and separator, gives the same values bit for bit.
TEST(TextScanner, FloatsReadAsFscanfReadsThem) {
  std::string text =
      " 730.13\t1e3 +5 -9999 .5 5. -0 0.1 1e50 -1e50 1e-50 1e-40 0x1p3 -0X.8 inf -Infinity\r\n"
      "3.4028235e38 16777217 0.30000001192092896 999999.875 1.17549435e-38 -nan\n";
  std::mt19937 random(7);
  const char* formats[] = {"%.2f", "%.7g", "%.3e", "%+.1f", "%.0f"};
  const char* separators[] = {" ", "  ", "\t", "\n", "\r\n", " \r\n "};
  for (int i = 0; i < 20000; ++i) {
    char number[64];
    std::snprintf(number, sizeof number, formats[i % 5],
                  std::uniform_real_distribution<double>(-10000.0, 10000.0)(random));
    (text += number) += separators[random() % 6];
  }
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  TextScanner scanner(text);
  float expected = 0;
  float actual = 0;
  int count = 0;
  for (; std::fscanf(file, "%f", &expected) == 1; ++count) {
    ASSERT_EQ(scanner.readFloat(actual), ScanResult::Ok) << count;
    ASSERT_EQ(std::bit_cast<std::uint32_t>(actual), std::bit_cast<std::uint32_t>(expected))
        << count;
  }
  std::fclose(file);
  EXPECT_EQ(count, 20022);
  EXPECT_EQ(scanner.readFloat(actual), ScanResult::End);
}

TEST(TextScanner, TouchingTwoDecimalValuesAreKeptApart) {
  // "%10.2f %10.2f" pairs: a ten-character value touches the one before it.
  TextScanner scanner("     12.341234567.50 -123456.25-123456.25    12.3456\n  -1.00");
  for (float expected : {12.34f, 1234567.5f, -123456.25f, -123456.25f, 12.3456f, -1.0f}) {
    float v = 0;
    ASSERT_EQ(scanner.readTwoDecimalFloat(v), ScanResult::Ok);
    EXPECT_EQ(v, expected);
  }
}

}  // namespace
}  // namespace skyrig
