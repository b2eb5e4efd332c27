#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace chart {

// Index orders shared by the chart record and the rules that read and write it. Stems are
// indexed 甲 0 .. 癸 9 and branches 子 0 .. 亥 11 wherever an array is "by stem" or "by branch".

// The five pillars of a chart, in the order of FourPillarsChart::pillars.
enum PillarIndex : int {
  kYearPillar = 0,
  kMonthPillar = 1,
  kDayPillar = 2,
  kHourPillar = 3,
  kLifePalacePillar = 4,
};
inline constexpr int kPillarCount = 5;

// The twelve ordered pairs of distinct pillars among year, month, day and hour, in the slot
// order of stemRelations and branchRelations; slot XY holds the relation of X (given first) to Y.
struct PillarPair {
  const wchar_t* name;  // the two pillar characters, e.g. L"日時"
  int first;            // PillarIndex of the pillar given first
  int second;           // PillarIndex of the other pillar
};
inline constexpr int kPillarPairCount = 12;
inline constexpr auto kPillarPairs = std::to_array<PillarPair>({
    // name     first        second
    {L"日時", kDayPillar, kHourPillar},
    {L"日月", kDayPillar, kMonthPillar},
    {L"月年", kMonthPillar, kYearPillar},
    {L"日年", kDayPillar, kYearPillar},
    {L"時日", kHourPillar, kDayPillar},
    {L"月日", kMonthPillar, kDayPillar},
    {L"年月", kYearPillar, kMonthPillar},
    {L"年日", kYearPillar, kDayPillar},
    {L"月時", kMonthPillar, kHourPillar},
    {L"時月", kHourPillar, kMonthPillar},
    {L"年時", kYearPillar, kHourPillar},
    {L"時年", kHourPillar, kYearPillar},
});
static_assert(kPillarPairs.size() == kPillarPairCount);

// The ten gods in the count order of tenGodCounts, stemTenGodCounts, stemTenGodCountsByPillar,
// hiddenTenGodCounts and hiddenTenGodCountsByBranch (and of the ten-god index of TenGodOf).
enum TenGodCountSlot : int {
  kCountBiJian = 0,     // 比肩
  kCountJieCai = 1,     // 劫財
  kCountShiShen = 2,    // 食神
  kCountShangGuan = 3,  // 傷官
  kCountPianCai = 4,    // 偏財
  kCountZhengCai = 5,   // 正財
  kCountPianGuan = 6,   // 偏官
  kCountZhengGuan = 7,  // 正官
  kCountPianYin = 8,    // 偏印
  kCountZhengYin = 9,   // 正印
};
inline constexpr auto kTenGodCountOrder = std::to_array<const wchar_t*>(
    {L"比肩", L"劫財", L"食神", L"傷官", L"偏財", L"正財", L"偏官", L"正官", L"偏印", L"正印"});
static_assert(kTenGodCountOrder.size() == 10);

// The ten gods in the weight order of tenGodWeights: the seal pair at 4 and 5 and the wealth
// pair at 8 and 9, so that 0+1, 4+5, 2+3, 6+7 and 8+9 are the self, input, output, authority
// and wealth pairs.
enum TenGodWeightSlot : int {
  kWeightBiJian = 0,     // 比肩
  kWeightJieCai = 1,     // 劫財
  kWeightShiShen = 2,    // 食神
  kWeightShangGuan = 3,  // 傷官
  kWeightPianYin = 4,    // 偏印
  kWeightZhengYin = 5,   // 正印
  kWeightPianGuan = 6,   // 偏官
  kWeightZhengGuan = 7,  // 正官
  kWeightPianCai = 8,    // 偏財
  kWeightZhengCai = 9,   // 正財
};
inline constexpr auto kTenGodWeightOrder = std::to_array<const wchar_t*>(
    {L"比肩", L"劫財", L"食神", L"傷官", L"偏印", L"正印", L"偏官", L"正官", L"偏財", L"正財"});
static_assert(kTenGodWeightOrder.size() == 10);

// Index 0..N-1 of a name in a list of names, compared whole; -1 for any other text, the empty
// text included (so the empty entries of a list are never found).
template <std::size_t N>
int NameIndex(const std::array<const wchar_t*, N>& names, const std::wstring& name) {
  if (name.empty()) {
    return -1;
  }
  // The first characters decide most comparisons without measuring the literal.
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i][0] == name[0] && name == names[i]) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// Slot 0..9 of a ten-god name in the count order or the weight order; -1 for any other text.
int TenGodCountSlotOf(const std::wstring& tenGod);
int TenGodWeightSlotOf(const std::wstring& tenGod);

