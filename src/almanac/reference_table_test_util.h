#pragma once

// Test helper: reads a tab-separated UTF-8 reference table of testdata/ into wide-string rows.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace almanac::testing {

// Decodes UTF-8 text (well-formed input assumed: reference files are checked UTF-8).
inline std::wstring DecodeUtf8(const std::string& text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    out.push_back(static_cast<wchar_t>(code));
    i += 1 + extra;
  }
  return out;
}

// The rows of a tab-separated file below the header line, each split into its cells. An empty
// result means the file could not be read.
inline std::vector<std::vector<std::wstring>> ReadTsvRows(const std::string& path) {
  std::vector<std::vector<std::wstring>> rows;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (header || line.empty()) {
      header = false;
      continue;
    }
    std::vector<std::wstring> cells;
    std::string cell;
    std::istringstream fields(line);
    while (std::getline(fields, cell, '\t')) {
      cells.push_back(DecodeUtf8(cell));
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace almanac::testing
