#pragma once

#include <array>

namespace engine {

// One piece of the delta-T model: from startYear to the next row's startYear, delta-T in
// seconds is a + b*u + c*u^2 + d*u^3 with u = 10 * (year - startYear) / (nextStart - startYear).
struct DeltaTSegment {
  double startYear;
  double a;
  double b;
  double c;
  double d;
};

// The piecewise cubic model of TT - UT, -4000 to 2015. The last row is the closing pair
// {2015, 69}: it only ends the 2005 row and gives the 69 s where the extrapolation starts.
inline constexpr auto kDeltaTSegments = std::to_array<DeltaTSegment>({
    // startYear, a, b, c, d
    {-4000, 108371.7, -13036.8, 392.0, 0.0},
    {-500, 17201.0, -627.82, 16.17, -0.3413},
    {-150, 12200.6, -346.41, 5.403, -0.1593},
    {150, 9113.8, -328.13, -1.647, 0.0377},
    {500, 5707.5, -391.41, 0.915, 0.3145},
    {900, 2203.4, -283.45, 13.034, -0.1778},
    {1300, 490.1, -57.35, 2.085, -0.0072},
    {1600, 120.0, -9.81, -1.532, 0.1403},
    {1700, 10.2, -0.91, 0.51, -0.037},
    {1800, 13.4, -0.72, 0.202, -0.0193},
    {1830, 7.8, -1.81, 0.416, -0.0247},
    {1860, 8.3, -0.13, -0.406, 0.0292},
    {1880, -5.4, 0.32, -0.183, 0.0173},
    {1900, -2.3, 2.06, 0.169, -0.0135},
    {1920, 21.2, 1.69, -0.304, 0.0167},
    {1940, 24.2, 1.22, -0.064, 0.0031},
    {1960, 33.2, 0.51, 0.231, -0.0109},
    {1980, 51.0, 1.29, -0.026, 0.0032},
    {2000, 63.87, 0.1, 0.0, 0.0},
    {2005, 64.7, 0.4, 0.0, 0.0},
    {2015, 69, 0, 0, 0},  // closing pair: end of the table
});
static_assert(kDeltaTSegments.size() == 21);

// TT - UT in days at a day number (days from J2000.0, TT or UT alike). Before 2015 the table
// above (years before -4000 extrapolate its first cubic); from 2015 the parabola
// 31 * ((year - 1820) / 100)^2 - 20 s, blended into the table's 69 s until 2115.
double DeltaTDays(double dayNumber);

}  // namespace engine
