#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "almanac/almanac_day_page.h"
#include "almanac/calendar_tables.h"
#include "almanac/lunar_month_page.h"
#include "almanac/perpetual_calendar_page.h"
#include "chart/bone_weight_page.h"
#include "engine/julian_day.h"
#include "engine/month_calendar.h"
#include "workloads.h"

namespace workloads {

namespace {

// The peak resident memory of this process so far (VmHWM), in kB; -1 when it cannot be read.
long PeakResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::strtol(line.c_str() + 6, nullptr, 10);
    }
  }
  return -1;
}

// Input i of a pass: a date and time spread over the whole calendar (-4712 .. 9999) by a fixed
// sequence, with one input in 16 outside it (month 13, day 0, a year past 9999), a longitude,
// and a name and sex that vary in length.
struct SoakInput {
  int year, month, day, hour, minute;
  double longitude;
  std::wstring name, sex;
};

SoakInput InputOf(long i) {
  IndexedDraws next(i, 0x2545F4914F6CDD1Du);
  SoakInput input;
  input.year = -4712 + next(14712);
  input.month = 1 + next(12);
  input.day = 1 + next(28);
  input.hour = next(24);
  input.minute = next(60);
  input.longitude = -180.0 + next(3601) / 10.0;
  input.name = std::wstring(static_cast<std::size_t>(next(20)), L'張');
  input.sex = next(2) == 0 ? L"男" : L"女";
  switch (next(16)) {
    case 0:
      input.month = 13;
      break;
    case 1:
      input.day = 0;
      break;
    case 2:
      input.year = 10000 + next(100000);
      break;
    default:
      break;
  }
  return input;
}

}  // namespace

// "soak [inputs] [passes]": every page kind (almanac day, lunar month, perpetual calendar, bone
// weighing) for each of <inputs> inputs (default 5000), <passes> times over (default 4), in one
// process with the tables a program keeps. Prints the peak resident memory at the start, after
// the first pass and at the end, and a checksum of the page lengths; fails (status 1) when the
// peak grew by 64 kB or more after the first pass. The allocator's fragmentation moves the peak
// by a page or a few over the passes (4 to 16 kB seen); one leaked block per page would add at
// least 32 bytes for each of the tens of thousands of pages built after the first pass.
int RunSoak(int argc, char** argv) {
  if (argc > 4) {
    std::fprintf(stderr, "usage: %s soak [inputs] [passes]\n", argv[0]);
    return 2;
  }
  const long inputs = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 5000;
  const long passes = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 4;
  if (inputs < 1 || passes < 2) {
    std::fprintf(stderr, "soak: at least 1 input and 2 passes\n");
    return 2;
  }
  const long atStart = PeakResidentKilobytes();
  almanac::CalendarTables tables;
  engine::MonthCalendar boneCalendar;
  const almanac::LocalDate today{2024, 5, 10};
  long afterFirstPass = 0;
  unsigned long long checksum = 0;
  long pages = 0;
  for (long pass = 0; pass < passes; ++pass) {
    unsigned long long passSum = 0;
    for (long i = 0; i < inputs; ++i) {
      const SoakInput in = InputOf(i);
      const double julianDay =
          engine::DateTimeToJulianDay(in.year, in.month, in.day, in.hour, in.minute);
      passSum += almanac::BuildAlmanacDayPage(tables, julianDay).size();
      passSum += almanac::BuildLunarMonthPage(tables, in.year, in.month, in.day, today).size();
      passSum += almanac::BuildPerpetualCalendarPage(tables, in.year).size();
      passSum += chart::BuildBoneWeightPage(boneCalendar, in.year, in.month, in.day, in.hour,
                                            in.minute, in.name, in.sex, in.longitude)
                     .size();
      pages += 4;
    }
    if (pass == 0) {
      afterFirstPass = PeakResidentKilobytes();
      checksum = passSum;
    } else if (passSum != checksum) {
      std::fprintf(stderr, "soak: pass %ld built pages of other lengths\n", pass + 1);
      return 1;
    }
  }
  const long atEnd = PeakResidentKilobytes();
  std::printf(
      "soak: %ld inputs x %ld passes, %ld pages (almanac day, lunar month, perpetual calendar, "
      "bone weighing); peak resident memory %ld kB at the start, %ld kB after the first pass, "
      "%ld kB at the end; page characters per pass %llu\n",
      inputs, passes, pages, atStart, afterFirstPass, atEnd, checksum);
  constexpr long kFragmentationKilobytes = 64;
  if (atEnd - afterFirstPass >= kFragmentationKilobytes) {
    std::printf("soak: the peak resident memory grew by %ld kB after the first pass\n",
                atEnd - afterFirstPass);
    return 1;
  }
  return 0;
}

}  // namespace workloads
