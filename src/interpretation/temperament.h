#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// The temperament section: "<br>《淵海子平》日主為", the day pillar's stem as held, "。", the
// nature of the stem's element (none for a text that is no stem), then "<br>《相心賦》" and
// PhysiognomyVerseText.
std::wstring ElementNatureText(const chart::FourPillarsChart& chart);

// The 相心賦 preamble followed, without separators and in their fixed order, by each of its 21
// sentences whose condition the chart's ten-god, stem, branch and star counters meet.
std::wstring PhysiognomyVerseText(const chart::FourPillarsChart& chart);

}  // namespace interpretation
