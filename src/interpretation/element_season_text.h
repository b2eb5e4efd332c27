#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// 三命通會 on the day master's element: "<font color=red>", the element, "</font><br>", its passage
// for the season of the section term, for the lunar month of the birth and, for 木, 土 and 金, for
// a 子 or 丑 month; then the line explaining the nine regions. A day stem that is no stem name
// gives that line alone; a term or month name the passages do not know gives no passage of its
// kind.
std::wstring ElementSeasonText(const chart::FourPillarsChart& chart);

}  // namespace interpretation
