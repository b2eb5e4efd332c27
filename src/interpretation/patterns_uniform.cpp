#include "interpretation/pattern_groups.h"
#include "interpretation/text_pools.h"

namespace interpretation {
namespace {

using namespace notation;

bool AllNayinElementsPresent(PC c) {
  for (Element e : {金, 木, 水, 火, 土}) {
    if (c.nayinCount(e) <= 0) {
      return false;
    }
  }
  return true;
}

bool OneNayinElementEverywhere(PC c) {
  for (Element e : {金, 木, 水, 火, 土}) {
    if (c.nayinCount(e) == 5) {
      return true;
    }
  }
  return false;
}

// The four stems are one stem (or the four branches one branch); a text that is no stem or
// branch never is.
bool FourStemsAlike(PC c) {
  return c.stem(年) >= 0 && c.stem(年) == c.stem(月) && c.stem(月) == c.stem(時) &&
         c.stem(時) == c.stem(日);
}
bool FourBranchesAlike(PC c) {
  return c.branch(年) >= 0 && c.branch(年) == c.branch(月) && c.branch(月) == c.branch(日) &&
         c.branch(日) == c.branch(時);
}

}  // namespace

// The patterns of the chart as a whole. Of the last three only the first candidate is judged:
// each later one is a candidate only when the earlier ones were not.
std::vector<PatternRecord> UniformPatterns() {
  return {
      {
          .pattern = 五行俱足格,
          .candidate = AllNayinElementsPresent,
          .isTrue = [](PC c) { return c.DM >= c.v旺; },
          .reasons = {{L" .身強弱度不足", [](PC c) { return c.DM < c.v旺; }}},
          .verses = {L"<br>八字天干地支中，納音五行金木水火土皆有。"},
          .heading = PatternHeading::kGreen,
      },
      {
          .pattern = 一氣為垣格,
          .candidate = OneNayinElementEverywhere,
          .verses = {L"<br>八字天干地支中，納音五行全為金或木或水或火或土。"},
      },
      {
          .pattern = 天元一氣格,
          .candidate = [](PC c) { return FourStemsAlike(c) && FourBranchesAlike(c); },
          .isTrue = [](PC c) { return !c.pillarIs(日, {L"辛卯"}); },
          .reasons = {{L" .此格不可以是辛卯", [](PC c) { return c.pillarIs(日, {L"辛卯"}); }}},
          .verses = VersesOf(
              kPatternVerses, L"天元一氣格",
              {{1, L"<br>四重陽水四重寅，離坎交爭旺氣臨，運至火鄉加顯貴，往來須忌對提刑。"},
               {10, L"<br>天干四癸在乾宮，水木相生作倒沖，名利盈盈須有望，南方行運壽還終。"}}),
      },
      {
          .pattern = 干辰一字格,
          .candidate = [](PC c) { return !c.isCandidate(天元一氣格) && FourStemsAlike(c); },
          .verses = VersesOf(
              kPatternVerses, L"干辰一字格",
              {{1, L"<br>天元一氣水為源，生在秋冬貴莫言；大運吉神逢一位，他年仕途比高遷。"},
               {6, L"<br>天元一字蓋頭連，男女孤苦夜難眠；又見刑衝與破害，貧寒短壽與誰言。"}}),
      },
      {
          .pattern = 支成一字格,
          .candidate =
              [](PC c) {
                return !c.isCandidate(天元一氣格) && !c.isCandidate(干辰一字格) &&
                       FourBranchesAlike(c);
              },
          .isTrue =
              [](PC c) {
                return c.relations({害, 刑, branch衝, 破}) == 0;
              },
          .reasons = {{L" .存在刑衝破害",
                       [](PC c) {
                         return c.relations({害, 刑, branch衝, 破}) > 0;
                       }}},
          .verses = {L"<br>年月日時，支辰一字，不雜者為貴。"},
      },
  };
}

}  // namespace interpretation
