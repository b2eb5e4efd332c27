#pragma once

#include <string>

namespace chart {

// The solar term whose season a birth falls in, for the day master's seasonal state: the mid-term
// in force when it is one of the four earth mid-terms (穀雨 大暑 霜降 大寒) and belongs to the
// solar month of the section term in force (it directly follows that section term: 清明 穀雨,
// 小暑 大暑, 寒露 霜降, 小寒 大寒), otherwise the section term. So an earth mid-term rules from
// its own date to the next section term, and the section term at every other time; between
// 立春 and 雨水 the mid-term in force, 大寒, belongs to the month before and does not rule.
struct SeasonTerm {
  std::wstring name;            // the term's name: the earth mid-term or the section term
  bool isEarthMidTerm = false;  // whether it is the mid-term
};

SeasonTerm SeasonTermInForce(const std::wstring& sectionTermName, const std::wstring& midTermName);

}  // namespace chart
