#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation::classics_test {
namespace {

// 正日神背祿無財助 holds whenever the chart has no 正財, 偏財 or 正官.
constexpr const char* kNoWealthNoOfficer = "正日神背祿無財助，妻兒離散。";

TEST(BiYuanFu, StrengthSentencesAndTheirOtherwise) {
  const std::string none = kNoWealthNoOfficer;
  CheckBook(L"《碧淵賦》",
            {
                {"S = v旺, 比劫 3, 官殺 1",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 8;
                   c.tenGodCounts[比肩] = 3;
                   c.tenGodCounts[偏官] = 1;
                 },
                 "太過無剋制者貧賤。身旺無依，僧道之命。" + none},
                // 官殺 2 fails sentence 1, so sentence 2 is tried and needs S ≤ v囚.
                {"S = v旺, 比劫 3, 官殺 2",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 8;
                   c.tenGodCounts[比肩] = 3;
                   c.tenGodCounts[偏官] = 2;
                 },
                 "身旺無依，僧道之命。" + none},
                {"S = v相, 比劫 5, 官殺 0",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 5;
                   c.tenGodCounts[比肩] = 5;
                 },
                 "太過無剋制者貧賤。" + none},
                {"S = v囚, 比劫 1, 官殺 2",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 2;
                   c.tenGodCounts[比肩] = 1;
                   c.tenGodCounts[偏官] = 2;
                 },
                 "不及無生扶者夭折。" + none},
                // Sentence 27 compares S with the number 2, whatever the five values are.
                {"男, S = 2 with 8 5 3 2 1, 羊刃",
                 [](Chart& c) {
                   c.sexText = L"男";
                   c.dayMasterStrengthValue = 2;
                   c.starCounts[羊刃] = 1;
                 },
                 "不及無生扶者夭折。男逢羊刃，身弱隨之為奇。" + none},
                {"男, S = 4 with 9 7 5 4 3, 羊刃",
                 [](Chart& c) {
                   c.sexText = L"男";
                   c.dayMasterStrengthValue = 4;
                   c.starCounts[羊刃] = 1;
                 },
                 "不及無生扶者夭折。" + none,
                 {},
                 {9, 7, 5, 4, 3}},
            });
}

TEST(BiYuanFu, SentencesNamedTwice) {
  CheckBook(L"《碧淵賦》",
            {
                {"祿元, 驛馬, hidden 財, 正官",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 4;
                   c.starCounts[祿元] = c.starCounts[驛馬] = 1;
                   PutHiddenTenGod(c, 年, 正財);
                   PutHiddenTenGod(c, 時, 正官);
                 },
                 "暗祿馬以榮華。暗祿馬以榮華。"},
                {"day branch 正財, hour stem 劫財",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 4;
                   PutHiddenTenGod(c, 日, 正財);
                   PutStemTenGod(c, 時, 劫財);
                 },
                 "日逢財，時逢劫，妻妾產亡。日值財，時劫財，父興子敗。日值財，時劫財，父興子敗。"},
            });
}

