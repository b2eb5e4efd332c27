#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The keyed pools of classical text that the interpretation quotes. Each pool is a data file in
// data/ (key columns, origin, text), turned into a constant table at build time by
// tools/generate_text_pools.py; nothing is read at run time. Entries stand in the order given
// with each pool, and every text is kept exactly as stored: empty entries, inner blanks and
// full-width punctuation included, with its own leading "<br>" where it has one.
namespace interpretation {

// Where an entry's text comes from (the `origin` column of the data files).
enum class TextOrigin : int {
  kFixed,          // the program's own wording of the entry, kept byte for byte
  kSource,         // taken from a classical source named in data/README.md
  kRequiredEmpty,  // an entry that has no text in the program's edition
  kNotFound,       // no source found yet: empty, or only the key prefix the passage opens with
};

// One entry: its key columns (unused ones empty), origin and text.
struct PoolEntry {
  std::array<std::wstring_view, 3> keys;
  TextOrigin origin;
  std::wstring_view text;
};

// True for the entries whose text comes from the program's wording or a source.
constexpr bool IsFilled(const PoolEntry& entry) {
  return entry.origin == TextOrigin::kFixed || entry.origin == TextOrigin::kSource;
}

inline constexpr std::size_t kStemCount = 10;
inline constexpr std::size_t kBranchCount = 12;
inline constexpr std::size_t kElementCount = 5;

// The verse line of each of the twelve section terms, keyed (section term), from 立春 to 小寒.
extern const std::array<PoolEntry, 12> kSolarTermVerses;

// 金不換骨髓歌: a verse and its paraphrase per (day stem, month branch), entry
// stem × 12 + branch (甲 0 .. 癸 9, 子 0 .. 亥 11).
extern const std::array<PoolEntry, kStemCount * kBranchCount> kBoneMarrowVerses;
extern const std::array<PoolEntry, kStemCount * kBranchCount> kBoneMarrowParaphrases;

// 三命通會 論五行: a passage per (element, season), entry element × 4 + season (木 火 土 金 水;
// 春 夏 秋 冬), each ending with "<br>"; and the month passages, keyed (element, the lunar month
// names of the group separated by blanks, or "子丑" for an element's winter passage).
extern const std::array<PoolEntry, kElementCount * 4> kElementSeasonPassages;
extern const std::array<PoolEntry, 38> kElementMonthPassages;

// 淵海子平 論性情: the nature of each element, keyed (element) in the order 木 火 土 金 水.
extern const std::array<PoolEntry, kElementCount> kElementNatures;

// 相心賦: the preamble (row "0") and the 21 sentences chosen by the chart (rows "1" .. "21").
extern const std::array<PoolEntry, 22> kPhysiognomySentences;

// 八字提要: a passage per (month branch, day stem, hour branch), entry m × 120 + s × 12 + h.
extern const std::array<PoolEntry, kBranchCount * kStemCount * kBranchCount> kChartSummaryPassages;

// 三命通會: the month-command passages keyed (month branch, the day stems of the group, e.g.
// "甲乙"); the three passages of each (day stem, hour branch), entry (s × 12 + h) × 3 + n − 1 for
// passage n = 1 .. 3; and the passage of each (day pillar, hour branch), entry p × 12 + h with p
// the pillar's place 0 .. 59 in the sexagenary cycle.
extern const std::array<PoolEntry, 75> kMonthCommandPassages;
extern const std::array<PoolEntry, kStemCount * kBranchCount * 3> kDayStemHourPassages;
extern const std::array<PoolEntry, 60 * kBranchCount> kDayPillarHourPassages;

// The passages of the spirit-star explanations, keyed (block 1 .. 57, the star or star set the
// block explains, passage 1 ..), in the order of the blocks; each first passage of a block opens
// with "<br>".
extern const std::array<PoolEntry, 97> kSpiritStarPassages;

// The sentences of the classics judgement longer than 40 characters, keyed (the book's header,
// the sentence's number in its book).
extern const std::array<PoolEntry, 7> kClassicsLongSentences;

// The verses of the chart patterns found in the sources, keyed (pattern name, verse number), in
// the order of the sources' sections; a pattern's record takes the ones it uses with VersesOf.
extern const std::array<PoolEntry, 171> kPatternVerses;

}  // namespace interpretation
