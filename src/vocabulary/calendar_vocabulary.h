#pragma once

#include <string>
#include <vector>

namespace vocabulary {

// The nine calendar name lists the engine counts with, as strings. Months from "十一" (the month
// of the winter solstice), terms from "冬至", phases, signs and numerals are this object's own
// lists; stems, branches, lunar days and animals are the start-up lists of vocabulary_lists.h.
// Each user keeps its own instance as a function-local static; the contents never change after
// construction.
struct CalendarVocabulary {
  CalendarVocabulary();

  std::vector<std::wstring> monthNames;  // 12, by month code: 0 "十一", 1 "十二", 2 "正" .. 11 "十"
  std::vector<std::wstring> termNames;   // 24, solar term k from "冬至"
  std::vector<std::wstring> stems;       // 10, "甲" first
  std::vector<std::wstring> branches;    // 12, "子" first
  std::vector<std::wstring> dayNames;    // 31, lunar day d at d - 1
  std::vector<std::wstring> animals;     // 12, by branch index
  std::vector<std::wstring> phaseNames;  // 4: new moon, first quarter, full moon, last quarter
  std::vector<std::wstring> signNames;   // 12, from the sign that begins at the winter solstice
  std::vector<std::wstring> digitNames;  // 11, numeral n at n
};

}  // namespace vocabulary
