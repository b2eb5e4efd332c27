#pragma once

// Test helper: reads a tab-separated UTF-8 reference table of testdata/ into wide-string rows.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "testing/utf8.h"

namespace almanac::testing {

using test_text::DecodeUtf8;

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
