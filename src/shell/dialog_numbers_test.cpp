#include "shell/dialog_numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <optional>
#include <string>

#include "shell/utf8_text.h"
#include "vocabulary/number_text.h"

namespace shell {
namespace {

TEST(ReadDialogUnsigned, ReadsOnlyWholeUnsignedNumbers) {
  struct Case {
    std::wstring text;
    unsigned number;
  };
  const Case cases[] = {
      {L"2024", 2024},    {L"  7 ", 7},
      {L"0", 0},          {L"", 0},
      {L"abc", 0},        {L"12abc", 0},
      {L"-5", 0},         {L"+5", 0},
      {L"1 2", 0},        {L"4294967295", 4294967295u},
      {L"4294967296", 0}, {L"99999999999999999999", 0},
      {L"10000", 10000},  {L"２０２４", 0},  // full-width digits are not decimal digits here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    EXPECT_EQ(ReadDialogUnsigned(c.text), c.number);
  }
}

TEST(ReadWholeInteger, ReadsASignedNumberThatIsTheWholeText) {
  struct Case {
    std::wstring text;
    std::optional<int> number;
  };
  const Case cases[] = {
      {L"1984", 1984},
      {L"  7 ", 7},
      {L"-5", -5},
      {L" -4712", -4712},
      {L"+5", 5},
      {L"0", 0},
      {L"-0", 0},
      {L"007", 7},
      {L"2147483647", 2147483647},
      {L"-2147483648", INT_MIN},
      {L"2147483648", std::nullopt},
      {L"-2147483649", std::nullopt},
      {L"99999999999999999999", std::nullopt},
      {L"", std::nullopt},
      {L"  ", std::nullopt},
      {L"-", std::nullopt},
      {L"+", std::nullopt},
      {L"abc", std::nullopt},
      {L"0x7C0", std::nullopt},
      {L"20abc", std::nullopt},
      {L"2.5", std::nullopt},
      {L"1e3", std::nullopt},
      {L"1 2", std::nullopt},
      {L"- 5", std::nullopt},
      {L"--5", std::nullopt},
      {L"+-5", std::nullopt},
      {L"２０２４", std::nullopt},  // full-width digits are not decimal digits here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    EXPECT_EQ(ReadWholeInteger(c.text), c.number);
  }
}

TEST(ReadCoordinateText, ReadsTheFirstEightCharactersInTheCLocale) {
  struct Case {
    std::wstring text;
    double number;
  };
  const Case cases[] = {
      {L"121.500000", 121.5},
      {L"114.083333", 114.0833},
      {L"22.200000", 22.2},
      {L"121.4833333", 121.4833},
      {L"-33.5", -33.5},
      {L"+8", 8},
      {L"  25.05", 25.05},
      {L"abc", 0},
      {L"", 0},
      {L"12abc", 12},
      {L"1e2", 100},
      {L"12,5", 12},
      {L"+-5", 0},
      {L"--5", 0},
      {L".5", 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    EXPECT_EQ(ReadCoordinateText(c.text), c.number);
  }
  EXPECT_TRUE(std::isinf(ReadCoordinateText(L"inf")));
  // Past the range of a double the number reads as an infinity of its sign, so the page refuses
  // it; below the range it reads as 0.
  EXPECT_EQ(ReadCoordinateText(L"1e400"), HUGE_VAL);
  EXPECT_EQ(ReadCoordinateText(L"-9e999"), -HUGE_VAL);
  EXPECT_EQ(ReadCoordinateText(L" +1E+400"), HUGE_VAL);
  EXPECT_EQ(ReadCoordinateText(L"1e-400"), 0.0);
  EXPECT_EQ(ReadCoordinateText(L"-1e-999"), 0.0);
  EXPECT_TRUE(std::isnan(ReadCoordinateText(L"nan")));
}

// The coordinate boxes show a place's degrees in the "%f" form (vocabulary::FixedText), which
// ReadCoordinateText reads back.
TEST(CoordinateBoxText, PrintsSixDecimalsWithAPoint) {
  EXPECT_EQ(WideToUtf8(vocabulary::FixedText(121.5)), "121.500000");
  EXPECT_EQ(WideToUtf8(vocabulary::FixedText(114.0 + 5.0 / 60)), "114.083333");
  EXPECT_EQ(WideToUtf8(vocabulary::FixedText(25.05)), "25.050000");
  EXPECT_EQ(WideToUtf8(vocabulary::FixedText(-0.0000004)), "-0.000000");
  EXPECT_EQ(WideToUtf8(vocabulary::FixedText(0)), "0.000000");
}

TEST(CoordinateBoxText, IgnoresTheUserLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  // Any installed locale with a decimal comma will do; without one the C form is checked alone.
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "C.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      SCOPED_TRACE(name);
      EXPECT_EQ(WideToUtf8(vocabulary::FixedText(121.5)), "121.500000");
      EXPECT_EQ(ReadCoordinateText(L"121.5"), 121.5);
    }
  }
  std::setlocale(LC_NUMERIC, previous.c_str());
}

}  // namespace
}  // namespace shell
