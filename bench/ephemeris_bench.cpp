// Speed of the ephemeris core: the series at full precision, the solvers at full and reduced
// precision, and a year's solar terms and new moons.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/delta_t.h"
#include "engine/moments.h"
#include "engine/sun_moon_series.h"
#include "engine/time_frames.h"

namespace {

using engine::kPi;

// t steps through a few years around 2024 so no result can be reused.
class Clock {
 public:
  double Next() {
    t_ += 1e-4;
    if (t_ > 0.3) {
      t_ = 0.2;
    }
    return t_;
  }

 private:
  double t_ = 0.2;
};

void BM_EarthLongitudeFull(benchmark::State& state) {
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::EarthLongitude(clock.Next(), engine::kEveryTerm));
  }
}
BENCHMARK(BM_EarthLongitudeFull);

// The same at times that jump by years from one call to the next, so that no term's phase
// resembles its phase in the call before.
void BM_EarthLongitudeFullScattered(benchmark::State& state) {
  double t = 0.2;
  for (auto _ : state) {
    t = std::fmod(t + 0.0731, 2.0);
    benchmark::DoNotOptimize(engine::EarthLongitude(t - 1, engine::kEveryTerm));
  }
}
BENCHMARK(BM_EarthLongitudeFullScattered);

void BM_EarthLongitude10(benchmark::State& state) {
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::EarthLongitude(clock.Next(), 10));
  }
}
BENCHMARK(BM_EarthLongitude10);

void BM_MoonSeriesFull(benchmark::State& state) {
  const int coordinate = static_cast<int>(state.range(0));
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::MoonSeries(coordinate, clock.Next(), engine::kEveryTerm));
  }
}
BENCHMARK(BM_MoonSeriesFull)->ArgName("coordinate")->Arg(0)->Arg(1)->Arg(2);

void BM_MoonLongitude20(benchmark::State& state) {
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::MoonSeries(engine::kMoonLongitude, clock.Next(), 20));
  }
}
BENCHMARK(BM_MoonLongitude20);

void BM_MoonLongitudeSpeed(benchmark::State& state) {
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::MoonLongitudeSpeed(clock.Next()));
  }
}
BENCHMARK(BM_MoonLongitudeSpeed);

void BM_SunApparentLongitudeFull(benchmark::State& state) {
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::SunApparentLongitude(clock.Next(), engine::kEveryTerm));
  }
}
BENCHMARK(BM_SunApparentLongitudeFull);

void BM_MoonSunElongationFull(benchmark::State& state) {
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::MoonSunElongation(clock.Next(), engine::kEveryTerm, 60));
  }
}
BENCHMARK(BM_MoonSunElongationFull);

void BM_DeltaTDays(benchmark::State& state) {
  Clock clock;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::DeltaTDays(clock.Next() * 36525));
  }
}
BENCHMARK(BM_DeltaTDays);

void BM_SolarTermMoment(benchmark::State& state) {
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::FindSolarTermMoment((600 + k++ % 24) * kPi / 12));
  }
}
BENCHMARK(BM_SolarTermMoment);

void BM_NewMoonMoment(benchmark::State& state) {
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::FindMoonPhaseMoment((297 + k++ % 13) * 2 * kPi));
  }
}
BENCHMARK(BM_NewMoonMoment);

// Reduced precision: the fast new-moon estimate the lunar year table uses first.
void BM_NewMoonFast(benchmark::State& state) {
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::TimeOfElongationFast((297 + k++ % 13) * 2 * kPi));
  }
}
BENCHMARK(BM_NewMoonFast);

void BM_SolarTermsOfAYear(benchmark::State& state) {
  for (auto _ : state) {
    double sum = 0;
    for (int k = 0; k < 24; ++k) {
      sum += engine::FindSolarTermMoment((24 * 24 + 19 + k) * kPi / 12);  // 2024
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_SolarTermsOfAYear);

void BM_NewMoonsOfAYear(benchmark::State& state) {
  // The new moons of 2024: numbers 297 to 309.
  for (auto _ : state) {
    double sum = 0;
    for (int k = 297; k <= 309; ++k) {
      sum += engine::FindMoonPhaseMoment(2 * kPi * k);
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_NewMoonsOfAYear);

}  // namespace
