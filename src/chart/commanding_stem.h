#pragma once

#include <optional>
#include <string>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// The month-command day division of five schools: each finds the stem commanding the month at
// the birth from the section term in force (sectionTermName) and the days since it
// (daysSinceSectionTerm; a value equal to a threshold belongs to the later interval), stores it
// in commandingStem and returns the explanation: the book, "農曆" + lunarMonthText + "月建" +
// the month branch + "。", the school's division of the month named by the month branch, and
// the interval of the birth. A month branch outside the twelve leaves out the division; a
// section term outside the twelve leaves out the interval and leaves commandingStem unchanged.
// Nothing else of the chart is written.

std::wstring DescribeCommandingStemScheme1(FourPillarsChart& chart);  // 《萬育吾》, "育吾"
std::wstring DescribeCommandingStemScheme2(FourPillarsChart& chart);  // 《三命通會》, "通會"
std::wstring DescribeCommandingStemScheme3(FourPillarsChart& chart);  // 《淵海子平》, "子平"
std::wstring DescribeCommandingStemScheme4(FourPillarsChart& chart);  // 《神峰通考》, "通考"
std::wstring DescribeCommandingStemScheme5(FourPillarsChart& chart);  // 《命理新論》, "新論"

// The division of the school `scheme` names (1 育吾 .. 5 新論, the function above of that
// number); no text, and the chart left as it is, for kSeasonalState and any value that names no
// school.
std::optional<std::wstring> DescribeCommandingStem(FourPillarsChart& chart,
                                                   MonthCommandDivisionScheme scheme);

}  // namespace chart
