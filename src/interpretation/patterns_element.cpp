#include "interpretation/pattern_groups.h"
#include "interpretation/text_pools.h"

namespace interpretation {
namespace {

using namespace notation;

// A day master of the pair that combines into the element, standing beside its combination:
// the stem relation of the day to the hour or to the month opens with 合.
bool CombiningDayMaster(PC c, std::initializer_list<int> stems) {
  return OneOf(c.stem(日), stems) && (c.SR(日時).joins() || c.SR(日月).joins());
}

// No control between the stems and no clash, punishment, break or harm between the branches
// around the day pillar, nor from the month to the year; year to month is not looked at.
bool RelationsAroundDayClean(PC c) {
  for (PillarPair pair : {時日, 日時, 月日, 日月, 月年}) {
    if (c.SR(pair) == L"剋" || c.BR(pair).is({L"沖", L"刑", L"破", L"害"})) {
      return false;
    }
  }
  return true;
}

constexpr std::wstring_view kRelationReason = L" .存在剋衝刑破害";

bool RelationsDisturbed(PC c) { return !RelationsAroundDayClean(c); }

// The sums of the stems and branches of the controlling element that each pattern tests.
int MetalMixed(PC c) {
  return c.branchCount(酉) + c.branchCount(申) + c.stemCount(辛) + c.stemCount(庚);
}
int WaterMixed(PC c) {
  return c.branchCount(子) + c.stemCount(癸) + c.branchCount(亥) + c.stemCount(壬);
}
int WoodMixed(PC c) {
  return c.branchCount(卯) + c.branchCount(寅) + c.stemCount(乙) + c.stemCount(甲);
}
int FireMixed(PC c) { return c.stemCount(丁) + c.stemCount(丙) + c.branchCount(午); }
int EarthMixed(PC c) {
  return c.branchCount(戌) + c.branchCount(未) + c.stemCount(己) + c.stemCount(戊);
}

bool AllBranches(PC c, std::initializer_list<Branch> branches) {
  for (Branch b : branches) {
    if (c.branchCount(b) <= 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

// The five one-element patterns. Each closes, when the day master is one of the two stems of its
// transformation note, with that note, true or not, and marks the chart as transformed.
std::vector<PatternRecord> ElementPatterns() {
  return {
      {
          .pattern = 曲直格,
          .candidate =
              [](PC c) {
                return (OneOf(c.stem(日), {甲, 乙}) || CombiningDayMaster(c, {丁, 壬})) &&
                       (AllBranches(c, {寅, 卯, 辰}) || AllBranches(c, {亥, 卯, 未}));
              },
          .isTrue = [](PC c) { return MetalMixed(c) == 0 && RelationsAroundDayClean(c); },
          .reasons =
              {
                  {L" .存在金星混雜", [](PC c) { return MetalMixed(c) > 0; }},
                  {kRelationReason, RelationsDisturbed},
              },
          .verses = VersesOf(
              kPatternVerses, L"曲直格",
              {{1, L"<br>甲乙生人寅卯辰，又名仁壽兩堪評；亥卯未全嫌白帝，若逢坎地必榮身。"}}),
          .transformationNote = {[](PC c) {
                                   return OneOf(c.stem(日), {丁, 壬});
                                 },
                                 L"<br>("
                                 L"註：丁壬化木盡成林。天干化合者，秀氣也。地支合局者，福德也。化之"
                                 L"真者，名公鉅卿，化之假者，孤兒異姓。)"},
      },
      {
          .pattern = 炎上格,
          .candidate =
              [](PC c) {
                return (OneOf(c.stem(日), {丙, 丁}) || CombiningDayMaster(c, {戊, 癸})) &&
                       (AllBranches(c, {寅, 午, 戌}) || AllBranches(c, {巳, 午, 未}));
              },
          .isTrue = [](PC c) { return WaterMixed(c) == 0 && RelationsAroundDayClean(c); },
          // Only a chart with water gets the relation reason; without water a failed relation
          // test is shown with no reason.
          .reasons = {{kRelationReason,
                       [](PC c) { return WaterMixed(c) > 0 && RelationsDisturbed(c); }}},
          .verses = VersesOf(
              kPatternVerses, L"炎上格",
              {{1, L"<br>夏火炎天焰焰高，局中照曜勢雄豪；運行木地方成器，一舉崢嶸奪錦袍。"}}),
          .transformationNote = {[](PC c) {
                                   return OneOf(c.stem(日), {戊, 癸});
                                 },
                                 L"<br>("
                                 L"註：戊癸化火，無情之合，得火局曰炎上。天干化合者，秀氣也。地支合"
                                 L"局者，福德也。化之真者，名公鉅卿，化之假者，孤兒異姓。)"},
      },
      {
          .pattern = 稼穡格,
          .candidate =
              [](PC c) {
                return (OneOf(c.stem(日), {戊, 己}) || CombiningDayMaster(c, {甲})) &&
                       c.frame(土) > 0;
              },
          .isTrue = [](PC c) { return WoodMixed(c) == 0 && RelationsAroundDayClean(c); },
          .reasons =
              {
                  {L" .存在木星混雜", [](PC c) { return WoodMixed(c) > 0; }},
                  {kRelationReason, RelationsDisturbed},
              },
          .verses = VersesOf(
              kPatternVerses, L"稼穡格",
              {{1, L"<br>戊己生居四季中，辰戌丑未要全逢；喜逢財地嫌官煞，運到東南定有凶。"}}),
          .transformationNote =
              {[](PC c) {
                 return OneOf(c.stem(日), {甲, 己});
               },
               L"<br>("
               L"註：甲己化土，中正之合，辰戌丑未曰稼穡，勾陳得位。天干化合者，秀氣也。地支合局者，"
               L"福德也。化之真者，名公鉅卿，化之假者，孤兒異姓。)"},
      },
      {
          .pattern = 從革格,
          .candidate =
              [](PC c) {
                return (OneOf(c.stem(日), {庚, 辛}) || CombiningDayMaster(c, {乙})) &&
                       (c.direction(金) > 0 || c.frame(金) > 0);
              },
          .isTrue =
              [](PC c) {
                return FireMixed(c) == 0 && c.branchCount(巳) == 0 && RelationsAroundDayClean(c);
              },
          // A 巳 beside the metal frame, and again beside the metal direction, repeats the
          // fire reason.
          .reasons =
              {
                  {L" .存在火星混雜", [](PC c) { return FireMixed(c) > 0; }},
                  {L" .存在火星混雜",
                   [](PC c) { return c.frame(金) > 0 && c.branchCount(巳) > 0; }},
                  {L" .存在火星混雜",
                   [](PC c) { return c.direction(金) > 0 && c.branchCount(巳) > 0; }},
                  {kRelationReason, RelationsDisturbed},
              },
          .verses = VersesOf(
              kPatternVerses, L"從革格",
              {{1, L"<br>金居從格貴人欽，造化清高福祿深；若遇火星相混雜，空閑藝術漫經綸。"}}),
          .transformationNote = {[](PC c) {
                                   return OneOf(c.stem(日), {乙, 庚});
                                 },
                                 L"<br>("
                                 L"註：乙庚化金，仁義之合，巳酉丑曰從革。天干化合者，秀氣也。地支合"
                                 L"局者，福德也。化之真者，名公鉅卿，化之假者，孤兒異姓。)"},
      },
      {
          .pattern = 潤下格,
          .candidate =
              [](PC c) {
                return (OneOf(c.stem(日), {壬, 癸}) || CombiningDayMaster(c, {丙, 辛})) &&
                       (c.frame(水) > 0 || c.direction(水) > 0);
              },
          .isTrue =
              [](PC c) {
                return EarthMixed(c) == 0 && c.branchCount(辰) + c.branchCount(丑) <= 1 &&
                       RelationsAroundDayClean(c);
              },
          .reasons =
              {
                  {L" .存在土星混雜",
                   [](PC c) {
                     return EarthMixed(c) > 0 || c.branchCount(辰) + c.branchCount(丑) > 1;
                   }},
                  {kRelationReason, RelationsDisturbed},
              },
          .verses = VersesOf(
              kPatternVerses, L"潤下格",
              {{1, L"<br>天干壬癸喜冬生，更值申辰會局成；或是全歸亥子丑，等閑平步上青雲。"}}),
          .transformationNote = {[](PC c) {
                                   return OneOf(c.stem(日), {丙, 辛});
                                 },
                                 L"<br>(註：丙辛化合水。)"},
      },
  };
}

}  // namespace interpretation
