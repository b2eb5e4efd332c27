#pragma once

// Test helper: wide text as UTF-8, so that a failed comparison of almanac texts prints readable
// Chinese instead of escaped code points.

#include <string>
#include <string_view>

namespace almanac::testing {

// Encodes text of the Basic Multilingual Plane (every character the almanac writes) as UTF-8.
inline std::string Narrow(std::wstring_view text) {
  std::string out;
  for (wchar_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace almanac::testing