// relationCounts by slot.
enum RelationCountSlot : int {
  kStemOvercomings = 0,     // stems 剋
  kStemCombinations = 1,    // stems 合
  kBranchClashes衝 = 2,     // branch clashes written "衝"
  kBranchClashes沖 = 3,     // branch clashes written "沖", counted apart
  kBranchCombinations = 4,  // branches 合
  kBranchPunishments = 5,   // 刑
  kRelationUnused = 6,      // written by no rule, always 0
  kBranchBreaks = 7,        // 破
  kBranchHarms = 8,         // 害
};
inline constexpr int kRelationCountSlots = 9;

// elementCombinationCounts: three runs of five elements in the order 金 木 水 火 土: every
// combination from 0, stem combinations from 5, branch combinations from 10.
inline constexpr auto kCombinationElementOrder =
    std::to_array<const wchar_t*>({L"金", L"木", L"水", L"火", L"土"});
static_assert(kCombinationElementOrder.size() == 5);
inline constexpr int kAllCombinationsBase = 0;
inline constexpr int kStemCombinationsBase = 5;
inline constexpr int kBranchCombinationsBase = 10;

// Element orders of the other element-indexed members.
inline constexpr auto kThreeHarmonyOrder =
    std::to_array<const wchar_t*>({L"水", L"木", L"火", L"金", L"土"});
static_assert(kThreeHarmonyOrder.size() == 5);
inline constexpr auto kDirectionOrder = std::to_array<const wchar_t*>({L"水", L"木", L"火", L"金"});
static_assert(kDirectionOrder.size() == 4);
inline constexpr auto kNayinCountOrder =
    std::to_array<const wchar_t*>({L"木", L"火", L"土", L"金", L"水"});
static_assert(kNayinCountOrder.size() == 5);
// seasonalElements and SeasonalStrengthValues: the states in this order.
inline constexpr auto kSeasonalStateOrder =
    std::to_array<const wchar_t*>({L"旺", L"相", L"休", L"囚", L"死"});
static_assert(kSeasonalStateOrder.size() == 5);

// starCounts: one counter per spirit star. Names in double quotes in the comments are the
// literals the star rules append to a pillar's starNames; slots marked "no rule" stay 0 unless
// the interpretation sets them.
enum StarSlot : int {
  kStar魁罡 = 0,
  kStar金神 = 1,  // no rule
  kStar進神 = 2,
  kStar六秀 = 3,
  kStar文昌 = 4,
  kStar天赦 = 5,
  kStar日德 = 6,
  kStar日貴 = 7,
  kStarUnused8 = 8,
  kStar將星 = 9,
  kStar驛馬 = 10,
  kStar孤神 = 11,
  kStar喪門 = 12,
  kStar華蓋 = 13,
  kStar劫煞 = 14,
  kStar太白 = 15,
  kStar桃煞 = 16,
  kStar正桃 = 17,
  kStar血支 = 18,
  kStar寡宿 = 19,
  kStar弔客 = 20,
  kStar災煞 = 21,
  kStar勾絞 = 22,
  kStar卷舌 = 23,
  kStar伏吟 = 24,
  kStar返呤 = 25,
  kStar元辰 = 26,
  kStar破軍 = 27,
  kStar祿元 = 28,
  kStar天乙貴人 = 29,  // no rule
  kStar羊刃 = 30,
  kStar學堂 = 31,
  kStar紅艷 = 32,
  kStar流霞 = 33,
  kStar飛刃 = 34,
  kStar金輿 = 35,
  kStarUnused36 = 36,
  kStar福星 = 37,
  kStarUnused38 = 38,
  kStar太極 = 39,  // no rule
  kStar天德 = 40,
  kStar月德 = 41,
  kStar血刃 = 42,
  kStar陽貴 = 43,
  kStar陰貴 = 44,
  kStar天上三奇 = 45,  // set by the interpretation
  kStar地下三奇 = 46,  // set by the interpretation
  kStar人中三奇 = 47,  // set by the interpretation
  kStar桃花煞 = 48,    // no rule: the rules count "桃煞" into slot 16
  kStar空亡 = 49,
  kStar隔角 = 50,
  kStar八專 = 51,
  kStar九醜 = 52,
  kStar陰陽 = 53,
  kStar孤寡 = 54,
  kStar差錯 = 55,
  kStar天刑 = 56,       // set by the interpretation
  kStar雷霆 = 57,       // set by the interpretation
  kStar戟鋒 = 58,       // set by the interpretation
  kStar病符 = 59,       // set by the interpretation
  kStar死符 = 60,       // set by the interpretation
  kStar官符 = 61,       // set by the interpretation
  kStarUnnamed62 = 62,  // no rule; summed with the inauspicious stars
  kStar自縊 = 63,       // set by the interpretation
  kStar天屠 = 64,       // set by the interpretation
  kStar惡敗 = 65,
};
inline constexpr int kStarSlotCount = 66;

