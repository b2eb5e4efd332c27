#include "interpretation/pattern_groups.h"
#include "interpretation/patterns_common.h"
#include "interpretation/text_pools.h"

// Patterns 15 to 22: 陽刃格, 羊刃比肩格, 七煞羊刃格, 日刃格, 刑合格, 倒衝格, 金神格, 魁罡格. A
// pattern's numbered requirements are functions r1, r2, ... in a namespace of its own.
namespace interpretation {
namespace {

using namespace notation;
using namespace notation::patterns;

// The blade counts: entries "羊刃" in a pillar's star list.
int BladesAt(PC c, Pillar p) { return c.listed(p, 羊刃); }

namespace month_blade {  // 陽刃格 (a candidate when the month 刃 was counted into its true slot)

bool r1(PC c) {
  return c.stemTG(正官) > 0 || c.stemTG(偏官) > 0 || c.stemTG(偏財) > 0 || c.stemTG(正財) > 0;
}
bool r2(PC c) { return !(c.star(返呤) >= 2 && c.star(空亡) >= 2 && c.star(魁罡) > 0); }
bool r3(PC c) {
  return SealWealthPairsNextToEachOther(c) == 0 && !YearMonthStemsAre<正財, 劫財>(c) &&
         !YearMonthStemsAre<劫財, 正財>(c) && !YearMonthStemsAre<偏財, 比肩>(c) &&
         !YearMonthStemsAre<比肩, 偏財>(c);
}
bool r4(PC c) { return c.combinationGroup != L"比"; }
bool r5(PC c) { return !c.W8(); }
// Requirement 6 without its 合 conditions: no 刑, 沖, 破 or 害 around the month.
bool noPunishmentClashBreakOrHarm(PC c) {
  return !c.BR(日月).is({L"刑", L"沖"}) && !c.BR(月日).is({L"刑", L"沖"}) &&
         !c.BR(年月).is({L"刑", L"沖"}) && !c.BR(月年).is({L"刑", L"沖"}) &&
         !c.BR(日月).is({L"破", L"害"}) && !c.BR(年月).is({L"破", L"害"});
}
bool r6(PC c) {
  return !c.BR(年月).joins() && !c.BR(日月).joins() && noPunishmentClashBreakOrHarm(c);
}
bool isTrue(PC c) { return r1(c) && r2(c) && r3(c) && r4(c) && r5(c) && r6(c); }

}  // namespace month_blade

namespace blade_peer {  // 羊刃比肩格

bool candidate(PC c) { return c.TG(比肩) > 0 && c.star(羊刃) > 0; }
bool r1(PC c) { return c.TG(偏官) + c.TG(傷官) <= 1; }
bool r2(PC c) { return c.TG(正印) + c.TG(偏印) <= 2; }
bool r3(PC c) { return c.stemTG(比肩) == 0; }
bool r4(PC c) { return c.hiddenTG(月, 比肩) > 0; }
// A blade that stands unclashed, tried at the year, the month and the day.
bool r5(PC c) {
  return (BladesAt(c, 年) > 0 && c.BR(月年) != L"沖") ||
         (BladesAt(c, 月) > 0 && c.BR(年月) != L"沖" && c.BR(日月) != L"沖") ||
         (BladesAt(c, 日) > 0 && c.BR(時日) != L"沖" && c.BR(日時) != L"沖");
}
bool isTrue(PC c) { return r1(c) && r2(c) && r3(c) && r4(c) && r5(c); }

}  // namespace blade_peer

namespace killing_blade {  // 七煞羊刃格

bool candidate(PC c) { return c.TG(偏官) > 0 && c.star(羊刃) > 0; }
bool r1(PC c) { return c.stemTG(正財) == 0 && c.stemTG(偏財) == 0; }
bool r2(PC c) { return c.TG(比肩) >= c.TG(偏財) && c.TG(劫財) >= c.TG(正財); }
bool r3(PC c) { return BladesAt(c, 月) > 0; }
bool r4(PC c) { return c.hiddenTG(月, 劫財) > 0; }
bool r5(PC c) { return c.branch(月) == c.branch(日) || !c.BR(年月).joins(); }
bool r6(PC c) {
  return c.branch(月) == c.branch(年) || c.branch(日) == c.branch(時) || !c.BR(日月).joins();
}
bool r7(PC c) {
  return c.BR(月日) != L"沖" && c.BR(月年) != L"沖" && !c.BR(日月).is({L"破", L"害"}) &&
         !c.BR(年月).is({L"破", L"害"});
}
bool isTrue(PC c) { return r1(c) && r2(c) && r3(c) && r4(c) && r5(c) && r6(c) && r7(c); }
// A blade at the pillar whose branch hides a wealth.
template <Pillar p>
bool wealthUnderBlade(PC c) {
  return BladesAt(c, p) > 0 && c.hiddenTG(p, 財) > 0;
}

}  // namespace killing_blade

namespace day_blade {  // 日刃格

bool candidate(PC c) { return c.pillarIs(日, {L"戊午", L"丙午", L"壬子"}); }
bool noZiBesideWu(PC c) { return c.branch(日) == 午 && c.branchCount(子) > 0; }
bool noWuBesideZi(PC c) { return c.branch(日) == 子 && c.branchCount(午) > 0; }
bool r1(PC c) {
  return (c.branch(日) == 午 && c.branchCount(子) == 0) ||
         (c.branch(日) == 子 && c.branchCount(午) == 0);
}
bool r2(PC c) { return c.TG(正財) == 0; }
bool r3(PC c) { return c.star(魁罡) == 0; }
bool r4(PC c) { return c.TG(正官) + c.TG(偏官) > 0; }
bool r5(PC c) {
  return c.stemTG(年, 傷官) + c.stemTG(年, 劫財) + c.hiddenTG(年, 傷官) + c.hiddenTG(年, 劫財) == 0;
}
bool r6(PC c) { return c.star(伏吟) == 0 && c.star(返呤) == 0; }
bool r7(PC c) { return c.hasFrame() == 0; }
// A further requirement that no 午 stands among the branches would shut out the 戊午 and 丙午
// days that requirement 1 and the first reason let enter; it is not part of the test.
bool isTrue(PC c) { return r1(c) && r2(c) && r3(c) && r4(c) && r5(c) && r6(c) && r7(c); }

}  // namespace day_blade

namespace punishment_join {  // 刑合格

bool candidate(PC c) { return c.stem(日) == 癸 && c.pillarIs(時, {L"甲寅"}); }
bool stemsPresent(PC c) { return c.stemCount(庚) + c.stemCount(戊) + c.stemCount(己) > 0; }
bool branchesPresent(PC c) { return c.branchCount(申) > 0 || c.branchCount(巳) > 0; }
bool isTrue(PC c) { return !stemsPresent(c) && !branchesPresent(c); }

}  // namespace punishment_join

namespace reverse_clash {  // 倒衝格

bool candidate(PC c) {
  return (c.pillarIs(日, {L"丙午"}) && c.branchCount(未) == 0) || c.pillarIs(日, {L"戊午"}) ||
         (c.pillarIs(日, {L"丁巳"}) && c.branchCount(辰) == 0);
}
bool noWater(PC c) { return c.allStemCount(壬) == 0 && c.allStemCount(癸) == 0; }
bool r1(PC c) {
  switch (c.stem(日)) {
    case 丙:
      return noWater(c) && c.branchCount(未) == 0;
    case 戊:
      return noWater(c);
    case 丁:
      return noWater(c) && c.branchCount(辰) == 0;
    default:
      return false;
  }
}
bool officersFill(PC c) {
  return OneOf(c.stem(日), {丙, 丁}) && (c.TG(正官) > 0 || c.TG(偏官) > 0);
}
bool wealthFills(PC c) { return c.stem(日) == 戊 && (c.TG(正財) > 0 || c.TG(偏財) > 0); }
bool r2(PC c) { return !officersFill(c) && !wealthFills(c); }
bool r3(PC c) {
  return c.BR(月日) != L"沖" && c.BR(月年) != L"沖" && !c.BR(日月).is({L"破", L"害"}) &&
         !c.BR(年月).is({L"破", L"害"}) && !c.BR(日月).joins() && !c.BR(年月).joins();
}
bool isTrue(PC c) { return r1(c) && r2(c) && r3(c); }

}  // namespace reverse_clash

namespace metal_spirit {  // 金神格

bool candidate(PC c) {
  return OneOf(c.stem(日), {甲, 乙}) && c.pillarIs(時, {L"癸酉", L"乙丑", L"己巳"});
}
bool r1(PC c) {
  return c.allStemCount(丙) + c.allStemCount(丁) - c.allStemCount(壬) - c.allStemCount(癸) >= 2;
}
bool isTrue(PC c) { return r1(c) && c.TG(偏官) > 0 && c.star(羊刃) > 0; }

}  // namespace metal_spirit

namespace kuigang {  // 魁罡格

bool dayKuigang(PC c) { return c.lists(日, 魁罡); }
// The 魁罡 of the day pillar and of the other pillars on the day's branch.
int kuigangCount(PC c) {
  int count = c.listed(日, 魁罡);
  for (Pillar p : {年, 月, 時}) {
    if (c.branch(p) == c.branch(日)) {
      count += c.listed(p, 魁罡);
    }
  }
  return count;
}
bool r2(PC c) { return c.DM >= c.v旺; }
bool r3(PC c) { return !c.BR(月日).joins() && !c.BR(時日).joins(); }
bool clashed(PC c) {
  return c.BR(月日).is({L"衝", L"沖", L"破", L"害"}) || c.BR(時日).is({L"衝", L"沖", L"破", L"害"});
}
bool r4(PC c) { return kuigangCount(c) >= 2 || !clashed(c); }
bool isTrue(PC c) { return dayKuigang(c) && r2(c) && r3(c) && r4(c); }

}  // namespace kuigang

}  // namespace

std::vector<PatternRecord> BladeAndClashPatterns() {
  std::vector<PatternRecord> patterns;

  patterns.push_back({
      .pattern = 陽刃格,
      .precounted = true,
      .isTrue = month_blade::isTrue,
      .reasons =
          {
              {L" .財官未透天", Fails<month_blade::r1>},
              {L" .併見返呤空亡與魁罡", Fails<month_blade::r2>},
              {L" .年月天干印財併鄰", YearMonthStemsAre<偏財, 偏印>},
              {L" .年月天干印財併鄰", YearMonthStemsAre<偏印, 偏財>},
              {L" .年月天干印財併鄰", YearMonthStemsAre<正財, 正印>},
              {L" .年月天干印財併鄰", YearMonthStemsAre<正印, 正財>},
              {L" .年月天干劫財剋正財", YearMonthStemsAre<正財, 劫財>},
              {L" .年月天干劫財剋正財", YearMonthStemsAre<劫財, 正財>},
              {L" .年月天干比肩剋偏財", YearMonthStemsAre<偏財, 比肩>},
              {L" .年月天干比肩剋偏財", YearMonthStemsAre<比肩, 偏財>},
              {L" .方局致使身過強", Fails<month_blade::r4>},
              {L" .火遠多於水身易有疾或有大災", Fails<month_blade::r5>},
              // The labels name the pairs otherwise than the relations they read; kept as written.
              {L" .月日地支出現合", [](PC c) { return c.BR(年月).joins(); }},
              {L" .月年地支出現合", [](PC c) { return c.BR(日月).joins(); }},
              {L" .存在刑衝破害", Fails<month_blade::noPunishmentClashBreakOrHarm>},
          },
      .verses = VersesOf(kPatternVerses, 陽刃格.name,
                         {{1,
                           L"<br>羊刃嫌衝合歲君，流年遇此此災迍；三刑七煞如交遇，"
                           L"必定閻王出引尋。"}}),
  });

  patterns.push_back({
      .pattern = 羊刃比肩格,
      .candidate = blade_peer::candidate,
      .isTrue = blade_peer::isTrue,
      .reasons =
          {
              {L" .月地支干藏要有比肩", Fails<blade_peer::r4>},
              {L" .七煞傷官為禍", Fails<blade_peer::r1>},
              {L" .印為患", Fails<blade_peer::r2>},
              {L" .不宜比肩天邊露運至重逢反又凶", Fails<blade_peer::r3>},
              {L" .存在衝", Fails<blade_peer::r5>},
          },
      .verses = VersesOf(kPatternVerses, 羊刃比肩格.name,
                         {{1,
                           L"<br>傷官不忌比相逢，七煞無根理亦同；若忌無根只忌比，"
                           L"身強遇比劫嫌重。"}}),
  });

  patterns.push_back({
      .pattern = 七煞羊刃格,
      .candidate = killing_blade::candidate,
      .isTrue = killing_blade::isTrue,
      .reasons =
          {
              {L" .若見財星禍百端", [](PC c) { return c.TG(比肩) < c.TG(偏財); }},
              {L" .若見財星禍百端", [](PC c) { return c.TG(劫財) < c.TG(正財); }},
              {L" .月地支應該要存在劫財不是比肩", Fails<killing_blade::r4>},
              {L" .天干存在正財", [](PC c) { return c.stemTG(正財) > 0; }},
              {L" .羊刃須出現在月支", Fails<killing_blade::r3>},
              {L" .天干存在偏財", [](PC c) { return c.stemTG(偏財) > 0; }},
              {L" .年支存在財", killing_blade::wealthUnderBlade<年>},
              {L" .月支存在財", killing_blade::wealthUnderBlade<月>},
              {L" .日支存在財", killing_blade::wealthUnderBlade<日>},
              {L" .時支存在財", killing_blade::wealthUnderBlade<時>},
              {L" .月日地支出現合", MonthJoinsYear},
              {L" .月年地支出現合", MonthJoinsDay},
              {L" .存在衝破害", Fails<killing_blade::r7>},
          },
      .verses = VersesOf(kPatternVerses, 七煞羊刃格.name,
                         {{1,
                           L"<br>羊刃重逢豈有傷，主人心性氣剛強，刑衝太重伙凶厄，"
                           L"有制方為保吉昌。"}}),
  });

  patterns.push_back({
      .pattern = 日刃格,
      .candidate = day_blade::candidate,
      .isTrue = day_blade::isTrue,
      .reasons =
          {
              {L" .日地支午其他地支不可有子", day_blade::noZiBesideWu},
              {L" .日地支子其他地支不可有午", day_blade::noWuBesideZi},
              {L" .不存在官煞制刃", Fails<day_blade::r4>},
              {L" .存在正財", Fails<day_blade::r2>},
              {L" .年柱出現傷官",
               [](PC c) { return c.hiddenTG(年, 傷官) + c.stemTG(年, 傷官) > 0; }},
              {L" .年柱出現劫財",
               [](PC c) { return c.hiddenTG(年, 劫財) + c.stemTG(年, 劫財) > 0; }},
              {L" .存在魁罡", Fails<day_blade::r3>},
              {L" .存在伏吟", [](PC c) { return c.star(伏吟) > 0; }},
              {L" .存在返呤", [](PC c) { return c.star(返呤) > 0; }},
              {L" .存在三合", Fails<day_blade::r7>},
              {L" .存在刑衝破害合",
               [](PC c) {
                 return c.BR(時日).is({L"刑", L"破", L"害"}) || c.BR(時日).joins() ||
                        c.BR(月日).is({L"刑", L"破", L"害"}) || c.BR(月日).joins() ||
                        c.BR(日時) == L"沖" || c.BR(日月) == L"沖";
               }},
          },
      .verses = VersesOf(kPatternVerses, 日刃格.name,
                         {{1,
                           L"<br>日刃還如羊刃同，官星七煞喜相逢；歲君若也無傷劫，"
                           L"支上刑衝立武功。"}}),
  });

  patterns.push_back({
      .pattern = 刑合格,
      .candidate = punishment_join::candidate,
      .isTrue = punishment_join::isTrue,
      .reasons =
          {
              {L" .存在庚或戊或己", punishment_join::stemsPresent},
              {L" .存在申或巳", punishment_join::branchesPresent},
          },
      .verses = VersesOf(kPatternVerses, 刑合格.name,
                         {{1,
                           L"<br>六癸生人時甲寅，假名刑合亦非真；月令若加亥子位，"
                           L"傷官格內倒推尋。"}}),
  });

  patterns.push_back({
      .pattern = 倒衝格,
      .candidate = reverse_clash::candidate,
      .isTrue = reverse_clash::isTrue,
      .reasons =
          {
              {L" .丙日有地支未", [](PC c) { return c.stem(日) == 丙 && c.branchCount(未) > 0; }},
              {L" .有壬癸水", Fails<reverse_clash::noWater>},
              {L" .丁日有地支辰", [](PC c) { return c.stem(日) == 丁 && c.branchCount(辰) > 0; }},
              {L" .存在官殺填實倒衝", reverse_clash::officersFill},
              {L" .存在正偏財填實倒衝", reverse_clash::wealthFills},
              {L" .存在衝破害合", Fails<reverse_clash::r3>},
          },
      .verses = VersesOf(kPatternVerses, 倒衝格.name,
                         {{1,
                           L"<br>丙日須逢午字沖，午能衝子吉相逢；不須論合干嫌水，"
                           L"子癸相逢再見凶。"}}),
  });

  patterns.push_back({
      .pattern = 金神格,
      .candidate = metal_spirit::candidate,
      .isTrue = metal_spirit::isTrue,
      .reasons =
          {
              {L" .水剋掉了火太多", Fails<metal_spirit::r1>},
              {L" .不存在偏官", [](PC c) { return c.TG(偏官) == 0; }},
              {L" .存在過多財官", [](PC c) { return c.TG(正官) + c.TG(正財) + c.TG(偏財) > 3; }},
              {L" .不存在羊刃", [](PC c) { return c.star(羊刃) == 0; }},
          },
      .verses = VersesOf(kPatternVerses, 金神格.name,
                         {{1,
                           L"<br>甲午時上見金神，殺刃相臨真貴人；火木運中財祿發，"
                           L"如逢金生必傷身。"}}),
  });

  // Quoted whole: the three source headings at their places and the last literal; the verses
  // between them are found in no source.
  patterns.push_back({
      .pattern = 魁罡格,
      .candidate = [](PC c) { return c.star(魁罡) > 0; },
      .isTrue = kuigang::isTrue,
      .reasons =
          {
              {L" .魁罡不是在日柱", Fails<kuigang::dayKuigang>},
              {L" .身強弱度不足", Fails<kuigang::r2>},
              {L" .魁罡存在衝破害合",
               [](PC c) {
                 return kuigang::kuigangCount(c) < 2 &&
                        (kuigang::clashed(c) || c.BR(月日).joins() || c.BR(時日).joins());
               }},
          },
      .verses = VersesOf(kPatternVerses, 魁罡格.name,
                         {{1, L"<br>星平會海全書 卷十云："},
                          {6, L"<br>神峰通考券三 古歌云："},
                          {12, L"<br>子平真銓："},
                          {13, L"<br>認為此不應取格。"}}),
      .heading = PatternHeading::kGreen,
  });

  return patterns;
}

}  // namespace interpretation
