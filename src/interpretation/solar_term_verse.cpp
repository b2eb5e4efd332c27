#include "interpretation/solar_term_verse.h"

#include "interpretation/text_pools.h"

namespace interpretation {

std::wstring SolarTermVerse(const chart::FourPillarsChart& chart) {
  std::wstring text = L"《神峰通考》";
  if (chart.sectionTermName.empty()) {
    return text;
  }
  for (const PoolEntry& entry : kSolarTermVerses) {
    if (entry.keys[0] == chart.sectionTermName) {
      text += entry.text;
      break;
    }
  }
  return text;
}

}  // namespace interpretation
