#include "shell/dialog_numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace shell {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

// The text without the blanks around it.
std::wstring_view WithoutBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

unsigned ReadDialogUnsigned(std::wstring_view text) {
  const std::wstring_view digits = WithoutBlanks(text);
  if (digits.empty()) {
    return 0;
  }
  std::uint64_t number = 0;
  for (const wchar_t digit : digits) {
    if (digit < L'0' || digit > L'9') {
      return 0;
    }
    number = number * 10 + static_cast<std::uint64_t>(digit - L'0');
    if (number > 0xFFFFFFFFu) {
      return 0;
    }
  }
  return static_cast<unsigned>(number);
}

std::optional<int> ReadWholeInteger(std::wstring_view text) {
  text = WithoutBlanks(text);
  std::size_t begin = 0;
  const std::size_t end = text.size();
  const bool negative = begin < end && text[begin] == L'-';
  if (begin < end && (text[begin] == L'-' || text[begin] == L'+')) {
    ++begin;
  }
  if (begin == end) {
    return std::nullopt;
  }
  // A magnitude of up to INT_MAX + 1 (INT_MIN's), so no digit string overflows it.
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t magnitude = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (text[i] < L'0' || text[i] > L'9') {
      return std::nullopt;
    }
    magnitude = magnitude * 10 + (text[i] - L'0');
    if (magnitude > limit) {
      return std::nullopt;
    }
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

double ReadCoordinateText(std::wstring_view text) {
  text = text.substr(0, 8);
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) {
    ++pos;
  }
  // from_chars reads the C-locale form but takes no "+" and no blanks; it sees ASCII only.
  std::string ascii;
  if (pos < text.size() && text[pos] == L'+') {
    ++pos;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
      return 0;
    }
  }
  for (; pos < text.size() && text[pos] > 0 && text[pos] < 0x80; ++pos) {
    ascii += static_cast<char>(text[pos]);
  }
  double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Only an exponent leaves the range: a negative one underflows to 0, a positive one gives
    // the infinity of the number's sign.
    const std::string_view number(ascii.data(),
                                  static_cast<std::size_t>(result.ptr - ascii.data()));
    const std::size_t exponent = number.find_first_of("eE");
    if (exponent != std::string_view::npos && exponent + 1 < number.size() &&
        number[exponent + 1] == '-') {
      return 0;
    }
    return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return result.ec == std::errc() ? value : 0;
}

}  // namespace shell
