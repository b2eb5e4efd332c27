#pragma once

#include <array>
#include <string>
#include <string_view>

namespace engine {

// Mean-period fits of the historical calendars: {start Julian day, mean lunation in days} for
// each stretch of history (civil date of the start in the comment, Julian calendar, astronomical
// years), then the end Julian day 1947168 (619-01-21).
inline constexpr auto kNewMoonFits = std::to_array<double>({
    // start Julian day, mean lunation
    1457698.231017, 29.53067166,  // -722-12-17
    1546082.512234, 29.53085106,  // -480-12-11
    1640640.7353,   29.5306,      // -221-10-31
    1642472.151543, 29.53085439,  // -216-11-04
    1683430.5093,   29.53086148,  // -104-12-25
    1752148.041079, 29.53085097,  // 85-02-13
    1807665.420323, 29.53059851,  // 237-02-12
    1883618.1141,   29.5306,      // 445-01-24
    1907360.7047,   29.5306,      // 510-01-26
    1936596.2249,   29.5306,      // 590-02-10
    1939135.6753,   29.5306,      // 597-01-24
    1947168.0,                    // end: 619-01-21
});
static_assert(kNewMoonFits.size() == 23);

// The same for the solar terms: {start Julian day, mean interval between consecutive terms in
// days}, then the end Julian day 2322147.76 (1645-09-21). Dates from 1582-10-15 on are Gregorian.
inline constexpr auto kSolarTermFits = std::to_array<double>({
    // start Julian day, mean term interval
    1640650.479938, 15.218425,     // -221-11-09
    1642476.703182, 15.21874996,   // -216-11-09
    1683430.515601, 15.218750011,  // -104-12-25
    1752157.640664, 15.218749978,  // 85-02-23
    1807675.003759, 15.218620279,  // 237-02-22
    1883627.765182, 15.218612292,  // 445-02-03
    1907369.1281,   15.218449176,  // 510-02-03
    1936603.140413, 15.218425,     // 590-02-17
    1939145.52418,  15.218466998,  // 597-02-03
    1947180.7983,   15.218524844,  // 619-02-03
    1964362.041824, 15.218533526,  // 666-02-17
    1987372.340971, 15.218513908,  // 729-02-16
    1999653.819126, 15.218530782,  // 762-10-03
    2007445.469786, 15.218535181,  // 784-02-01
    2021324.917146, 15.218526248,  // 822-02-01
    2047257.232342, 15.218519654,  // 893-01-31
    2070282.898213, 15.218425,     // 956-02-16
    2073204.87285,  15.218515221,  // 964-02-16
    2080144.500926, 15.218530782,  // 983-02-16
    2086703.688963, 15.218523776,  // 1001-01-31
    2110033.182763, 15.218425,     // 1064-12-15
    2111190.300888, 15.218425,     // 1068-02-15
    2113731.271005, 15.218515671,  // 1075-01-30
    2120670.840263, 15.218425,     // 1094-01-30
    2123973.309063, 15.218425,     // 1103-02-14
    2125068.997336, 15.218477932,  // 1106-02-14
    2136026.312633, 15.218472436,  // 1136-02-14
    2156099.495538, 15.218425,     // 1191-01-29
    2159021.324663, 15.218425,     // 1199-01-29
    2162308.575254, 15.218461742,  // 1208-01-30
    2178485.706538, 15.218425,     // 1252-05-15
    2178759.662849, 15.218445786,  // 1253-02-13
    2185334.0208,   15.218425,     // 1271-02-13
    2187525.481425, 15.218425,     // 1277-02-12
    2188621.191481, 15.218437494,  // 1280-02-13
    2322147.76,                    // end: 1645-09-21
});
static_assert(kSolarTermFits.size() == 71);

// Day corrections of the low-precision era (619 to 1959 for new moons, 1645 to 1959 for solar
// terms), compressed: one expanded character per event (see ExpandCorrectionString), stored as
// pieces that are joined in order.
extern const std::array<std::string_view, 21> kNewMoonCorrections;   // 2,031 characters
extern const std::array<std::string_view, 5> kSolarTermCorrections;  // 437 characters

// The pieces of a compressed correction table joined in order.
template <std::size_t N>
std::string JoinCorrectionPieces(const std::array<std::string_view, N>& pieces) {
  std::string joined;
  for (std::string_view piece : pieces) {
    joined += piece;
  }
  return joined;
}

// Replaces every occurrence of pattern in text, in place, searching from position 0 and resuming
// right after each inserted replacement. An empty pattern changes nothing.
void ReplaceAll(std::string& text, std::string pattern, std::string replacement);

// Expands a compressed correction string into one character per event: "0" no correction, "1"
// the event's day is one day later than the low-precision formula gives, "2" one day earlier.
// Letters stand for runs of "0" (G..J, A..F), alone or closed by one "2" (l..t) or "1" (a..k; "j"
// and "h" twice "01" and "001").
std::string ExpandCorrectionString(std::string compressed);

}  // namespace engine
