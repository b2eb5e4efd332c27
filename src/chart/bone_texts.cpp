#include "chart/bone_texts.h"

namespace chart {

namespace {

std::wstring_view TextOfTotal(const std::array<BoneText, kBoneTextCount>& texts, int total) {
  return HasBoneTexts(total) ? texts[static_cast<std::size_t>(total - kFirstBoneTotal)].text
                             : std::wstring_view();
}

}  // namespace

std::wstring_view BoneVerdict(int total) { return TextOfTotal(kBoneVerdicts, total); }

std::wstring_view BonePoem(int total) { return TextOfTotal(kBonePoems, total); }

}  // namespace chart
