#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace shell {

// Longest value kept from a command-line pair: 15 characters, the name 63.
inline constexpr std::size_t kMaxCommandValueLength = 15;
inline constexpr std::size_t kMaxCommandNameLength = 63;

// Finds the pair `key`=value in a command-line argument of pairs separated by "+" or "&".
// Characters of code 32 or less before a pair are skipped; the key is compared whole, ASCII
// letters without regard to case, and must be followed directly by "=" (so "year =1" and
// "today=1" do not match "year" and "day"); the first matching pair wins. The value runs to the
// next "+" or "&" or the end of the argument, keeps "=" and blanks as ordinary characters, and is
// cut after `maxLength` characters. True when the key was found and `value` replaced (an empty
// value included); false, with `value` untouched, otherwise.
bool ParseCommandValue(std::wstring_view argument, std::wstring_view key, std::wstring& value,
                       std::size_t maxLength);

// The integer that a value text begins with: white space skipped, an optional sign, then
// decimal digits up to the first other character; 0 when no digit follows. A number beyond the
// 32-bit range reads as the nearest of INT_MIN and INT_MAX.
int ReadCommandInteger(std::wstring_view text);

// Whether a value text reads as a number: a decimal digit follows the white space and the optional
// sign that ReadCommandInteger skips ("2024", " -3", "20abc"; not "", "abc" or "- 3").
bool ReadsAsCommandInteger(std::wstring_view text);

// Whether the number that a value text begins with (as ReadCommandInteger reads it: blanks, a
// sign, digits) runs on past its first `keptLength` characters, so that the kept characters
// would read as another number ("0000000000002026" kept to 15 reads 202). A text that begins
// with no number never does.
bool CommandIntegerRunsPast(std::wstring_view text, std::size_t keptLength);

}  // namespace shell
