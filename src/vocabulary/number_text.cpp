#include "vocabulary/number_text.h"

#include <charconv>
#include <cstddef>
#include <system_error>

namespace vocabulary {
namespace {

// The ASCII digits written by to_chars, widened.
std::wstring Widened(const char* first, const char* last) { return std::wstring(first, last); }

}  // namespace

std::wstring DecimalText(std::int64_t value) {
  char digits[24];  // 19 digits of the largest magnitude and a sign
  const std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
  return Widened(digits, result.ptr);
}

std::wstring ZeroPaddedText(std::int64_t value, int width) {
  std::wstring text = DecimalText(value);
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    const std::size_t signLength = value < 0 ? 1 : 0;
    text.insert(signLength, static_cast<std::size_t>(width) - text.size(), L'0');
  }
  return text;
}

std::wstring FixedText(double value) {
  char digits[400];  // the integer digits of the largest double (309) and six decimals
  const std::to_chars_result result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
  return result.ec == std::errc() ? Widened(digits, result.ptr) : std::wstring();
}

std::wstring GeneralText(double value) {
  char digits[32];
  const std::to_chars_result result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 6);
  return result.ec == std::errc() ? Widened(digits, result.ptr) : std::wstring();
}

}  // namespace vocabulary
