#include <array>
#include <string_view>

#include "interpretation/pattern_groups.h"
#include "interpretation/text_pools.h"

namespace interpretation {
namespace {

using namespace notation;

// 夾坵格: the day and hour pillars that enclose a branch between them.
struct DayHourPair {
  std::wstring_view day;
  std::wstring_view hour;
};
constexpr auto kEnclosingDayHourPairs = std::to_array<DayHourPair>({
    {L"甲子", L"甲寅"},
    {L"甲寅", L"甲子"},
    {L"癸酉", L"癸亥"},
    {L"癸亥", L"癸酉"},
    {L"己卯", L"己巳"},
    {L"己巳", L"己卯"},
    {L"丁卯", L"丁巳"},
    {L"丁巳", L"丁卯"},
    {L"甲午", L"壬申"},
    {L"乙卯", L"丁巳"},
    {L"丙寅", L"戊子"},
    {L"庚午", L"甲申"},
});
static_assert(kEnclosingDayHourPairs.size() == 12);

// The element that controls the day master, by day stem 甲 .. 癸.
constexpr auto kControllerOfDayStem =
    std::to_array<Element>({金, 金, 水, 水, 木, 木, 火, 火, 土, 土});
static_assert(kControllerOfDayStem.size() == 10);

bool StandsInStemsAndHidden(PC c, TenGod x) { return c.stemTG(x) > 0 && c.hiddenTG(x) > 0; }

bool HasOfficers(PC c) { return c.TG(偏官) > 0 || c.TG(正官) > 0; }

// Month and hour branches are the two given, in either order.
bool MonthAndHourAre(PC c, Branch a, Branch b) {
  return (c.branch(月) == a && c.branch(時) == b) || (c.branch(月) == b && c.branch(時) == a);
}

// 福德格: no stem control and no punishment, clash, break or harm around the day pillar.
bool DayPillarRelationsClean(PC c) {
  for (PillarPair pair : {時日, 日時, 月日, 日月}) {
    if (c.SR(pair) == L"剋" || c.BR(pair).is({L"刑", L"沖", L"破", L"害"})) {
      return false;
    }
  }
  return true;
}

// 棄命從煞格's test 1 and 2: a 庚 day needs a 戊 or 己 among the stems, an 乙 day no wealth.
bool MetalDayHasEarthStem(PC c) {
  return c.stem(日) != 庚 || c.stemCount(己) + c.stemCount(戊) > 0;
}
bool WoodDayWithoutWealth(PC c) { return c.stem(日) != 乙 || c.TG(正財) + c.TG(偏財) == 0; }

// 天地德合格: a pillar pair whose stems and branches both combine, in either direction.
bool StemsAndBranchesCombine(PC c, PillarPair pair, PillarPair reverse) {
  return (c.SR(pair).joins() || c.SR(reverse).joins()) &&
         (c.BR(pair).joins() || c.BR(reverse).joins());
}
bool BranchCombinationsAndFrameMakeTwo(PC c) { return c.relations(branch合) + c.hasFrame() == 2; }
bool CombinationsControlEachOther(PC c) {
  auto both = [&c](Element a, Element b) { return c.combinations(a) > 0 && c.combinations(b) > 0; };
  return both(金, 木) || both(木, 土) || both(水, 火) || both(火, 金) || both(土, 水);
}
// A day master outside 甲 .. 癸 has no controlling element, so nothing controls it.
bool CombinationControlsDayMaster(PC c) {
  return c.stem(日) >= 0 && c.combinations(kControllerOfDayStem[c.stem(日)]) > 0;
}

// 日德秀氣格: no control between the stems and no clash of the day branch with the hour or month.
bool DayVirtueRelationsClean(PC c) {
  for (PillarPair pair : {時日, 日時, 月日, 日月}) {
    if (c.SR(pair) == L"剋") {
      return false;
    }
  }
  return !c.BR(時日).is({L"沖", L"衝"}) && !c.BR(月日).is({L"沖", L"衝"});
}

// 祿馬同鄉格: the day branch's relations with the hour and month.
bool DayBranchClashes(PC c) {
  for (PillarPair pair : {日時, 時日, 日月, 月日}) {
    if (c.BR(pair) == L"沖") {
      return true;
    }
  }
  return false;
}
bool DayBranchCombines(PC c) {
  for (PillarPair pair : {日時, 時日, 日月, 月日}) {
    if (c.BR(pair).joins()) {
      return true;
    }
  }
  return false;
}

bool SameStem(PC c, Pillar a, Pillar b) { return c.stem(a) >= 0 && c.stem(a) == c.stem(b); }

}  // namespace

// Patterns of enclosed branches, following the officer or the wealth, lone seals and wealth,
// hour horses, combinations of heaven and earth and paired stems. The branch-relation sums read
// the 衝 counter only: the clashes written 沖 never enter.
std::vector<PatternRecord> FollowingAndSolitaryPatterns() {
  return {
      {
          .pattern = 夾坵格,
          .candidate =
              [](PC c) {
                for (const DayHourPair& p : kEnclosingDayHourPairs) {
                  if (c.pillar(日) == p.day && c.pillar(時) == p.hour) {
                    return true;
                  }
                }
                return false;
              },
          .isTrue = [](PC c) { return c.DM >= c.v旺 && !HasOfficers(c); },
          // Only one of the two: the officers are named only when the day master is strong.
          .reasons =
              {
                  {L" .身強弱度不足", [](PC c) { return c.DM < c.v旺; }},
                  {L" .存在官煞", [](PC c) { return c.DM >= c.v旺 && HasOfficers(c); }},
              },
          .verses = VersesOf(
              kPatternVerses, L"夾坵格",
              {{1, L"<br>己卯相逢己巳時，黑豬得遇水為奇；金牛水申相見後，丙庚戊子夾坵隨。"}}),
      },
      {
          .pattern = 福德格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"己丑", L"己巳", L"己酉"});
              },
          .isTrue =
              [](PC c) {
                return c.branchCount(寅) + c.branchCount(戌) + c.stemCount(丁) + c.stemCount(丙) +
                               c.branchCount(午) ==
                           0 &&
                       DayPillarRelationsClean(c);
              },
          .reasons =
              {
                  {L" .存在丙丁寅午戌",
                   [](PC c) {
                     return c.branchCount(寅) + c.branchCount(戌) + c.stemCount(丁) +
                                c.stemCount(丙) + c.branchCount(午) >
                            0;
                   }},
                  {L" .存在剋刑衝破害", [](PC c) { return !DayPillarRelationsClean(c); }},
              },
          .verses = VersesOf(
              kPatternVerses, L"福德格",
              {{1, L"<br>陰土逢蛇金與牛，名為福德號貔貅；火來侵克非為美，名利空空一旦休。"}}),
      },
      {
          .pattern = 棄命從煞格,
          .candidate =
              [](PC c) {
                switch (c.stem(日)) {
                  case 戊:
                  case 己:
                    return c.frame(木) > 0 || c.direction(木) > 0 || c.branchCount(卯) >= 3;
                  case 丙:
                  case 丁:
                    return c.frame(水) > 0 || c.direction(水) > 0 || c.branchCount(子) >= 3;
                  case 甲:
                  case 乙:
                    return c.frame(金) > 0 || c.direction(金) > 0 || c.branchCount(酉) >= 3;
                  case 庚:
                  case 辛:
                    return c.frame(火) > 0 || c.direction(火) > 0 || c.branchCount(午) >= 3;
                  case 壬:
                  case 癸:
                    return c.frame(土) > 0;
                  default:
                    return false;
                }
              },
          .isTrue =
              [](PC c) {
                return MetalDayHasEarthStem(c) && WoodDayWithoutWealth(c) && c.DM <= c.v囚 &&
                       c.TG(劫財) + c.TG(比肩) <= 2 && !(c.TG(正官) >= 2 && c.TG(偏官) >= 2) &&
                       !StandsInStemsAndHidden(c, 偏印) && !StandsInStemsAndHidden(c, 正印) &&
                       !StandsInStemsAndHidden(c, 比肩);
              },
          .reasons =
              {
                  {L" .身強弱度過強", [](PC c) { return c.DM > c.v囚; }},
                  {L" .必須是身弱，且無比肩助身",
                   [](PC c) { return c.DM <= c.v囚 && c.TG(劫財) + c.TG(比肩) > 2; }},
                  {L" .日天干為庚必須出現戊或己在其他天干上",
                   [](PC c) { return !MetalDayHasEarthStem(c); }},
                  {L" .日天干為乙不可有財", [](PC c) { return !WoodDayWithoutWealth(c); }},
                  {L" .官殺混雜", [](PC c) { return c.TG(正官) >= 2 && c.TG(偏官) >= 2; }},
                  {L" .天干地支都有偏印", [](PC c) { return StandsInStemsAndHidden(c, 偏印); }},
                  {L" .天干地支都有正印", [](PC c) { return StandsInStemsAndHidden(c, 正印); }},
                  {L" .天干地支都有比肩", [](PC c) { return StandsInStemsAndHidden(c, 比肩); }},
              },
          // Its eight verses open a passage whose text no source gives.
          .verses = VersesOf(kPatternVerses, L"棄命從煞格"),
      },
      {
          .pattern = 棄命從財格,
          .candidate =
              [](PC c) {
                return c.TG(比肩) == 0 && c.TG(劫財) == 0 &&
                       (c.stemTG(正財) > 0 || c.stemTG(偏財) > 0) && c.TG(正財) + c.TG(偏財) >= 4;
              },
          .isTrue =
              [](PC c) {
                return c.DM <= c.v囚 && c.stemTG(正官) == 0 && c.stemTG(偏官) == 0 &&
                       !StandsInStemsAndHidden(c, 正印) && !StandsInStemsAndHidden(c, 偏印);
              },
          .reasons =
              {
                  {L" .天干有正官而不從財", [](PC c) { return c.stemTG(正官) > 0; }},
                  {L" .天干有偏官而不從財", [](PC c) { return c.stemTG(偏官) > 0; }},
                  {L" .若透印則身賴印生而不從財",
                   [](PC c) { return StandsInStemsAndHidden(c, 偏印); }},
                  {L" .若透印則身賴印生而不從財",
                   [](PC c) { return StandsInStemsAndHidden(c, 正印); }},
                  {L" .身強弱度過強", [](PC c) { return c.DM > c.v囚; }},
              },
          .verses = {L"<br>日主無根財犯重，全憑印旺身官；逢生必主興家業，破印紛紛總是空。"},
      },
      {
          .pattern = 專印合官格,
          .candidate = [](PC c) { return c.stem(日) == 癸 && c.pillarIs(時, {L"庚申"}); },
          .isTrue =
              [](PC c) {
                return c.stemCount(戊) == 0 && c.stemCount(己) == 0 && c.stemCount(丙) == 0 &&
                       c.allStemCount(丁) <= 2 && OneOf(c.branch(月), {申, 酉, 亥, 子});
              },
          .reasons =
              {
                  {L" .天干存在戊或己或丙",
                   [](PC c) {
                     return c.stemCount(戊) > 0 || c.stemCount(己) > 0 || c.stemCount(丙) > 0;
                   }},
                  {L" .天干存在過的丁", [](PC c) { return c.allStemCount(丁) > 2; }},
                  {L" .地支沒有申或酉或亥或子",
                   [](PC c) {
                     return !OneOf(c.branch(月), {申, 酉, 亥, 子});
                   }},
              },
          .verses = {L"<br>日干癸水時庚申，身旺秋冬主貴人，大忌寅來衝秀氣，惟愁春日惹災迍。"},
      },
      {
          .pattern = 專財格,
          .candidate = [](PC c) { return c.stem(日) == 甲 && c.pillarIs(時, {L"己巳"}); },
          .isTrue = [](PC c) { return c.stemTG(比肩) == 0 && c.stemCount(庚) == 0; },
          // The reasons look at the hidden stems too, which the test does not.
          .reasons =
              {
                  {L" .天干或地支干藏存在比肩", [](PC c) { return c.TG(比肩) > 0; }},
                  {L" .天干或地支干藏存在庚", [](PC c) { return c.allStemCount(庚) > 0; }},
              },
          .verses = {L"<br>日時秀氣最難尋，甲日蛇時福眾臨，惟怕比肩分奪去，資財成敗是非侵。"},
      },
      {
          .pattern = 時馬格,
          .candidate =
              [](PC c) {
                switch (c.stem(日)) {
                  case 甲:
                    return c.branch(時) == 午;
                  case 乙:
                    return c.branch(時) == 巳;
                  case 丙:
                  case 丁:
                    return MonthAndHourAre(c, 申, 酉);
                  case 戊:
                  case 己:
                    return MonthAndHourAre(c, 亥, 子);
                  case 庚:
                  case 辛:
                    return MonthAndHourAre(c, 寅, 卯);
                  case 壬:
                  case 癸:
                    return MonthAndHourAre(c, 巳, 午);
                  default:
                    return false;
                }
              },
          .isTrue =
              [](PC c) {
                return c.star(空亡) == 0 && c.relations({害, 破, 刑, branch衝, stem剋}) == 0;
              },
          .reasons =
              {
                  {L" .存在空亡", [](PC c) { return c.star(空亡) > 0; }},
                  {L" .存在剋刑衝破害",
                   [](PC c) {
                     return c.relations({害, 破, 刑, branch衝, stem剋}) > 0;
                   }},
              },
          .verses = VersesOf(
              kPatternVerses, L"時馬格",
              {{1, L"<br>秀氣時逢奇更奇，格中辛遇馬臨時，不見比肩相奪去，一生祿位正相宜。"}}),
      },
      {
          .pattern = 日德秀氣格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"丙子", L"壬午", L"辛卯", L"丁酉"}) &&
                       c.stemCount(乙) >= 3 && c.branchCount(巳) > 0 && c.branchCount(酉) > 0 &&
                       c.branchCount(丑) > 0;
              },
          .isTrue = DayVirtueRelationsClean,
          .reasons = {{L" .干支存在衝剋", [](PC c) { return !DayVirtueRelationsClean(c); }}},
          .verses = {L"<br>"
                     L"此格要天干三個乙，地支巳酉丑全，更有丙子、壬午、辛卯、丁酉日，亦是秀氣，怕衝"
                     L"剋，大運同。"},
      },
      {
          .pattern = 天地德合格,
          .candidate =
              [](PC c) {
                return StemsAndBranchesCombine(c, 日時, 時日) ||
                       StemsAndBranchesCombine(c, 日月, 月日) ||
                       StemsAndBranchesCombine(c, 月年, 年月);
              },
          // Harms and punishments count by halves here, whole in the reason.
          .isTrue =
              [](PC c) {
                return BranchCombinationsAndFrameMakeTwo(c) &&
                       c.relations(害) / 2 + c.relations(刑) / 2 + c.relations(破) +
                               c.relations(branch衝) + c.relations(stem剋) <
                           2 &&
                       !CombinationsControlEachOther(c) && !CombinationControlsDayMaster(c);
              },
          .reasons =
              {
                  {L" .存在過多的地支合",
                   [](PC c) { return !BranchCombinationsAndFrameMakeTwo(c); }},
                  {L" .天或地剋己身", CombinationControlsDayMaster},
                  {L" .存在剋刑衝破害",
                   [](PC c) {
                     return c.relations({害, 破, 刑, branch衝, stem剋}) > 0;
                   }},
              },
          .verses = VersesOf(kPatternVerses, L"天地德合格"),
          .heading = PatternHeading::kGreen,
      },
      {
          .pattern = 祿馬同鄉格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"壬午", L"癸巳"});
              },
          .isTrue =
              [](PC c) {
                return c.relations(刑) > 0 && !DayBranchClashes(c) && !DayBranchCombines(c);
              },
          .reasons =
              {
                  {L" .不存在刑", [](PC c) { return c.relations(刑) == 0; }},
                  {L" .存在衝", DayBranchClashes},
                  {L" .存在合", DayBranchCombines},
              },
          .verses = VersesOf(
              kPatternVerses, L"祿馬同鄉格",
              {{1, L"<br>祿馬同鄉無克奪，財官同處最為榮；三台八座真奇貴，克奪如強欠利名。"}}),
      },
      {
          .pattern = 六弱格,
          .candidate =
              [](PC c) {
                return OneOf(c.stem(日), {甲, 乙}) && c.branch(月) == 丑;
              },
          .isTrue =
              [](PC c) {
                return c.allStemCount(庚) + c.allStemCount(辛) < 3 &&
                       c.allStemCount(癸) + c.allStemCount(壬) >= 3;
              },
          .reasons =
              {
                  {L" .金多則折",
                   [](PC c) { return c.allStemCount(庚) + c.allStemCount(辛) >= 3; }},
                  {L" .水多則貴但水不夠多",
                   [](PC c) { return c.allStemCount(癸) + c.allStemCount(壬) < 3; }},
              },
          .verses = VersesOf(kPatternVerses, L"六弱格",
                             {{1, L"<br>甲乙生不怕金，見水為貴，行東北方運最貴。"}}),
      },
      {
          .pattern = 兩干連珠格,
          .candidate = [](PC c) { return SameStem(c, 年, 月) && SameStem(c, 日, 時); },
          .isTrue =
              [](PC c) {
                return c.relations({害, 刑, branch衝, 破}) < 2;
              },
          .reasons = {{L" .存在刑衝破害",
                       [](PC c) {
                         return c.relations({害, 刑, branch衝, 破}) >= 2;
                       }}},
          .verses = {L"<br>又稱兩干不雜格。經云兩干不雜利名齊，其斯之謂與。"},
      },
  };
}

}  // namespace interpretation
