#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace almanac {

// A spirit-star name as the almanac's year, month and hour lists hold it: one display string,
// stored and compared whole. Alternate names stand inside it in ASCII parentheses, separated by
// a comma and a blank: "月建(兵福, 小時, 土府)" is one name, and so is "天德合, 月德合".
using SpiritStar = std::wstring;

// A list with a fixed number of slots, used from the front: its used part is the prefix up to
// the first empty slot, and appending writes the first empty slot. Never resized.
using SpiritStarList = std::vector<SpiritStar>;

inline constexpr std::size_t kYearListSlots = 12;    // yearAuspicious, yearInauspicious
inline constexpr std::size_t kMonthListSlots = 24;   // monthAuspicious, monthInauspicious
inline constexpr std::size_t kHourListSlots = 9;     // each hour's two lists
inline constexpr std::size_t kExtraMarkSlots = 6;    // extraMarks
inline constexpr std::size_t kVerdictSlots = 3;      // netVerdict, monthDayVerdict
inline constexpr std::size_t kDoubleHourCount = 12;  // 子 .. 亥

// The two spirit-star lists of one double-hour, kHourListSlots slots each.
struct HourSpiritLists {
  SpiritStarList hourAuspicious;
  SpiritStarList hourInauspicious;
};

// The record of one almanac day page. The page fills it section by section, in a fixed order,
// then writes the page from it. Every text starts empty and every list starts with all of its
// fixed slots empty; a section that has not run leaves its members empty.
struct AlmanacDay {
  AlmanacDay();
  ~AlmanacDay();

  // The date, the lunar date and the pillars, from the day record of the month calendar.
  std::wstring gregorianYearText;   // plain decimal
  std::wstring gregorianMonthText;  // 1..12, plain decimal
  std::wstring gregorianDayText;    // 1..31, no leading zero
  std::wstring lunarYearName;       // stem-branch name of the lunar year (from 正月初一)
  std::wstring lunarMonthName;      // "正" .. "十二", without the leap mark
  std::wstring lunarDayName;        // "初一" .. "三十"
  std::wstring monthSizeText;       // "大" for a lunar month of 30 days, else "小"
  std::wstring leapMark;            // "閏" in a leap month, else empty
  std::wstring weekdayName;         // "日" "一" .. "六"
  std::wstring yearAnimal;          // zodiac animal of yearBranch
  std::wstring signName;            // Western sign followed by "座"
  std::wstring yearStem;            // year pillar (the year that begins at 立春), first character
  std::wstring yearBranch;          // year pillar, second character
  std::wstring monthStem;
  std::wstring monthBranch;
  std::wstring dayStem;
  std::wstring dayBranch;

  // Day attributes (day_attributes.h).
  std::wstring nayin;         // NayinName of the day pillar
  std::wstring lunarMansion;  // LunarMansionOfDay
  std::wstring dayOfficer;    // DayOfficerName, "建" .. "閉"
  std::wstring nineStar;      // DayNineStarName, "一白" .. "九紫"
  std::wstring trigram;       // DayTrigramName

  // Activity scoring (activity_scoring.h: ScoreSuitableAndAvoid(AlmanacDay&)) writes these five
  // texts and slots 1 and 2 of netVerdict.
  std::wstring suitableText;      // 宜: positive suitable score
  std::wstring avoidText;         // 忌: negative avoid score
  std::wstring onlySuitableText;  // 只宜無忌
  std::wstring onlyAvoidText;     // 只忌無宜
  std::wstring bothText;          // 宜忌皆有
  // kVerdictSlots slots addressed by position: 1 net suitable, 2 net avoided, 0 stays empty.
  std::vector<std::wstring> netVerdict;
  // Month-and-day verdict (month_day_verdicts.h: ApplyMonthDayVerdicts), kVerdictSlots slots
  // addressed by position: 0 the 宜 phrase, 1 the 忌 phrase, 2 stays empty.
  std::vector<std::wstring> monthDayVerdict;

  std::wstring clashAnimal;   // SetClashAndSha: the animal the day clashes with (沖)
  std::wstring shaDirection;  // SetClashAndSha: direction of the day's sha (煞)

  // Terms: the section term and mid-term in force at the page's moment (switching at 12:00 of a
  // term's day), and the solar term whose moment falls on the date with "%02i:%02i:%02i".
  std::wstring currentSectionTerm;
  std::wstring currentMidTerm;
  std::wstring termName;
  std::wstring termTimeText;

  // Spirit-star lists, used from the front (see SpiritStarList). The year lists are filled by
  // year_spirit_stars.h, the month lists by stem_branch_spirit_stars.h and month_spirit_stars.h.
  SpiritStarList yearAuspicious;     // kYearListSlots: 年吉神
  SpiritStarList yearInauspicious;   // kYearListSlots: 年凶神
  SpiritStarList monthAuspicious;    // kMonthListSlots: 月吉神
  SpiritStarList monthInauspicious;  // kMonthListSlots: 月凶神

  // The twelve double-hours by hour branch, 子 = 0 .. 亥 = 11 (hour_spirits.h: the four
  // FindHour...By{Stem,Branch} finders, each appending to one list of one hour).
  std::array<HourSpiritLists, kDoubleHourCount> hours;

  SpiritStarList extraMarks;  // kExtraMarkSlots: folk day marks (month_spirit_stars.h)

  std::wstring otherNotes;  // the 其他擇日 line (month_day_verdicts.h: AddOtherSelectionNotes)
};

// The number of names in the used part of a list: the index of its first empty slot, or its
// size when no slot is empty.
std::size_t UsedSlotCount(const SpiritStarList& list);

// Appends names to a fixed-slot list the way every finder does: the first empty slot is found
// once, at construction, and each Append writes the next slot. A name that finds no slot left is
// dropped (no table of the almanac fills a list; debug builds assert it).
class SpiritStarAppender {
 public:
  explicit SpiritStarAppender(SpiritStarList& list);
  void Append(const SpiritStar& name);

 private:
  SpiritStarList& list_;
  std::size_t next_;
};

}  // namespace almanac
