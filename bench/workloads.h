#pragma once

#include <cstdint>
#include <random>

#include "chart/birth_chart_entry.h"

// The whole-process workloads: each takes the command line of the program that runs it (argv[1]
// is the workload's name), does its work, prints one line to be compared between runs and
// builds, and returns the process status. tavrel-workload runs them alone; tavrel-bench runs them
// too, beside its Google Benchmark suites.
namespace workloads {

// "solar-terms <first year> <last year>" (solar_terms_workload.cpp).
int RunSolarTerms(int argc, char** argv);

// "lunar-days <first year> <last year>" (lunar_days_workload.cpp).
int RunLunarDays(int argc, char** argv);

// "pillars <count> [shuffled]" (pillars_workload.cpp).
int RunPillars(int argc, char** argv);

// "charts <count>" (charts_workload.cpp).
int RunCharts(int argc, char** argv);

// "chart-pages <count>" (chart_pages_workload.cpp).
int RunChartPages(int argc, char** argv);

// "soak [inputs] [passes]" (soak_workload.cpp).
int RunSoak(int argc, char** argv);

// The workload named by argv[1] run on the command line, its status in *status; false when
// argv[1] names no workload (or is missing).
bool RunNamedWorkload(int argc, char** argv, int* status);

// The names of the workloads with their arguments, one a line, for a usage message.
extern const char* const kWorkloadUsage;

// The draws that make input i of a fixed sequence: a hash of i and of the sequence's own `stream`
// constant, stepped on at each draw, so that input i is the same whichever inputs were made
// before it. `next(n)` is the next draw, in 0 .. n-1.
class IndexedDraws {
 public:
  IndexedDraws(long i, std::uint64_t stream)
      : x_(static_cast<std::uint64_t>(i) * 0x9E3779B97F4A7C15u + stream) {}
  int operator()(std::uint64_t n) {
    x_ ^= x_ >> 29;
    x_ *= 0xBF58476D1CE4E5B9u;
    x_ ^= x_ >> 32;
    return static_cast<int>(x_ % n);
  }

 private:
  std::uint64_t x_;
};

// The day number (UT, from J2000.0) of moment i of n spread evenly over 1900-01-01 to
// 2100-12-31 Beijing time, at an odd fraction of a day so the hours vary: the moments of
// "pillars".
double PillarsMoment(long i, long n);

// Birth i of the fixed sequence of "charts": a date and time of 1900-2100, every setting.
chart::BirthChartRequest ChartsBirth(long i);

// The next random birth of "chart-pages" (1900-2100, random settings) from the generator.
chart::BirthChartRequest ChartPagesBirth(std::mt19937_64& random);

}  // namespace workloads
