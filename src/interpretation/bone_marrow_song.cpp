#include "interpretation/bone_marrow_song.h"

#include "interpretation/text_pools.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {

std::wstring BoneMarrowSongText(const chart::FourPillarsChart& chart) {
  const int stem = vocabulary::LookupStemIndex(chart.pillars[chart::kDayPillar].stem);
  const int branch = vocabulary::LookupBranchIndex(chart.pillars[chart::kMonthPillar].branch);
  std::wstring text = L"<br>";
  if (stem < 0 || branch < 0) {
    return text + L"<br>";
  }
  const std::size_t entry = static_cast<std::size_t>(stem) * kBranchCount + branch;
  text += kBoneMarrowVerses[entry].text;
  text += L"<br>";
  text += kBoneMarrowParaphrases[entry].text;
  return text;
}

}  // namespace interpretation