// The star of each starCounts slot; empty for the unused slots 8, 36, 38 and 62.
extern const std::array<const wchar_t*, kStarSlotCount> kStarCountNames;

// Slot 0..65 of a star name in starCounts, or -1 (also for the empty text).
int StarSlotOf(const std::wstring& starName);

// Slot counts of the pillar lists and of the patterns.
inline constexpr int kHiddenStemSlots = 3;
inline constexpr int kStarNameSlots = 12;
inline constexpr int kLuckCycles = 10;
inline constexpr int kPatternSlots = 70;

// A list of 10 lists of 3 texts: hidden stems or their ten gods of the ten luck cycles.
using TenByThreeStringGrid = std::vector<std::vector<std::wstring>>;

// A new 10 x 3 grid of empty texts.
TenByThreeStringGrid MakeTenByThreeStringGrid();

// One pillar of a chart. The lists are used from the front: the used part ends at the first
// empty entry.
struct ChartPillar {
  std::wstring stem;        // "甲" .. "癸", empty until set
  std::wstring stemTenGod;  // ten god of the stem to the day stem; stays empty in the day pillar
  std::wstring branch;      // "子" .. "亥"
  std::wstring stage;       // twelve-stage word of the day stem at this branch ("長生" .. "養")
  std::vector<std::wstring> hiddenStems = std::vector<std::wstring>(kHiddenStemSlots);
  std::vector<std::wstring> hiddenTenGods = std::vector<std::wstring>(kHiddenStemSlots);
  // Spirit stars found at this pillar: 12 slots, appended at the first empty one. A pillar can
  // collect more than 12 (see AppendStarName); the list then grows and keeps every name.
  std::vector<std::wstring> starNames = std::vector<std::wstring>(kStarNameSlots);
};

// Appends a star name at the first empty slot of a pillar's starNames, or at a new slot at the
// end when all are used, so no name is lost. An empty name appends nothing.
void AppendStarName(std::vector<std::wstring>& starNames, const std::wstring& name);

