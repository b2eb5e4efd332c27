#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// "<br>", the 金不換骨髓歌 verse of the day master (the day pillar's stem) born in the month
// branch, "<br>", and the verse's paraphrase. A stem or branch that is not one name gives neither,
// so "<br><br>"; the paraphrase of 丙 in 卯 is empty.
std::wstring BoneMarrowSongText(const chart::FourPillarsChart& chart);

}  // namespace interpretation
