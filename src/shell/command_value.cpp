#include "shell/command_value.h"

#include <climits>
#include <cstdint>

namespace shell {

namespace {

wchar_t FoldAsciiCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

bool IsPairSeparator(wchar_t c) { return c == L'+' || c == L'&'; }

// Blanks, tabs and the other control characters: every code up to 32.
bool IsSkippedBeforePair(wchar_t c) { return static_cast<std::uint32_t>(c) <= 32; }

}  // namespace

bool ParseCommandValue(std::wstring_view argument, std::wstring_view key, std::wstring& value,
                       std::size_t maxLength) {
  if (key.empty() || argument.empty()) {
    return false;
  }
  std::size_t pos = 0;
  while (true) {
    while (pos < argument.size() && IsSkippedBeforePair(argument[pos])) {
      ++pos;
    }
    if (argument.size() - pos <= key.size()) {
      return false;  // no room left for the key and its "="
    }
    bool matches = argument[pos + key.size()] == L'=';
    for (std::size_t i = 0; matches && i < key.size(); ++i) {
      matches = FoldAsciiCase(argument[pos + i]) == FoldAsciiCase(key[i]);
    }
    if (matches) {
      const std::size_t begin = pos + key.size() + 1;
      std::size_t end = begin;
      while (end < argument.size() && !IsPairSeparator(argument[end]) && end - begin < maxLength) {
        ++end;
      }
      value.assign(argument.substr(begin, end - begin));
      return true;
    }
    while (pos < argument.size() && !IsPairSeparator(argument[pos])) {
      ++pos;
    }
    if (pos == argument.size()) {
      return false;
    }
    ++pos;
  }
}

namespace {

// The position of the first digit of a number text: after white space and an optional sign.
std::size_t SkipBlanksAndSign(std::wstring_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == L' ' || (text[pos] >= L'\t' && text[pos] <= L'\r'))) {
    ++pos;
  }
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
    ++pos;
  }
  return pos;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

bool ReadsAsCommandInteger(std::wstring_view text) {
  const std::size_t pos = SkipBlanksAndSign(text);
  return pos < text.size() && IsDigit(text[pos]);
}

bool CommandIntegerRunsPast(std::wstring_view text, std::size_t keptLength) {
  std::size_t end = SkipBlanksAndSign(text);
  if (end == text.size() || !IsDigit(text[end])) {
    return false;
  }
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  return end > keptLength;
}

int ReadCommandInteger(std::wstring_view text) {
  std::size_t pos = SkipBlanksAndSign(text);
  const bool negative = pos > 0 && text[pos - 1] == L'-';
  // Accumulated as a magnitude and clamped once past the range, so no digit string overflows.
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t magnitude = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    magnitude = magnitude * 10 + (text[pos] - L'0');
    if (magnitude > limit) {
      magnitude = limit;
    }
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace shell
