#include "vocabulary/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>
#include <string>

namespace vocabulary {
namespace {

std::wstring Printed(const wchar_t* format, double value) {
  wchar_t buffer[512];
  std::swprintf(buffer, 512, format, value);
  return buffer;
}

std::wstring PrintedInt(const wchar_t* format, int value) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, format, value);
  return buffer;
}

TEST(NumberText, IntegersAsToWstringWritesThem) {
  const std::int64_t values[] = {0,
                                 1,
                                 -1,
                                 9,
                                 10,
                                 -10,
                                 12345,
                                 INT_MAX,
                                 INT_MIN,
                                 1000000000,
                                 std::numeric_limits<std::int64_t>::max(),
                                 std::numeric_limits<std::int64_t>::min()};
  for (const std::int64_t value : values) {
    SCOPED_TRACE(value);
    EXPECT_EQ(DecimalText(value), std::to_wstring(value));
  }
  for (std::int64_t value = -1000; value <= 1000; ++value) {
    ASSERT_EQ(DecimalText(value), std::to_wstring(value));
  }
}

TEST(NumberText, ZeroPaddedAsPrintfWritesThem) {
  for (const int value : {0, 5, -5, 9, 10, 59, 99, 100, -1, -100, 2024, -4712, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(ZeroPaddedText(value, 2), PrintedInt(L"%02i", value));
    EXPECT_EQ(ZeroPaddedText(value, 4), PrintedInt(L"%04i", value));
  }
}

TEST(NumberText, DoublesAsPrintfWritesThem) {
  const double values[] = {0.0,
                           -0.0,
                           1.0,
                           121.5,
                           25.05,
                           114.0833333,
                           -0.5,
                           7.25,
                           14.5,
                           29.0,
                           0.2083333333,
                           28.999305555,
                           1e6,
                           1e-5,
                           123456.7,
                           1234567.0,
                           1e300,
                           -1e-300,
                           2.5e-7,
                           1.0 / 3,
                           2.0 / 3,
                           0.0000005,
                           0.0000015,
                           999999.5,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min()};
  for (const double value : values) {
    SCOPED_TRACE(value);
    EXPECT_EQ(FixedText(value), Printed(L"%f", value));
    EXPECT_EQ(FixedText(value), std::to_wstring(value));
    EXPECT_EQ(GeneralText(value), Printed(L"%g", value));
  }
  for (int i = -20000; i <= 20000; ++i) {
    const double value = i / 96.0;  // quarter hours in days
    ASSERT_EQ(FixedText(value), Printed(L"%f", value)) << value;
    ASSERT_EQ(GeneralText(value), Printed(L"%g", value)) << value;
  }
  EXPECT_EQ(FixedText(std::numeric_limits<double>::infinity()), L"inf");
  EXPECT_EQ(GeneralText(-std::numeric_limits<double>::infinity()), L"-inf");
}

}  // namespace
}  // namespace vocabulary
