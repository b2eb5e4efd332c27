#pragma once

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// Stem and ten-god weights: integer scores built from the five seasonal strength values and the
// chart counters, and the names of the heaviest stems and ten gods. Run once per chart, after
// the counters, in the order ComputeStemWeights, ComputeTenGodWeights, RankTenGodWeights,
// RankStemWeights.

// Adds to each stemWeights entry: the value of its element's state in the season of
// seasonalElements[0] (for a stem present as a stem or hidden stem; skipped when that text is
// not an element), then its hidden, month-root, stem and own-root terms. Sums are taken in
// 64 bits and a weight saturates at the limits of int rather than overflowing.
void ComputeStemWeights(FourPillarsChart& chart, const SeasonalStrengthValues& values);

// Sets each tenGodWeights entry (weight order) to the weight of the stem bearing that ten god
// to the day stem; nothing is written when the day stem is not a stem.
void ComputeTenGodWeights(FourPillarsChart& chart);

// heaviest[1], [3], [5]: the three heaviest ten gods, ties going to the earlier ten god of the
// count order 比肩 .. 正印. A rank that finds no candidate leaves its text unchanged.
void RankTenGodWeights(FourPillarsChart& chart);

// heaviest[0], [2]: the heaviest and second heaviest stems, ties going to the earlier stem.
void RankStemWeights(FourPillarsChart& chart);

// qsort comparison of two ints, larger first. It compares rather than subtracts, so no pair of
// values overflows.
int CompareDescending(const void* a, const void* b);

}  // namespace chart
