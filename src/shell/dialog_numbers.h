#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace shell {

// The unsigned number of a box's text, as a dialog reads it: blanks around decimal digits are
// allowed, anything else (a sign, letters, an empty text, a number past 4294967295) reads 0.
unsigned ReadDialogUnsigned(std::wstring_view text);

// The int that a text holds whole: blanks around an optional sign and decimal digits ("1984",
// " -5 ", "+0"). None for any other text ("", "abc", "0x7C0", "20abc", "2.5", "- 5") and for a
// number beyond the int range. The birth-year boxes and the command line's birth year are read so.
std::optional<int> ReadWholeInteger(std::wstring_view text);

// The number that a coordinate text begins with, read from at most its first 8 characters in the
// C locale whatever the user's locale: blanks skipped, an optional sign, a decimal number with an
// optional exponent; "inf" and "nan" read as such, as does a number past the range of a double
// (its infinity), and one below that range reads 0; 0 when no number begins the text.
double ReadCoordinateText(std::wstring_view text);

}  // namespace shell
