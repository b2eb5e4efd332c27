#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// "《神峰通考》" and the verse line of the chart's section term (sectionTermName, e.g. "立春"),
// or "《神峰通考》" alone when the chart holds no section term or another text.
std::wstring SolarTermVerse(const chart::FourPillarsChart& chart);

}  // namespace interpretation
