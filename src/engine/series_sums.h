#pragma once

#include <cstddef>
#include <span>

namespace engine::series_sums {

// The sums of the Earth's and the Moon's series terms, A * cos(B + C * tau) and
// A * cos(p0 + p1 t + p2 a2 + p3 a3 + p4 a4), over consecutive terms of kEarthColumns and
// kMoonColumns (sun_moon_tables.h), added in term order. They are built once for each instruction
// set that evaluates several terms at a time; every build gives the same bits, lane arithmetic
// being that of a lone double.

// The time arguments of a Moon term's phase: t (Julian centuries TT), t^2 / 1e4, t^3 / 1e8 and
// t^4 / 1e8.
struct MoonArguments {
  double t;
  double a2;
  double a3;
  double a4;
};

// One build of the sums.
struct Version {
  const char* name;
  // Whether this processor runs it.
  bool (*runs)();
  // The sum over terms first .. first + count - 1 of the Earth at tau (Julian millennia TT).
  double (*earth)(std::size_t first, std::size_t count, double tau);
  // The sum over terms first .. first + count - 1 of the Moon.
  double (*moon)(std::size_t first, std::size_t count, const MoonArguments& arguments);
};

// Every build in the program, the widest vectors first; the last one runs anywhere.
std::span<const Version> Versions();

// The first of Versions() that this processor runs, chosen at the first call.
const Version& Chosen();

}  // namespace engine::series_sums
