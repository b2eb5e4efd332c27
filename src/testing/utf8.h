#pragma once

// Test helpers: UTF-8 to and from wide text (one wchar_t per code point), to read the reference
// files of testdata/ and to print Chinese readably when a comparison fails. Input is assumed to be
// well formed: the files are checked UTF-8 and the texts are the system's own.

#include <string>
#include <string_view>

namespace test_text {

inline std::string EncodeUtf8(std::wstring_view text) {
  std::string out;
  for (const wchar_t wc : text) {
    const auto c = static_cast<unsigned long>(wc);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

inline std::wstring DecodeUtf8(std::string_view text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    out.push_back(static_cast<wchar_t>(code));
    i += length;
  }
  return out;
}

}  // namespace test_text
