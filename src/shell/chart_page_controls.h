#pragma once

#include <cstddef>
#include <string>

#include "chart/chart_settings.h"
#include "shell/control_ids.h"
#include "shell/page_controls.h"

namespace shell {

// Text limits of the pillar boxes of "干支排盤".
inline constexpr std::size_t kPillarTextLimit = 31;
inline constexpr std::size_t kSinglePillarTextLimit = 63;

// The first `limit` characters of a box.
std::wstring ReadLimitedText(const PageControls& controls, int id, std::size_t limit);

// The five seasonal strength values from their boxes (ChartSettingIds), each read as an unsigned
// number (text that is not a number reads 0, one past the int range the largest int).
chart::SeasonalStrengthValues ReadValueBoxes(const PageControls& controls);

// Writes "8" "5" "3" "2" "1" into the value boxes.
void InitializeValueBoxes(PageControls& controls);

// The spirit-star basis of the radios "年", "日", "年日".
chart::SpiritStarBasis ReadSpiritStarBasisRadios(const PageControls& controls);

// The annotation box, cut to 1,023 characters, line breaks kept.
chart::AnnotationText ReadAnnotationBox(const PageControls& controls);

}  // namespace shell
