// The typed-pillar chart entry with any texts and settings, then the derivation of every chart
// it accepts: four pillar texts, name and sex of any characters and lengths, any spirit-star
// basis, earth-month option and seasonal values.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "chart/chart_derivation.h"
#include "chart/stem_branch_chart_entry.h"
#include "fuzzed_text.h"

namespace {

bool IsPillarMessage(const std::wstring& message) {
  for (const wchar_t* pillar : {L"年", L"月", L"日", L"時"}) {
    for (const wchar_t* part : {L"天干輸入錯誤 !", L"地支輸入錯誤 !"}) {
      if (message == std::wstring(pillar) + part) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  chart::StemBranchChartRequest request;
  for (std::wstring& pillar : request.pillarTexts) {
    pillar = ConsumeWideText(input, 4);
  }
  request.name = ConsumeWideText(input, 40);
  request.sex = ConsumeWideText(input, 4);
  request.spiritStarBasis = static_cast<chart::SpiritStarBasis>(input.ConsumeIntegral<int>());
  request.earthMonthOption = static_cast<chart::EarthMonthOption>(input.ConsumeIntegral<int>());
  for (int& value : request.values) {
    value = input.ConsumeIntegral<int>();
  }
  request.annotationText = ConsumeWideText(input, 40);

  chart::ChartEntryResult result = chart::MakeStemBranchChart(request);
  if (const auto* rejection = std::get_if<chart::ChartRejection>(&result)) {
    if (!IsPillarMessage(rejection->message)) {
      __builtin_trap();
    }
    return 0;
  }
  chart::ChartHandOver& handOver = std::get<chart::ChartHandOver>(result);
  chart::DeriveFourPillarsChart(handOver);
  const chart::FourPillarsChart& c = *handOver.chart;
  // A typed chart has no luck start: its ages run from 0; its eight characters are all counted.
  if (c.luckAges[0] != L"0" || c.luckStems[9].empty() || c.yangCount + c.yinCount != 8 ||
      c.pillars[chart::kLifePalacePillar].branch.empty()) {
    __builtin_trap();
  }
  return 0;
}
