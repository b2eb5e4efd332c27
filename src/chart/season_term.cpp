#include "chart/season_term.h"

#include "vocabulary/vocabulary_lists.h"

namespace chart {

SeasonTerm SeasonTermInForce(const std::wstring& sectionTermName, const std::wstring& midTermName) {
  const bool earthMidTerm = midTermName == L"穀雨" || midTermName == L"大暑" ||
                            midTermName == L"霜降" || midTermName == L"大寒";
  const int section = vocabulary::LookupSolarTermIndex(sectionTermName);
  if (earthMidTerm && section >= 0 &&
      vocabulary::LookupSolarTermIndex(midTermName) == section + 1) {
    return {midTermName, true};
  }
  return {sectionTermName, false};
}

}  // namespace chart
