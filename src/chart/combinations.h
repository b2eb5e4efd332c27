#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace chart {

// Three-harmony frames (三合局) and directional combinations (三會方) among the four branches,
// the nayin (納音) element of a stem-branch pair, and the ten-god group of a chart's combination.

// Tests the frames 水 木 火 金 (three of the four pillars holding the frame's three branches,
// one each), then the earth frame (辰 戌 丑 未 in one of its 16 orders). For the first found:
// hasFrame 1, its threeHarmonyFlags slot 1, frameElement, and its marker ("水局" ..) under the
// first pillar holding the central branch. Nothing is written when none is found.
void DetectThreeHarmonyFrame(FourPillarsChart& chart);

// The same for the directional combinations 水 木 火 金: hasDirection, directionFlags,
// directionElement and the marker "水方" .. "金方".
void DetectDirectionalCombination(FourPillarsChart& chart);

// The nayin element ("金" "火" "木" "土" "水") of one of the sixty stem-branch pairs, counted
// in nayinElementCounts; the empty text and no count for any other pair.
std::wstring NayinElement(const std::wstring& stem, const std::wstring& branch,
                          FourPillarsChart& chart);

// The group that the element of the chart's combination (the directional combination's when
// there is one, else the frame's) forms for the day stem: "比" same element, "食" the element
// the day produces, "財" the one it controls, "官" the one controlling it, "印" the one
// producing it; the empty text when there is no combination or the day stem is not a stem.
std::wstring TenGodGroupOfCombination(const std::wstring& dayStem, const FourPillarsChart& chart);

}  // namespace chart
