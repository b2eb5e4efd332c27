#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

// A text of up to maxLength characters, each any 32-bit value (unpaired surrogates, code points
// past U+10FFFF and the null character included), as a typed box or the command line could not
// give but a careless caller could.
inline std::wstring ConsumeWideText(FuzzedDataProvider& input, std::size_t maxLength) {
  std::wstring text;
  const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, maxLength);
  for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
    text += static_cast<wchar_t>(input.ConsumeIntegral<std::int32_t>());
  }
  return text;
}
