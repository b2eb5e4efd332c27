#pragma once

#include <array>
#include <cstddef>

namespace engine {

// The coefficient tables of the sun and moon series, built in from the text files in data/
// (provenance in data/README.md). Within every sub-series the amplitudes never increase, so
// summing a prefix keeps the largest terms.

// Earth heliocentric longitude, VSOP87D L0..L5. [0] the amplitude scale 1e10; [1..7] the start
// positions of L0..L5 and the end of L5 (indexes into this array); then terms
// {A * 1e10, B (rad), C (rad per Julian millennium)}, value A * cos(B + C * tau).
inline constexpr auto kEarthSeries = std::to_array<double>({
#include "engine/data/earth_longitude_vsop87d.txt"
});
static_assert(kEarthSeries.size() == 1136);
static_assert(kEarthSeries[1] == 8 && kEarthSeries[7] == kEarthSeries.size());

inline constexpr int kEarthTermSize = 3;

// Moon, ELP/MPP02 recast: for coordinate c (0 longitude, 1 latitude, 2 distance) and power k of t
// (0, 1, 2) one sub-series of kMoonSeriesTerms[c][k] terms, the nine stored one after another
// in that order. A term is {A, p0, p1, p2, p3, p4}, value
// A * cos(p0 + p1 * t + p2 * t^2 / 1e4 + p3 * t^3 / 1e8 + p4 * t^4 / 1e8); A in arcseconds
// (longitude, latitude) or km (distance).
inline constexpr int kMoonTermSize = 6;
inline constexpr auto kMoonSeriesTerms = std::to_array<std::array<int, 3>>({
    // t^0, t^1, t^2
    {442, 149, 2},  // longitude
    {206, 45, 12},  // latitude
    {221, 52, 12},  // distance
});
static_assert(kMoonSeriesTerms.size() == 3);

inline constexpr auto kMoonSeries = std::to_array<double>({
#include "engine/data/moon_elpmpp02.txt"
});
static_assert(kMoonSeries.size() == 6 * (442 + 149 + 2 + 206 + 45 + 12 + 221 + 52 + 12));

// Position in kMoonSeries of the first double of sub-series (coordinate, power).
constexpr std::size_t MoonSeriesStart(int coordinate, int power) {
  std::size_t position = 0;
  for (int c = 0; c < 3; ++c) {
    for (int k = 0; k < 3; ++k) {
      if (c == coordinate && k == power) {
        return position;
      }
      position += static_cast<std::size_t>(kMoonSeriesTerms[c][k]) * kMoonTermSize;
    }
  }
  return position;
}
static_assert(MoonSeriesStart(3, 0) == kMoonSeries.size());

// A table of terms stored column by column: column[j][i] is double j of term i, so that the
// amplitudes or the phases of consecutive terms load into one vector. `largest[j]` is the largest
// magnitude in column j, for bounds on a phase.
template <std::size_t kTermSize, std::size_t kTerms>
struct SeriesColumns {
  alignas(64) std::array<std::array<double, kTerms>, kTermSize> column;
  std::array<double, kTermSize> largest;
};

// The columns of the `kTerms` terms of `kTermSize` doubles that begin at rows[first].
template <std::size_t kTermSize, std::size_t kTerms, std::size_t kSize>
constexpr SeriesColumns<kTermSize, kTerms> ToColumns(const std::array<double, kSize>& rows,
                                                     std::size_t first) {
  SeriesColumns<kTermSize, kTerms> columns{};
  for (std::size_t i = 0; i < kTerms; ++i) {
    for (std::size_t j = 0; j < kTermSize; ++j) {
      const double value = rows[first + i * kTermSize + j];
      columns.column[j][i] = value;
      const double magnitude = value < 0 ? -value : value;
      if (magnitude > columns.largest[j]) {
        columns.largest[j] = magnitude;
      }
    }
  }
  return columns;
}

// kEarthSeries's terms (from position kEarthSeries[1]) and kMoonSeries's, column by column: the
// term that begins at position p of kEarthSeries is term (p - kEarthSeries[1]) / 3 here, the one
// at position p of kMoonSeries term p / 6.
inline constexpr std::size_t kEarthTerms = (1136 - 8) / kEarthTermSize;
inline constexpr auto kEarthColumns =
    ToColumns<kEarthTermSize, kEarthTerms>(kEarthSeries, static_cast<std::size_t>(kEarthSeries[1]));
inline constexpr std::size_t kMoonTerms = kMoonSeries.size() / kMoonTermSize;
inline constexpr auto kMoonColumns = ToColumns<kMoonTermSize, kMoonTerms>(kMoonSeries, 0);
static_assert(kEarthTerms == 376 && kMoonTerms == 1141);

}  // namespace engine
