#include "chart/season_term.h"

#include <gtest/gtest.h>

#include <vector>

namespace chart {
namespace {

TEST(SeasonTerm, EarthMidTermRulesOnlyInItsOwnSolarMonth) {
  struct Case {
    const wchar_t* section;
    const wchar_t* mid;
    const wchar_t* term;
    bool isEarthMidTerm;
  };
  const std::vector<Case> cases = {
      {L"立春", L"大寒", L"立春", false},  // between 立春 and 雨水: 大寒 is the month before's
      {L"小寒", L"大寒", L"大寒", true},   // between 大寒 and 立春
      {L"清明", L"穀雨", L"穀雨", true},   // between 穀雨 and 立夏
      {L"立夏", L"穀雨", L"立夏", false},
      {L"小暑", L"大暑", L"大暑", true},
      {L"寒露", L"霜降", L"霜降", true},
      {L"驚蟄", L"春分", L"驚蟄", false},  // 春分 is no earth mid-term
      {L"小寒", L"冬至", L"小寒", false},
      {L"大雪", L"冬至", L"大雪", false},
      {L"", L"大寒", L"", false},  // no section term in force (a chart without dates)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.section) + L"/" + c.mid);
    const SeasonTerm term = SeasonTermInForce(c.section, c.mid);
    EXPECT_EQ(term.name, c.term);
    EXPECT_EQ(term.isEarthMidTerm, c.isEarthMidTerm);
  }
}

}  // namespace
}  // namespace chart
