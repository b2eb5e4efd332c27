// The bone-weighing page with any birth: year, month, day, hour and minute any ints, the
// longitude any double (NaN and the infinities included), name and sex any text. The month
// calendar lives for the whole run, as the program's does.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "chart/bone_weight_page.h"
#include "engine/month_calendar.h"
#include "fuzzed_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int year = input.ConsumeIntegral<int>();
  const int month = input.ConsumeIntegral<int>();
  const int day = input.ConsumeIntegral<int>();
  const int hour = input.ConsumeIntegral<int>();
  const int minute = input.ConsumeIntegral<int>();
  // Raw bytes, since ConsumeFloatingPoint gives no NaN and no infinity.
  double longitude = 0;
  const std::vector<std::uint8_t> longitudeBytes =
      input.ConsumeBytes<std::uint8_t>(sizeof longitude);
  if (longitudeBytes.size() == sizeof longitude) {
    std::memcpy(&longitude, longitudeBytes.data(), sizeof longitude);
  }
  const std::wstring name = ConsumeWideText(input, 80);
  const std::wstring sex = ConsumeWideText(input, 80);

  static engine::MonthCalendar calendar;
  const std::wstring page =
      chart::BuildBoneWeightPage(calendar, year, month, day, hour, minute, name, sex, longitude);
  // A page, a one-line message or the empty text of a weight without verdict.
  if (!page.empty() && page.back() != L'>' && page.back() != L'!') {
    __builtin_trap();
  }
  return 0;
}
