#pragma once

#include <string>
#include <vector>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// Spirit stars seen from a reference branch (the year or the day branch) at another branch:
// the names of the branch-star table, then 元辰 by the chart's sexText and yinYangText.
void AddBranchStars(const std::wstring& referenceBranch, const std::wstring& subjectBranch,
                    std::vector<std::wstring>& starNames, FourPillarsChart& chart, int countFlag);

// Stars of a pillar's own stem-branch pair: 魁罡, 日德, 進神, 六秀, 文昌.
void AddPillarStars(const std::wstring& stem, const std::wstring& branch,
                    std::vector<std::wstring>& starNames, FourPillarsChart& chart, int countFlag);

// 八專 and 九醜 of a pillar (the day and the hour pillar).
void AddSpecialDayStars(const std::wstring& stem, const std::wstring& branch,
                        std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                        int countFlag);

// Stars of the day pillar: 日貴, 陰陽, 差錯, 孤寡, 惡敗.
void AddDayPillarStars(const std::wstring& dayStem, const std::wstring& dayBranch,
                       std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                       int countFlag);

// 天赦: the day pillar that the season of the solar term picks (戊寅 spring, 甲午 summer,
// 戊申 autumn, 甲子 winter). Always counted.
void AddHeavenlyPardonStar(const std::wstring& dayStem, const std::wstring& dayBranch,
                           const std::wstring& solarTermName, std::vector<std::wstring>& starNames,
                           FourPillarsChart& chart);

// 隔角 when the hour branch is the second branch after the day branch. Always counted.
void AddSeparatedCornerStar(const std::wstring& dayBranch, const std::wstring& hourBranch,
                            std::vector<std::wstring>& starNames, FourPillarsChart& chart);

// 空亡 when the branch is one of the two that the decade of the chart's day pillar leaves out.
// Always counted.
void AddVoidStar(const std::wstring& branch, std::vector<std::wstring>& starNames,
                 FourPillarsChart& chart);

// The whole star pass of a derived chart, in its fixed order: the day-stem and month stars of
// the five pillars, the branch stars by the basis (the year-keyed set unless the basis is 1, the
// day-keyed set unless it is 0, so a value outside 0..2 acts as 2), 隔角, the pillar stars,
// 八專/九醜, the day-pillar stars, 天赦 by the chart's sectionTermName and 空亡 of the year, month
// and hour. The life palace's names are listed but not counted. The pattern counts of
// CountMonthLuAndBlade and CountHourLu are not part of it: the chart derivation makes them just
// before.
void AddChartSpiritStars(FourPillarsChart& chart, SpiritStarBasis basis);

}  // namespace chart
