#pragma once

// Test helper: the lunar dates of the independent day table of 1950-2050 (the engine's
// testdata/days.tsv, whose README names its source), keyed by the civil date.

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

class ReferenceDays {
 public:
  void Add(const std::string& date, std::string text) { texts_[date] = std::move(text); }
  bool empty() const { return texts_.empty(); }
  std::size_t size() const { return texts_.size(); }

  // "<year pillar turning at 立春> <lunar month>月<lunar day>" in UTF-8, e.g. "甲辰 正月初一",
  // or "(missing)" for a date outside the table.
  std::string LunarText(const std::string& date) const {
    const auto found = texts_.find(date);
    return found == texts_.end() ? "(missing)" : found->second;
  }

 private:
  std::map<std::string, std::string> texts_;
};

// Reads the table; empty when the file cannot be read.
inline ReferenceDays ReadReferenceDays() {
  ReferenceDays days;
  std::ifstream in(std::string(TAVREL_TESTDATA_DIR) + "/../../engine/testdata/days.tsv");
  std::string line;
  std::getline(in, line);  // header
  // date jd weekday day_pillar lunar_year lunar_month leap lunar_day year_pillar_new_year
  // year_pillar_lichun month_pillar term
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::istringstream fields(line);
    std::string cell;
    while (std::getline(fields, cell, '\t')) {
      cells.push_back(cell);
    }
    if (cells.size() < 10) {
      continue;
    }
    const int month = std::stoi(cells[5]);
    const int day = std::stoi(cells[7]);
    days.Add(cells[0], cells[9] + " " +
                           test_text::EncodeUtf8(vocabulary::kLunarMonthNames.at(month - 1)) +
                           "月" + test_text::EncodeUtf8(vocabulary::kLunarDayNames.at(day - 1)));
  }
  return days;
}

}  // namespace chart
