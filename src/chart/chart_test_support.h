#pragma once

// Helpers shared by the chart tests.

#include <string>
#include <vector>

namespace chart {

// The used entries of a list (up to the first empty text), blank-separated, so a failing test
// shows the names as one readable line.
inline std::wstring JoinedUsedEntries(const std::vector<std::wstring>& names) {
  std::wstring text;
  for (const std::wstring& name : names) {
    if (name.empty()) {
      break;
    }
    text += (text.empty() ? L"" : L" ") + name;
  }
  return text;
}

// The number of used entries of a list: the length of the prefix before the first empty text.
inline int UsedEntryCount(const std::vector<std::wstring>& list) {
  int used = 0;
  while (used < static_cast<int>(list.size()) && !list[used].empty()) {
    ++used;
  }
  return used;
}

}  // namespace chart
