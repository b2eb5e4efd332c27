#pragma once

#include <string>
#include <vector>

namespace vocabulary {

// The start-up name lists. Built during static initialisation and never changed; read them
// from code that runs after main() starts. Months begin with "正" here, unlike CalendarVocabulary.
extern const std::vector<std::wstring> kEarthlyBranches;               // 12, "子" first
extern const std::vector<std::wstring> kLunarDayNames;                 // 31, "初一" .. "卅一"
extern const std::vector<std::wstring> kLunarMonthNames;               // 12, "正" first
extern const std::vector<std::wstring> kSexagenaryNames;               // 60, "甲子" = 0
extern const std::vector<std::wstring> kMonthBranches;                 // 12, "寅" first
extern const std::vector<std::wstring> kSectionTermsByGregorianMonth;  // 12, "小寒" first
extern const std::vector<std::wstring> kSectionTermsByMonthBranch;     // 12, "立春" first
extern const std::vector<std::wstring> kMidTermsByGregorianMonth;      // 12, "冬至" first
extern const std::vector<std::wstring> kWeekdayNames;                  // 7, "日" = Sunday
extern const std::vector<std::wstring> kZodiacAnimals;                 // 12, "鼠" first

// Index 0..23 of a solar-term name counted from "立春" (even: section terms, odd: mid-terms),
// or -1. Whole-string match, no trimming or folding.
int LookupSolarTermIndex(const std::wstring& name);

// Index 0..11 of a branch name ("子" = 0), or -1.
int LookupBranchIndex(const std::wstring& name);

// Index 0..9 of a stem name ("甲" = 0), or -1.
int LookupStemIndex(const std::wstring& name);

}  // namespace vocabulary
