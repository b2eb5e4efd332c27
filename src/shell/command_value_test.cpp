#include "shell/command_value.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shell/utf8_text.h"

namespace shell {
namespace {

struct ParseCase {
  std::wstring argument;
  std::wstring key;
  bool found;
  std::wstring value;  // the value written when found
  std::size_t maxLength = kMaxCommandValueLength;
};

TEST(ParseCommandValue, FollowsEveryRuleOfThePairs) {
  const std::wstring seventy(70, L'名');
  const ParseCase cases[] = {
      // Keys match whole, ASCII letters without regard to case.
      {L"year=2024", L"year", true, L"2024"},
      {L"YEAR=2024", L"year", true, L"2024"},
      {L"Year=2024", L"year", true, L"2024"},
      {L"r1=2", L"R1", true, L"2"},
      {L"years=2024", L"year", false, L""},
      {L"yea=2024", L"year", false, L""},
      // The key must be followed directly by "=".
      {L"year =2024", L"year", false, L""},
      {L"year", L"year", false, L""},
      {L"year:2024", L"year", false, L""},
      // Characters of code 32 or less before a pair are skipped.
      {L" year=2024", L"year", true, L"2024"},
      {L"\t\r\n\x01\x1F year=2024", L"year", true, L"2024"},
      {L"month=5& \tday=20", L"day", true, L"20"},
      {L"   ", L"year", false, L""},
      // "+" and "&" separate pairs, both at once; a value stops at either.
      {L"year=1990&month=5+day=20", L"year", true, L"1990"},
      {L"year=1990&month=5+day=20", L"month", true, L"5"},
      {L"year=1990&month=5+day=20", L"day", true, L"20"},
      {L"R1=2+x=1", L"R1", true, L"2"},
      // A value is text to the separator: its number is read later.
      {L"day=20abc", L"day", true, L"20abc"},
      // A key is found only at the start of a pair.
      {L"today=1", L"day", false, L""},
      {L"today=1&day=2", L"day", true, L"2"},
      {L"xday=1+day=3", L"day", true, L"3"},
      // "=" inside a value is ordinary; blanks inside and after a value stay.
      {L"name=a=b", L"name", true, L"a=b", kMaxCommandNameLength},
      {L"name=a b &sex=男", L"name", true, L"a b ", kMaxCommandNameLength},
      {L"sex=男", L"sex", true, L"男"},
      // The first matching pair wins.
      {L"year=1&year=2", L"year", true, L"1"},
      // An empty value is found and empty.
      {L"year=", L"year", true, L""},
      {L"year=&month=3", L"year", true, L""},
      // Values keep at most 15 characters, the name 63.
      {L"year=1234567890123456789", L"year", true, L"123456789012345"},
      {L"name=" + seventy, L"name", true, std::wstring(63, L'名'), kMaxCommandNameLength},
      {L"sex=" + std::wstring(20, L'女') + L"&day=9", L"sex", true, std::wstring(15, L'女')},
      {L"sex=" + std::wstring(20, L'女') + L"&day=9", L"day", true, L"9"},
      // An empty key or argument finds nothing; a pair without a separator ends the search.
      {L"year=2024", L"", false, L""},
      {L"", L"year", false, L""},
      {L"month=5", L"year", false, L""},
      {L"month=5&", L"year", false, L""},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.argument + L" / " + c.key));
    std::wstring value = L"untouched";
    const bool found = ParseCommandValue(c.argument, c.key, value, c.maxLength);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(WideToUtf8(value), WideToUtf8(c.found ? c.value : L"untouched"));
  }
}

TEST(ReadCommandInteger, ReadsTheLeadingNumberLikeTheRuntime) {
  struct Case {
    std::wstring text;
    int number;
  };
  const Case cases[] = {
      {L"2024", 2024},
      {L"20abc", 20},
      {L"  \t7", 7},
      {L"+12", 12},
      {L"-3", -3},
      {L"abc", 0},
      {L"", 0},
      {L"- 3", 0},
      {L"1 2", 1},
      {L"٣", 0},  // only ASCII digits count
      {L"2147483647", INT_MAX},
      {L"2147483648", INT_MAX},
      {L"123456789012345", INT_MAX},
      {L"-2147483648", INT_MIN},
      {L"-99999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    EXPECT_EQ(ReadCommandInteger(c.text), c.number);
  }
}

TEST(ReadsAsCommandInteger, ADigitMustFollowTheBlanksAndTheSign) {
  for (const wchar_t* text : {L"2024", L"20abc", L"  \t7", L"+12", L"-3", L"0", L"-0"}) {
    SCOPED_TRACE(WideToUtf8(text));
    EXPECT_TRUE(ReadsAsCommandInteger(text));
  }
  for (const wchar_t* text : {L"", L"abc", L"- 3", L"+", L"-", L" ", L"٣", L"+-1", L"x1"}) {
    SCOPED_TRACE(WideToUtf8(text));
    EXPECT_FALSE(ReadsAsCommandInteger(text));
  }
}

TEST(CommandIntegerRunsPast, TheNumbersDigitsMustEndWithinTheKeptCharacters) {
  struct Case {
    std::wstring text;
    bool runsPast;
  };
  const Case cases[] = {
      {L"000000000002026", false},  // 15 characters: all kept
      {L"0000000000002026", true},  // kept, it would read 202
      {L"0000000000000012", true},
      {L"-00000000000005", false},
      {L"-000000000000005", true},   // the sign counts as a character
      {L"              12", true},   // blanks push the digits past the 15th character
      {L"                1", true},  // wholly past it
      {L"                ", false},  // no number at all
      {L"20abcdefghijklmnop", false},
      {L"2026            x", false},  // blanks after the number are not part of it
      {L"", false},
      {L"abc0000000000000000", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    EXPECT_EQ(CommandIntegerRunsPast(c.text, kMaxCommandValueLength), c.runsPast);
  }
}

}  // namespace
}  // namespace shell
