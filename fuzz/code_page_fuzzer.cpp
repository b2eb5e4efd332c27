// The conversion of a page to code page 950 with any wide text: every four input bytes are one
// wchar_t, so surrogates, values past U+10FFFF and negative values come through as well as Big5
// text and ASCII.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "shell/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text(size / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), data, text.size() * sizeof(wchar_t));
  const std::optional<std::string> bytes = shell::ConvertToCodePage950(text);
  // Each character gives one or two bytes ("?" for one the code page lacks).
  if (!bytes || bytes->size() < text.size() || bytes->size() > 2 * text.size()) {
    __builtin_trap();
  }
  return 0;
}