TEST(BiYuanFu, PillarsAndRelations) {
  const std::string none = kNoWealthNoOfficer;
  CheckBook(L"《碧淵賦》", {
                               {"month-branch 印 clashed by the day",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  PutHiddenTenGod(c, 月, 正印);
                                  c.branchRelations[日月] = L"衝";
                                },
                                "印綬被傷，母年早喪。" + none},
                               {"hour-stem 財 overcome by the day",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  PutStemTenGod(c, 時, 偏財);
                                  c.stemRelations[日時] = L"剋";
                                },
                                "財源被劫，父命先傾。"},
                               {"two 劫財 more than 財",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  c.tenGodCounts[劫財] = 3;
                                  c.tenGodCounts[正財] = 1;
                                },
                                "財源被劫，父命先傾。"},
                               {"day 甲 with a wood frame",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  c.threeHarmonyFlags[1] = 1;
                                  PutHiddenTenGod(c, 時, 正官);
                                },
                                "亥卯未逢於甲乙，富貴無疑（曲直格）。",
                                {L"", L"", L"甲子", L""}},
                               {"胎 pillar holding 印, 長生 pillar holding 財",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  c.pillars[年].stage = L"胎";
                                  PutStemTenGod(c, 年, 偏印);
                                  c.pillars[日].stage = L"長生";
                                  PutHiddenTenGod(c, 日, 偏財);
                                },
                                "胞胎逢印綬，祿享千鍾。財氣遇長生，肥田萬頃。"},
                               {"日德, the day lists 魁罡, a punishment of the day",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  c.starCounts[日德] = 1;
                                  List(c, 日, L"魁罡");
                                  c.branchRelations[月日] = L"刑";
                                },
                                "日德見魁罡，遇刑衝貧寒之士。" + none},
                               {"day lists 驛馬 at 臨官, hour at 長生",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  List(c, 日, L"驛馬");
                                  c.pillars[日].stage = L"臨官";
                                  c.pillars[時].stage = L"長生";
                                },
                                "日時祿馬長生，妻賢子貴。" + none},
                               {"year 偏官, month 傷官, year-month 害",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  PutHiddenTenGod(c, 年, 偏官);
                                  PutStemTenGod(c, 月, 傷官);
                                  c.branchRelations[月年] = L"害";
                                },
                                "太歲值殺月值傷，弟兄不睦。歲月值殺有刑害，公父連傷。" + none},
                               {"day 財 joining the hour",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 4;
                                  PutHiddenTenGod(c, 日, 偏財);
                                  c.branchRelations[日時] = L"合火";
                                },
                                "正財偏財見合，妻妾姦淫。"},
                               {"S = v旺, 正官 and 正財 twice in year and month",
                                [](Chart& c) {
                                  c.dayMasterStrengthValue = 8;
                                  PutStemTenGod(c, 年, 正官);
                                  PutHiddenTenGod(c, 月, 正官);
                                  PutStemTenGod(c, 月, 正財);
                                  PutHiddenTenGod(c, 年, 正財);
                                },
                                "年月官星，早年出仕。年月財官身旺，公顯父榮。暗祿馬以榮華。"},
                           });
}

TEST(BiYuanFu, Patterns) {
  CheckBook(L"《碧淵賦》",
            {
                {"正官格 with 偏財",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 4;
                   MakeTrue(c, 正官格);
                   PutHiddenTenGod(c, 時, 偏財);
                 },
                 "逢官而看財，見財而富貴。出現偏財，少愛正妻偏愛妾。"},
                {"女, 傷官格 and 拱祿格",
                 [](Chart& c) {
                   c.sexText = L"女";
                   c.dayMasterStrengthValue = 4;
                   MakeTrue(c, 傷官格);
                   MakeTrue(c, 拱祿格);
                   PutHiddenTenGod(c, 時, 正財);
                 },
                 "女遇傷官，歸祿得之極貴。傷官逢財而有子。男命傷官須損子，女命傷官定剋夫。"
                 "拱祿夾祿拱貴，爵祿豐榮。"},
                {"六壬趨艮格 and 六乙鼠貴格",
                 [](Chart& c) {
                   c.dayMasterStrengthValue = 4;
                   MakeTrue(c, 六壬趨艮格);
                   MakeTrue(c, 六乙鼠貴格);
                   PutHiddenTenGod(c, 時, 正財);
                 },
                 "壬趨乾(亥)，甲趨艮(寅)，清貴之士。辛朝陽，乙鼠貴，文學之臣。"},
            });
}

// The same chart at S = v死 and at S = v旺: the sentences of a weak day master give way to the one
// of a strong one.
TEST(BiYuanFu, WeakAndStrongDayMaster) {
  const auto chart = [](int strength) {
    return [strength](Chart& c) {
      c.sexText = L"男";
      c.dayMasterStrengthValue = strength;
      MakeTrue(c, 偏財格);
      c.tenGodCounts[正官] = c.tenGodCounts[偏官] = 1;
      c.tenGodCounts[偏財] = 3;
    };
  };
  CheckBook(L"《碧淵賦》", {
                               {"S = v死", chart(1),
                                "不及無生扶者夭折。逢財忌殺而有殺，十有九貧。官殺混雜，身弱則貧。"
                                "男遇財多身弱，妻話偏聽。"},
                               {"S = v旺", chart(8), "官殺相停，合殺為貴。"},
                           });
}

}  // namespace
}  // namespace interpretation::classics_test
