#pragma once

#include <cstdint>
#include <string>

// The number layouts of the pages and dialogs, written through std::to_chars (C locale, no wide
// formatted output): the text of each is what the C library's printf form named writes.
namespace vocabulary {

// "%i" (as std::to_wstring of an integer): "-4", "0", "2147483647".
std::wstring DecimalText(std::int64_t value);

// "%0<width>i": at least width characters, zeros between the sign and the digits ("%02i" of 5 is
// "05", of -5 "-5"; "%04i" of -1 is "-001").
std::wstring ZeroPaddedText(std::int64_t value, int width);

// "%f" (as std::to_wstring of a double): six decimals, "121.500000".
std::wstring FixedText(double value);

// "%g": six significant digits without trailing zeros, "7", "7.25", "14.5", "1e+06".
std::wstring GeneralText(double value);

}  // namespace vocabulary
