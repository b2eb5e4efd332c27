#include <array>
#include <cstddef>
#include <string_view>

#include "interpretation/pattern_groups.h"
#include "interpretation/patterns_common.h"
#include "interpretation/text_pools.h"

// Patterns 23 to 30: 日貴格, 日德格, 建祿格, 歸祿格, 飛天祿馬格, 合祿格, 拱祿格, 拱貴格. A
// pattern's numbered requirements are functions r1, r2, ... in a namespace of its own.
namespace interpretation {
namespace {

using namespace notation;
using namespace notation::patterns;

// None of BR(時日), BR(月日), BR(日時), BR(日月), the relations of the day branch, is one of the
// words.
bool DayBranchFreeOf(PC c, std::initializer_list<std::wstring_view> words) {
  return !c.BR(時日).is(words) && !c.BR(月日).is(words) && !c.BR(日時).is(words) &&
         !c.BR(日月).is(words);
}

// None of SR(時日), SR(日時), SR(月日), SR(日月) is "剋".
bool DayStemUncontrolled(PC c) {
  return c.SR(時日) != L"剋" && c.SR(日時) != L"剋" && c.SR(月日) != L"剋" && c.SR(日月) != L"剋";
}

namespace day_noble {  // 日貴格

bool candidate(PC c) { return c.pillarIs(日, {L"癸卯", L"癸巳", L"丁酉", L"丁亥"}); }
bool relationsHold(PC c) { return DayStemUncontrolled(c) && DayBranchFreeOf(c, {L"刑", L"沖"}); }
bool isTrue(PC c) {
  return c.star(羊刃) == 0 && c.TG(偏官) == 0 && c.star(空亡) == 0 && c.star(魁罡) == 0 &&
         relationsHold(c);
}

}  // namespace day_noble

namespace day_virtue {  // 日德格

bool candidate(PC c) { return c.pillarIs(日, {L"壬戌", L"庚辰", L"丙辰", L"甲寅", L"戊辰"}); }
bool officerMeetsWealth(PC c) { return c.TG(正官) > 0 && c.TG(正財) + c.TG(偏財) >= 3; }
bool isTrue(PC c) {
  return !officerMeetsWealth(c) && DayStemUncontrolled(c) &&
         DayBranchFreeOf(c, {L"刑", L"沖", L"破", L"害"}) && c.star(魁罡) == 0 && c.star(空亡) == 0;
}

}  // namespace day_virtue

namespace month_salary {  // 建祿格 (a candidate when the month 祿 was counted into its true slot)

bool r1(PC c) { return c.stemTG(正官) > 0 || c.stemTG(偏財) > 0 || c.stemTG(正財) > 0; }
bool r2(PC c) { return c.combinationGroup != L"比"; }
bool r3(PC c) { return !c.W8(); }
bool r4(PC c) { return c.branch(月) == c.branch(日) || !c.BR(年月).joins(); }
bool r5(PC c) { return c.branch(月) == c.branch(年) || !c.BR(日月).joins(); }
bool r6(PC c) { return !(c.SR(日月) == L"剋" && c.SR(年月) == L"剋"); }
bool r7(PC c) {
  return !c.BR(日月).is({L"沖", L"破", L"害"}) && !c.BR(年月).is({L"沖", L"破", L"害"}) &&
         !c.BR(月日).is({L"沖", L"破", L"害"}) && !c.BR(月年).is({L"沖", L"破", L"害"});
}
bool isTrue(PC c) { return r1(c) && r2(c) && r3(c) && r4(c) && r5(c) && r6(c) && r7(c); }

}  // namespace month_salary

namespace hour_salary {  // 歸祿格 (a candidate when the hour 祿 was counted into its true slot)

bool isTrue(PC c) {
  return c.TG(正官) == 0 && c.TG(偏官) == 0 && DayBranchFreeOf(c, {L"刑", L"沖", L"破", L"害"});
}

}  // namespace hour_salary

namespace flying_salary {  // 飛天祿馬格

bool candidate(PC c) { return OneOf(c.stem(日), {庚, 壬}) && c.branchCount(子) >= 3; }
bool filled(PC c) { return c.branchCount(巳) + c.branchCount(丑) + c.branchCount(午) > 0; }

}  // namespace flying_salary

namespace joined_salary {  // 合祿格

bool candidate(PC c) { return OneOf(c.stem(日), {戊, 癸}) && c.pillarIs(時, {L"庚申"}); }
bool earthBroken(PC c) {
  return c.stem(日) == 戊 &&
         c.branchCount(巳) + c.stemCount(丙) + c.stemCount(乙) + c.stemCount(甲) > 0;
}
bool waterHolds(PC c) {
  return c.stemCount(戊) == 0 && c.stemCount(丙) == 0 && c.branchCount(寅) == 0 &&
         !OneOf(c.branch(月), {寅, 卯, 辰, 巳, 午});
}
bool waterBroken(PC c) { return c.stem(日) == 癸 && !waterHolds(c); }
bool isTrue(PC c) { return !earthBroken(c) && !waterBroken(c); }

}  // namespace joined_salary

// A day and hour pillar pair that encloses a branch between them: the branch that would fill
// the enclosed place and the branch that clashes it.
struct Enclosure {
  std::wstring_view day;
  std::wstring_view hour;
  Branch filling;
  Branch clashing;
};

// 拱祿格: each pair encloses the day master's 祿.
// day, hour, filling branch, clashing branch
constexpr auto kSalaryEnclosures = std::to_array<Enclosure>({
    {L"丁巳", L"丁未", 午, 子},
    {L"己未", L"己巳", 午, 子},
    {L"癸亥", L"癸丑", 子, 午},
    {L"戊辰", L"戊午", 巳, 亥},
});
static_assert(kSalaryEnclosures.size() == 4);

// 拱貴格: each pair encloses a 貴 branch.
// day, hour, filling branch, clashing branch
constexpr auto kNobleEnclosures = std::to_array<Enclosure>({
    {L"甲寅", L"甲子", 丑, 未},
    {L"壬辰", L"壬寅", 卯, 酉},
    {L"甲申", L"甲戌", 酉, 卯},
    {L"戊申", L"戊午", 未, 丑},
    {L"乙未", L"乙酉", 申, 寅},
    {L"辛丑", L"辛卯", 寅, 申},
});
static_assert(kNobleEnclosures.size() == 6);

bool IsPair(PC c, const Enclosure& e) {
  return c.pillarIs(日, {e.day}) && c.pillarIs(時, {e.hour});
}

template <const auto& table>
bool EnclosesBetweenDayAndHour(PC c) {
  for (const Enclosure& e : table) {
    if (IsPair(c, e)) {
      return true;
    }
  }
  return false;
}

// The pair of the table's row with its filling, or its clashing, branch among the branches.
template <const auto& table, std::size_t row>
bool FilledAt(PC c) {
  return IsPair(c, table[row]) && c.branchCount(table[row].filling) > 0;
}
template <const auto& table, std::size_t row>
bool ClashedAt(PC c) {
  return IsPair(c, table[row]) && c.branchCount(table[row].clashing) > 0;
}

// Requirement 1 of both: no 刑, 沖, 破, 害 or 合 at the day branch.
bool EnclosureRelationsHold(PC c) {
  return DayBranchFreeOf(c, {L"刑", L"沖", L"破", L"害"}) && !c.BR(時日).joins() &&
         !c.BR(月日).joins() && !c.BR(日時).joins() && !c.BR(日月).joins();
}

template <const auto& table>
bool EnclosureHolds(PC c) {
  for (const Enclosure& e : table) {
    if (IsPair(c, e) && (c.branchCount(e.filling) > 0 || c.branchCount(e.clashing) > 0)) {
      return false;
    }
  }
  return EnclosureRelationsHold(c);
}

}  // namespace

std::vector<PatternRecord> DayPillarAndSalaryPatterns() {
  std::vector<PatternRecord> patterns;

  // Quoted whole: the two source headings at their places; the verses under them are found in
  // no source.
  patterns.push_back({
      .pattern = 日貴格,
      .candidate = day_noble::candidate,
      .isTrue = day_noble::isTrue,
      .reasons =
          {
              {L" .存在羊刃", [](PC c) { return c.star(羊刃) > 0; }},
              {L" .存在偏官", [](PC c) { return c.TG(偏官) > 0; }},
              {L" .存在魁罡", [](PC c) { return c.star(魁罡) > 0; }},
              {L" .存在空亡", [](PC c) { return c.star(空亡) > 0; }},
              {L" .存在剋刑衝", Fails<day_noble::relationsHold>},
          },
      .verses = VersesOf(kPatternVerses, 日貴格.name,
                         {{1, L"<br>《星平會海全書》"}, {5, L"<br>《古歌》"}}),
  });

  patterns.push_back({
      .pattern = 日德格,
      .candidate = day_virtue::candidate,
      .isTrue = day_virtue::isTrue,
      .reasons =
          {
              {L" .存在魁罡", [](PC c) { return c.star(魁罡) > 0; }},
              {L" .存在空亡", [](PC c) { return c.star(空亡) > 0; }},
              {L" .官星切忌見財鄉", day_virtue::officerMeetsWealth},
              {L" .日天干存在剋", Fails<DayStemUncontrolled>},
              // Counted over the whole chart, and without the clashes written "沖".
              {L" .存在刑衝破害",
               [](PC c) {
                 return c.relations(害) + c.relations(破) + c.relations(刑) +
                            c.relations(branch衝) >
                        0;
               }},
          },
      .verses = VersesOf(kPatternVerses, 日德格.name,
                         {{1,
                           L"<br>壬戌庚辰日德官，甲寅戊丙要騎龍；運逢身旺心慈善，"
                           L"日德居多福自豐。"}}),
  });

  patterns.push_back({
      .pattern = 建祿格,
      .precounted = true,
      .isTrue = month_salary::isTrue,
      .reasons =
          {
              {L" .財官未透天", Fails<month_salary::r1>},
              {L" .方局致使身過強", Fails<month_salary::r2>},
              {L" .火遠多於水身易有疾或有大災", Fails<month_salary::r3>},
              {L" .月地支出現合", Fails<month_salary::r4>},
              {L" .月地支出現合", Fails<month_salary::r4>},
              {L" .月地支出現合", Fails<month_salary::r5>},
              {L" .年日同時剋月天干", Fails<month_salary::r6>},
              {L" .存在衝破害",
               [](PC c) {
                 return !DayBranchFreeOf(c, {L"沖", L"破", L"害"});
               }},
          },
      .verses = VersesOf(kPatternVerses, 建祿格.name,
                         {{1, L"<br>建祿生提月，財官喜透天；不宜身再旺，官地是良緣。"}}),
  });

  patterns.push_back({
      .pattern = 歸祿格,
      .precounted = true,
      .isTrue = hour_salary::isTrue,
      .reasons =
          {
              {L" .存在偏官", [](PC c) { return c.TG(偏官) > 0; }},
              {L" .存在正官", [](PC c) { return c.TG(正官) > 0; }},
              {L" .存在刑衝破害",
               [](PC c) {
                 return !DayBranchFreeOf(c, {L"刑", L"沖", L"破", L"害"});
               }},
          },
      .verses = VersesOf(kPatternVerses, 歸祿格.name,
                         {{1,
                           L"<br>歸祿逢財名利全，干頭不忌透財源；身強無破平生好，"
                           L"大怕行來遇比肩。"}}),
  });

  patterns.push_back({
      .pattern = 飛天祿馬格,
      .candidate = flying_salary::candidate,
      .isTrue = Fails<flying_salary::filled>,
      .reasons = {{L" .存在丑或巳或午", flying_salary::filled}},
      .verses = VersesOf(kPatternVerses, 飛天祿馬格.name,
                         {{1,
                           L"<br>庚壬日主重重子，倒沖祿馬號飛天；何如金水多清貴，"
                           L"運入南方慮有迍。"}}),
      .extraVerse = {[](PC c) { return c.女; },
                     L"<br>飛天祿馬井欄叉，女命逢之福不佳，只好為偏並作妓，有財方可享榮華。"},
  });

  patterns.push_back({
      .pattern = 合祿格,
      .candidate = joined_salary::candidate,
      .isTrue = joined_salary::isTrue,
      .reasons =
          {
              {L" .日天干為戊存在甲或乙或丙或巳", joined_salary::earthBroken},
              {L" .日天干為癸存在戊或丙或寅，或為春夏月生", joined_salary::waterBroken},
          },
      .verses = VersesOf(kPatternVerses, 合祿格.name,
                         {{1,
                           L"<br>戊日庚申時上逢，如無官印貴秋冬；甲丙卯寅兼巳字，"
                           L"四營歲破怕同宮。"}}),
  });

  patterns.push_back({
      .pattern = 拱祿格,
      .candidate = EnclosesBetweenDayAndHour<kSalaryEnclosures>,
      .isTrue = EnclosureHolds<kSalaryEnclosures>,
      .reasons =
          {
              {L" .地支存在午填實", FilledAt<kSalaryEnclosures, 0>},
              {L" .地支存在午填實", FilledAt<kSalaryEnclosures, 1>},
              {L" .地支存在子填實", FilledAt<kSalaryEnclosures, 2>},
              {L" .地支存在巳填實", FilledAt<kSalaryEnclosures, 3>},
              {L" .地支存在子衝了日時拱位", ClashedAt<kSalaryEnclosures, 0>},
              {L" .地支存在子衝了日時拱位", ClashedAt<kSalaryEnclosures, 1>},
              {L" .地支存在午衝了日時拱位", ClashedAt<kSalaryEnclosures, 2>},
              {L" .地支存在亥衝了日時拱位", ClashedAt<kSalaryEnclosures, 3>},
              {L" .存在刑衝破害", Fails<EnclosureRelationsHold>},
          },
      .verses = VersesOf(kPatternVerses, 拱祿格.name,
                         {{1,
                           L"<br>兩伴本身非是我，拱藏一位虛中好；不宜填實見官星，"
                           L"更忌官星當剋破。"}}),
  });

  patterns.push_back({
      .pattern = 拱貴格,
      .candidate = EnclosesBetweenDayAndHour<kNobleEnclosures>,
      .isTrue = EnclosureHolds<kNobleEnclosures>,
      .reasons =
          {
              {L" .地支存在丑填實", FilledAt<kNobleEnclosures, 0>},
              {L" .地支存在卯填實", FilledAt<kNobleEnclosures, 1>},
              {L" .地支存在酉填實", FilledAt<kNobleEnclosures, 2>},
              {L" .地支存在未填實", FilledAt<kNobleEnclosures, 3>},
              {L" .地支存在申填實", FilledAt<kNobleEnclosures, 4>},
              {L" .地支存在寅填實", FilledAt<kNobleEnclosures, 5>},
              {L" .地支存在未衝了日時拱位", ClashedAt<kNobleEnclosures, 0>},
              {L" .地支存在酉衝了日時拱位", ClashedAt<kNobleEnclosures, 1>},
              {L" .地支存在卯衝了日時拱位", ClashedAt<kNobleEnclosures, 2>},
              {L" .地支存在丑衝了日時拱位", ClashedAt<kNobleEnclosures, 3>},
              {L" .地支存在寅衝了日時拱位", ClashedAt<kNobleEnclosures, 4>},
              {L" .地支存在申衝了日時拱位", ClashedAt<kNobleEnclosures, 5>},
              {L" .存在刑衝破害", Fails<EnclosureRelationsHold>},
          },
      .verses = VersesOf(kPatternVerses, 拱貴格.name,
                         {{1,
                           L"<br>甲寅甲子拱辛官，壬辰壬寅拱貴看；日遇甲申時甲戌，"
                           L"戊申戊午桂生香。"}}),
  });

  return patterns;
}

}  // namespace interpretation
