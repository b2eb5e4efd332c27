#include "shell/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace shell {
namespace {

TEST(Utf8Text, RoundTripsEveryLengthOfSequence) {
  const std::wstring text = L"R1=1 year=2026 陰曆 é 𠀀";
  const std::string bytes = WideToUtf8(text);
  EXPECT_EQ(bytes, "R1=1 year=2026 \xE9\x99\xB0\xE6\x9B\x86 \xC3\xA9 \xF0\xA0\x80\x80");
  EXPECT_EQ(Utf8ToWide(bytes), text);
}

TEST(Utf8Text, RoundTripsEveryScalarValue) {
  for (wchar_t c = 1; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) {
      continue;
    }
    const std::wstring one(1, c);
    ASSERT_EQ(Utf8ToWide(WideToUtf8(one)), one) << static_cast<long>(c);
  }
}

TEST(Utf8Text, MalformedBytesBecomeReplacementCharacters) {
  struct Case {
    std::string bytes;
    std::wstring text;
  };
  const Case cases[] = {
      {"\xFF", L"\uFFFD"},                                // never a lead byte
      {"a\x80z", L"a\uFFFDz"},                            // a lone continuation byte
      {"\xE9\x99", L"\uFFFD\uFFFD"},                      // cut short at the end
      {"\xE9\x99z", L"\uFFFD\uFFFDz"},                    // cut short before an ASCII byte
      {"\xC0\xAF", L"\uFFFD\uFFFD"},                      // overlong "/"
      {"\xE0\x80\xAF", L"\uFFFD\uFFFD\uFFFD"},            // overlong "/" in three bytes
      {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},            // a surrogate
      {"\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Utf8ToWide(c.bytes), c.text);
  }
}

TEST(Utf8Text, NonScalarWideValuesBecomeReplacementCharacters) {
  const std::wstring text = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000),
                             static_cast<wchar_t>(-1), L'z'};
  EXPECT_EQ(WideToUtf8(text), "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz");
}

}  // namespace
}  // namespace shell