// The record of one four-pillars chart: the inputs as text, the five pillars, terms, luck data,
// relations, counters, weights, seasonal elements and the interpretation. Created empty on the
// heap by the entry that fills it (NewFourPillarsChart), handed with ownership to the chart page,
// released with DeleteFourPillarsChart. Every int starts at 0, every double at 0.0, every text
// empty; every counter and weight is only ever added to, once per chart.
struct FourPillarsChart {
  int trueSolarHour = 0;  // hour 0..24 of the true solar time (24 within 0.5 s of midnight)
  std::wstring personName;
  std::wstring sexText;            // "男" or "女" from the pages, any text from the command line
  std::wstring yinYangText;        // "陽" or "陰": the year stem in force
  std::wstring yearText;           // decimal Gregorian birth year
  std::wstring lunarYearText;      // the year pillar of the birth moment (turning at 立春)
  std::wstring lunarMonthText;     // "正" .. "十二", no leap mark
  std::wstring lunarDayText;       // "初一" ..
  std::wstring lunarHourText;      // the hour branch as printed before "時"
  std::wstring zodiacText;         // animal of the year branch
  std::wstring trueSolarTimeText;  // "%02i:%02i:%02i"
  std::wstring interpretationHtml;
  std::wstring commandingStem;                               // the stem commanding the birth month
  std::array<ChartPillar, kPillarCount> pillars;             // by PillarIndex
  std::array<std::wstring, kPillarPairCount> stemRelations;  // by kPillarPairs slot
  std::array<std::wstring, kPillarPairCount> branchRelations;  // by kPillarPairs slot
  std::array<int, kRelationCountSlots> relationCounts{};       // by RelationCountSlot
  std::array<int, 5> threeHarmonyFlags{};                      // kThreeHarmonyOrder
  std::array<std::wstring, 4> frameMarkers;      // per pillar year .. hour: "水局" etc.
  std::array<int, 4> directionFlags{};           // kDirectionOrder
  std::array<std::wstring, 4> directionMarkers;  // per pillar year .. hour: "水方" etc.
  int hasDirection = 0;
  int hasFrame = 0;
  std::wstring directionElement;
  std::wstring frameElement;
  int transformationCount = 0;                     // 1 once any two stems combine (從化), else 0
  int transformationEntered = 0;                   // transformation pattern entered
  std::array<int, 15> elementCombinationCounts{};  // three runs of kCombinationElementOrder
  std::wstring sectionTermName;  // section term (節) opening the month pillar's month, "立春"
  std::wstring midTermName;      // latest mid-term (中氣) before the birth
  std::array<std::wstring, 5> seasonalElements;  // element in each state, kSeasonalStateOrder
  int dayMasterStrengthValue = 0;
  // Nayin element of the year, month, day, hour and life-palace pillars at 1..5; 0 unused.
  std::array<std::wstring, 6> nayinElements;
  std::array<int, 5> nayinElementCounts{};  // kNayinCountOrder
  std::array<int, 10> allStemCounts{};      // by stem: four stems and all hidden stems
  std::array<int, 10> stemWeights{};        // by stem
  std::array<int, 10> tenGodWeights{};      // TenGodWeightSlot
  int supportWeight = 0;
  int drainWeight = 0;
  int fireWeight = 0;
  int waterWeight = 0;
  int woodFireWeight = 0;
  int metalWaterWeight = 0;
  // Heaviest stem, heaviest ten god, second stem, second ten god, [4] not written, third ten god.
  std::array<std::wstring, 6> heaviest;
  std::array<int, 10> stemCounts{};        // by stem: the four pillar stems
  std::array<int, 10> hiddenStemCounts{};  // by stem: hidden stems of the four branches
  std::array<std::array<int, 10>, 4> hiddenStemCountsByBranch{};  // [year..hour][stem]
  std::array<int, 12> branchCounts{};                             // by branch
  std::array<int, 10> tenGodCounts{};                             // TenGodCountSlot
  std::array<int, 10> stemTenGodCounts{};                         // year, month, hour stems
  std::array<std::array<int, 10>, 3> stemTenGodCountsByPillar{};  // [year, month, hour][god]
  std::array<int, 10> hiddenTenGodCounts{};
  std::array<std::array<int, 10>, 4> hiddenTenGodCountsByBranch{};  // [year..hour][god]
  std::array<int, kStarSlotCount> starCounts{};                     // StarSlot
  std::array<int, kPatternSlots> truePatternFlags{};
  std::array<int, kPatternSlots> candidatePatternFlags{};
  int truePatternCount = 0;
  int candidatePatternCount = 0;
  std::wstring truePatternList;  // "、" and the name of each pattern truly entered
  int yangCount = 0;
  int yinCount = 0;
  int yearAdvanced = 0;  // 1 when the winter-solstice year change moved the year pillar on
  std::wstring luckStartText;
  double luckStartDays = 0.0;         // days from the birth to the section term starting luck
  double daysSinceSectionTerm = 0.0;  // days from the section term in force to the birth
  std::vector<std::wstring> luckAges = std::vector<std::wstring>(kLuckCycles);
  std::vector<std::wstring> luckStems = std::vector<std::wstring>(kLuckCycles);
  std::vector<std::wstring> luckStemTenGods = std::vector<std::wstring>(kLuckCycles);
  std::vector<std::wstring> luckBranches = std::vector<std::wstring>(kLuckCycles);
  TenByThreeStringGrid luckHiddenStems = MakeTenByThreeStringGrid();
  TenByThreeStringGrid luckHiddenTenGods = MakeTenByThreeStringGrid();
};

// A new chart on the heap, every member in its initial state.
std::unique_ptr<FourPillarsChart> NewFourPillarsChart();

// Destroys the chart's texts, lists and grids in the reverse of their declared order, leaving
// them empty (lists of no entries); the numbers and the record itself are untouched.
void DestroyFourPillarsChart(FourPillarsChart& chart);

// Releases a chart: DestroyFourPillarsChart, then frees the record. The pointer is null after.
void DeleteFourPillarsChart(std::unique_ptr<FourPillarsChart>& chart);

}  // namespace chart
