#pragma once

#include <cstdint>
#include <string>

namespace chart {

// The decimal text of an integer, with a leading "-" when negative ("-4", "0", "2147483647"), as
// std::to_wstring writes it, without going through the C library's wide formatted output, which
// a chart page would call some hundred times.
inline std::wstring DecimalText(std::int64_t value) {
  wchar_t digits[21];  // 19 digits of the largest magnitude and a sign
  wchar_t* end = digits + 21;
  wchar_t* first = end;
  // The magnitude as unsigned, so that the smallest value has one too.
  std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) {
    *--first = L'-';
  }
  return std::wstring(first, end);
}

}  // namespace chart
