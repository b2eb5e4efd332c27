#pragma once

#include <string>
#include <string_view>

namespace shell {

// UTF-8 bytes of a wide text (one wchar_t = one code point); a value that is no Unicode scalar
// (a surrogate, above U+10FFFF or negative) becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);

// The wide text of UTF-8 bytes; each byte of a malformed, overlong or truncated sequence becomes
// U+FFFD, so every input decodes.
std::wstring Utf8ToWide(std::string_view bytes);

}  // namespace shell
