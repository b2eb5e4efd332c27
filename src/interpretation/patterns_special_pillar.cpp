#include "interpretation/pattern_groups.h"
#include "interpretation/text_pools.h"

namespace interpretation {
namespace {

using namespace notation;

// A relation of the day branch with the month or hour branch, in either direction, that is a
// punishment, clash, break or harm, or any combination.
bool DayBranchRelationDisturbed(PC c) {
  for (PillarPair pair : {時日, 月日, 日時, 日月}) {
    if (c.BR(pair).is({L"刑", L"沖", L"破", L"害"}) || c.BR(pair).joins()) {
      return true;
    }
  }
  return false;
}

}  // namespace

// Patterns recognised by a fixed day master, day or hour pillar and counts of some branches. Their
// sums of branch-relation counts read the 衝 counter only: the clashes written 沖 never enter.
std::vector<PatternRecord> SpecialPillarPatterns() {
  return {
      {
          .pattern = 井欄叉格,
          .candidate =
              [](PC c) {
                return c.stem(日) == 庚 && c.stemCount(庚) >= 2 && c.branchCount(子) > 0 &&
                       c.branchCount(辰) > 0 && c.branchCount(申) > 0 && c.branchCount(寅) == 0 &&
                       c.branchCount(午) == 0 && c.branchCount(戌) == 0;
              },
          .isTrue =
              [](PC c) {
                return c.relations({害, 刑, branch衝, 破}) == 0;
              },
          .reasons =
              {
                  {L" .存在空亡", [](PC c) { return c.star(空亡) > 0; }},
                  {L" .存在刑衝破害",
                   [](PC c) {
                     return c.relations({害, 刑, branch衝, 破}) > 0;
                   }},
              },
          .verses = VersesOf(
              kPatternVerses, L"井欄叉格",
              {{1, L"<br>庚日全逢申子辰，井欄叉格制官星；局中有火方成貴，破動提綱禍亦臨。"}}),
          .extraVerse = {[](PC c) { return c.女; },
                         L"<br>飛天祿馬井欄叉，女命逢之福不佳，只好為偏並作妓，有財方可享榮華。"},
      },
      {
          .pattern = 六陰朝陽格,
          .candidate = [](PC c) { return c.stem(日) == 辛 && c.branchCount(子) == 1; },
          .isTrue =
              [](PC c) {
                return c.stemCount(戊) >= 1 &&
                       c.branchCount(午) + c.branchCount(巳) + c.stemCount(丁) + c.stemCount(丙) ==
                           0 &&
                       c.branchCount(丑) == 0 && c.TG(正官) == 0 && c.TG(偏官) == 0;
              },
          .reasons =
              {
                  {L" .少天干戊", [](PC c) { return c.stemCount(戊) == 0; }},
                  {L" .有丙丁巳午",
                   [](PC c) {
                     return c.branchCount(午) + c.branchCount(巳) + c.stemCount(丁) +
                                c.stemCount(丙) >
                            0;
                   }},
                  {L" .辛中丑絆又非真", [](PC c) { return c.branchCount(丑) > 0; }},
                  {L" .官星七殺休相見", [](PC c) { return c.TG(正官) > 0 || c.TG(偏官) > 0; }},
              },
          .verses = VersesOf(
              kPatternVerses, L"六陰朝陽格",
              {{1, L"<br>辛日朝陽土最宜，名高利重貴當時；秋生四柱為傷重，富貴榮華事業奇。"}}),
      },
      {
          .pattern = 壬騎龍背格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"壬辰"}) && c.branchCount(辰) + c.branchCount(寅) >= 3;
              },
          .isTrue =
              [](PC c) {
                return c.relations({害, branch衝, 破}) == 0;
              },
          .reasons = {{L" .存在衝破害",
                       [](PC c) {
                         return c.relations({害, branch衝, 破}) > 0;
                       }}},
          .verses = VersesOf(
              kPatternVerses, L"壬騎龍背格",
              {{1, L"<br>壬騎龍背喜非常，寅少辰多轉發揚；大忌官星來破格，刑剋須見壽元傷。"}}),
      },
      {
          .pattern = 子遙巳格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"甲子"}) && c.pillarIs(時, {L"甲子"}) &&
                       OneOf(c.branch(月), {卯, 亥, 辰, 戌});
              },
          // The count of 刑 enters the sum twice.
          .isTrue =
              [](PC c) {
                return c.relations({branch合, 刑, 刑, branch衝, 破}) == 0 && c.stemCount(庚) == 0 &&
                       c.stemCount(辛) == 0 && c.branchCount(申) == 0 && c.branchCount(酉) == 0 &&
                       c.branchCount(午) == 0 && c.branchCount(丑) == 0 && c.branchCount(未) == 0;
              },
          .reasons =
              {
                  {L" .存在庚辛申酉午未丑",
                   [](PC c) {
                     return c.stemCount(庚) > 0 || c.stemCount(辛) > 0 || c.branchCount(申) > 0 ||
                            c.branchCount(酉) > 0 || c.branchCount(午) > 0 ||
                            c.branchCount(未) > 0 || c.branchCount(丑) > 0;
                   }},
                  {L" .存在刑衝破害合",
                   [](PC c) {
                     return c.relations(branch合) > 0 || c.relations(刑) > 0 ||
                            c.relations(branch衝) > 0 || c.relations(破) > 0;
                   }},
              },
          .verses = VersesOf(
              kPatternVerses, L"子遙巳格",
              {{1, L"<br>甲子生逢甲子時，子來遙合巳中支；戊能動丙丙合酉，甲得辛官貴可知。"}}),
      },
      {
          .pattern = 丑遙巳格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"辛丑", L"癸丑"}) && c.branchCount(丑) >= 3 &&
                       c.branchCount(子) == 0;
              },
          .isTrue = [](PC c) { return c.relations(branch衝) == 0; },
          .reasons = {{L" .地支無衝", [](PC c) { return c.relations(branch衝) > 0; }}},
          .verses = VersesOf(
              kPatternVerses, L"丑遙巳格",
              {{1, L"<br>辛丑癸丑二日干，丑能合巳巳藏官；丑日多見方為貴，不宜子字柱中間。"}}),
      },
      {
          .pattern = 乙巳鼠貴格,
          .candidate = [](PC c) { return c.stem(日) == 乙 && c.pillarIs(時, {L"丙子"}); },
          .isTrue =
              [](PC c) {
                return c.DM >= c.v囚 && c.TG(正官) == 0 && c.TG(偏官) == 0 &&
                       c.relations({害, 破, branch合, branch衝}) == 0;
              },
          .reasons =
              {
                  {L" .身強弱度不足", [](PC c) { return c.DM < c.v囚; }},
                  {L" .存在官煞", [](PC c) { return c.TG(正官) > 0 || c.TG(偏官) > 0; }},
                  {L" .存在衝破害合",
                   [](PC c) {
                     return c.relations({害, 破, branch合, branch衝}) > 0;
                   }},
              },
          .verses = VersesOf(
              kPatternVerses, L"乙巳鼠貴格",
              {{1, L"<br>陰木天干丙子時，乙巳鼠貴實為奇，無沖官煞方為貴，年少聲名達鳳池。"}}),
      },
      {
          .pattern = 六乙鼠貴格,
          .candidate =
              [](PC c) { return c.stem(日) == 乙 && c.branch(時) == 子 && c.branchCount(子) >= 2; },
          .isTrue =
              [](PC c) {
                return c.DM >= c.v相 && c.TG(正官) == 0 && c.TG(偏官) == 0 &&
                       c.relations({破, branch合, branch衝}) == 0 && OneOf(c.branch(月), {寅, 卯});
              },
          .reasons =
              {
                  {L" .身強弱度不足", [](PC c) { return c.DM < c.v相; }},
                  {L" .存在官煞", [](PC c) { return c.TG(正官) > 0 || c.TG(偏官) > 0; }},
                  {L" .月地支不是寅卯",
                   [](PC c) {
                     return !OneOf(c.branch(月), {寅, 卯});
                   }},
                  {L" .存在衝破害合",
                   [](PC c) {
                     return c.relations({破, branch合, branch衝}) > 0;
                   }},
              },
          .verses = VersesOf(
              kPatternVerses, L"六乙鼠貴格",
              {{1, L"<br>六鼠乙貴在生時，煞官沖破不相宜；月中通得真三木，方定當生利祿奇。"}}),
      },
      {
          .pattern = 六甲趨乾格,
          .candidate =
              [](PC c) { return c.stem(日) == 甲 && c.branch(時) == 亥 && c.branchCount(亥) >= 2; },
          .isTrue = [](PC c) { return c.DM >= c.v相 && !DayBranchRelationDisturbed(c); },
          .reasons =
              {
                  {L" .身強弱度不足", [](PC c) { return c.DM < c.v相; }},
                  {L" .存在刑衝破害", DayBranchRelationDisturbed},
              },
          .verses = VersesOf(
              kPatternVerses, L"六甲趨乾格",
              {{1, L"<br>趨乾六甲本為奇，甲日生人得亥時；歲運若逢財旺地，官災患難禍相隨。"}}),
      },
      {
          .pattern = 六壬趨艮格,
          .candidate =
              [](PC c) { return c.stem(日) == 壬 && c.branch(時) == 寅 && c.branchCount(寅) >= 2; },
          .isTrue =
              [](PC c) {
                return c.DM >= c.v囚 && c.relations({害, 破, 刑, branch衝}) == 0;
              },
          // The relation reason reads the day branch's own relations, not the counts of the test.
          .reasons =
              {
                  {L" .身強弱度不足", [](PC c) { return c.DM < c.v囚; }},
                  {L" .存在刑衝破害合", DayBranchRelationDisturbed},
              },
          .verses = VersesOf(
              kPatternVerses, L"六壬趨艮格",
              {{1, L"<br>六壬趨艮喜非常，壬日壬時是貴鄉；大怕刑沖併剋制，身逢害運有災殃。"}}),
      },
      {
          .pattern = 勾陳得位格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"戊寅", L"戊子", L"戊申", L"己卯", L"己亥", L"己未"});
              },
          .isTrue =
              [](PC c) {
                return (c.frame(水) > 0 || c.frame(木) > 0) && c.DM >= c.v囚 &&
                       (c.stemTG(正官) > 0 || c.stemTG(正財) > 0 || c.stemTG(偏財) > 0) &&
                       c.relations({破, branch衝}) == 0;
              },
          .reasons =
              {
                  {L" .地支未成水局或木局",
                   [](PC c) { return c.frame(水) <= 0 && c.frame(木) <= 0; }},
                  {L" .身強弱度不足", [](PC c) { return c.DM < c.v囚; }},
                  {L" .勾陳得位天干需見財官",
                   [](PC c) {
                     return c.stemTG(正官) <= 0 && c.stemTG(正財) <= 0 && c.stemTG(偏財) <= 0;
                   }},
                  {L" .存在刑衝破害",
                   [](PC c) {
                     return c.relations({破, branch衝}) > 0;
                   }},
              },
          .verses = VersesOf(
              kPatternVerses, L"勾陳得位格",
              {{1, L"<br>勾陳得位會財官，無沖無破必然端；甲子北方東卯未，管教環珮帶金鑾。"}}),
      },
      {
          .pattern = 玄武當權格,
          .candidate =
              [](PC c) {
                return c.pillarIs(日, {L"壬寅", L"壬午", L"壬戌", L"癸未", L"癸丑", L"癸巳"}) &&
                       ((c.branchCount(寅) > 0 && c.branchCount(午) > 0 && c.branchCount(戌) > 0) ||
                        (c.branchCount(亥) > 0 && c.branchCount(子) > 0 && c.branchCount(丑) > 0));
              },
          .isTrue =
              [](PC c) {
                return c.frame(火) > 0 && c.DM >= c.v囚 && c.relations({破, branch衝}) == 0;
              },
          .reasons =
              {
                  {L" .地支未成火局", [](PC c) { return c.frame(火) <= 0; }},
                  {L" .身強弱度不足", [](PC c) { return c.DM < c.v囚; }},
                  {L" .存在刑衝破害",
                   [](PC c) {
                     return c.relations({破, branch衝}) > 0;
                   }},
              },
          .verses = VersesOf(
              kPatternVerses, L"玄武當權格",
              {{1, L"<br>真武當權妙入神，日干壬癸坐財星；官星若也若門戶，無破當為大用人。"}}),
      },
  };
}

}  // namespace interpretation
