#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

// 正日神背祿無財助 holds whenever the chart has no 正財, 偏財 or 正官.
constexpr const char* kNoWealthNoOfficer = "正日神背祿無財助，妻兒離散。";

TEST(BiYuanFu, StrengthSentencesAndTheirOtherwise) {
  const std::string none = kNoWealthNoOfficer;
  CheckBook(
      L"《碧淵賦》",
      {
          {"S = v旺, 比劫 3, 官殺 1", [](CraftedChart& c) { c.DM(8).TG(比肩, 3).TG(偏官, 1); },
           "太過無剋制者貧賤。身旺無依，僧道之命。" + none},
          // 官殺 2 fails sentence 1, so sentence 2 is tried and needs S ≤ v囚.
          {"S = v旺, 比劫 3, 官殺 2", [](CraftedChart& c) { c.DM(8).TG(比肩, 3).TG(偏官, 2); },
           "身旺無依，僧道之命。" + none},
          {"S = v相, 比劫 5, 官殺 0", [](CraftedChart& c) { c.DM(5).TG(比肩, 5); },
           "太過無剋制者貧賤。" + none},
          {"S = v囚, 比劫 1, 官殺 2", [](CraftedChart& c) { c.DM(2).TG(比肩, 1).TG(偏官, 2); },
           "不及無生扶者夭折。" + none},
          // Sentence 27 compares S with the number 2, whatever the five values are.
          {"男, S = 2 with 8 5 3 2 1, 羊刃",
           [](CraftedChart& c) { c.sex(L"男").DM(2).star(羊刃, 1); },
           "不及無生扶者夭折。男逢羊刃，身弱隨之為奇。" + none},
          {"男, S = 4 with 9 7 5 4 3, 羊刃",
           [](CraftedChart& c) { c.sex(L"男").DM(4).star(羊刃, 1); },
           "不及無生扶者夭折。" + none,
           {},
           {9, 7, 5, 4, 3}},
      });
}

TEST(BiYuanFu, SentencesNamedTwice) {
  CheckBook(L"《碧淵賦》",
            {
                {"祿元, 驛馬, hidden 財, 正官",
                 [](CraftedChart& c) {
                   c.DM(4).star(祿元, 1).star(驛馬, 1).hidden(年, 正財).hidden(時, 正官);
                 },
                 "暗祿馬以榮華。暗祿馬以榮華。"},
                {"day branch 正財, hour stem 劫財",
                 [](CraftedChart& c) { c.DM(4).hidden(日, 正財).stemGod(時, 劫財); },
                 "日逢財，時逢劫，妻妾產亡。日值財，時劫財，父興子敗。日值財，時劫財，父興子敗。"},
            });
}

TEST(BiYuanFu, PillarsAndRelations) {
  const std::string none = kNoWealthNoOfficer;
  CheckBook(
      L"《碧淵賦》",
      {
          {"month-branch 印 clashed by the day",
           [](CraftedChart& c) { c.DM(4).hidden(月, 正印).BR(日月, L"衝"); },
           "印綬被傷，母年早喪。" + none},
          {"hour-stem 財 overcome by the day",
           [](CraftedChart& c) { c.DM(4).stemGod(時, 偏財).SR(日時, L"剋"); },
           "財源被劫，父命先傾。"},
          {"two 劫財 more than 財", [](CraftedChart& c) { c.DM(4).TG(劫財, 3).TG(正財, 1); },
           "財源被劫，父命先傾。"},
          {"day 甲 with a wood frame",
           [](CraftedChart& c) {
             c.DM(4);
             c.chart().threeHarmonyFlags[1] = 1;
             c.hidden(時, 正官);
           },
           "亥卯未逢於甲乙，富貴無疑（曲直格）。",
           {L"", L"", L"甲子", L""}},
          {"胎 pillar holding 印, 長生 pillar holding 財",
           [](CraftedChart& c) {
             c.DM(4).stage(年, L"胎").stemGod(年, 偏印).stage(日, L"長生").hidden(日, 偏財);
           },
           "胞胎逢印綬，祿享千鍾。財氣遇長生，肥田萬頃。"},
          {"日德, the day lists 魁罡, a punishment of the day",
           [](CraftedChart& c) { c.DM(4).star(日德, 1).list(日, 魁罡).BR(月日, L"刑"); },
           "日德見魁罡，遇刑衝貧寒之士。" + none},
          {"day lists 驛馬 at 臨官, hour at 長生",
           [](CraftedChart& c) { c.DM(4).list(日, 驛馬).stage(日, L"臨官").stage(時, L"長生"); },
           "日時祿馬長生，妻賢子貴。" + none},
          {"year 偏官, month 傷官, year-month 害",
           [](CraftedChart& c) { c.DM(4).hidden(年, 偏官).stemGod(月, 傷官).BR(月年, L"害"); },
           "太歲值殺月值傷，弟兄不睦。歲月值殺有刑害，公父連傷。" + none},
          {"day 財 joining the hour",
           [](CraftedChart& c) { c.DM(4).hidden(日, 偏財).BR(日時, L"合火"); },
           "正財偏財見合，妻妾姦淫。"},
          {"S = v旺, 正官 and 正財 twice in year and month",
           [](CraftedChart& c) {
             c.DM(8).stemGod(年, 正官).hidden(月, 正官).stemGod(月, 正財).hidden(年, 正財);
           },
           "年月官星，早年出仕。年月財官身旺，公顯父榮。暗祿馬以榮華。"},
      });
}

TEST(BiYuanFu, Patterns) {
  CheckBook(L"《碧淵賦》",
            {
                {"正官格 with 偏財",
                 [](CraftedChart& c) { c.DM(4).truePattern(正官格).hidden(時, 偏財); },
                 "逢官而看財，見財而富貴。出現偏財，少愛正妻偏愛妾。"},
                {"女, 傷官格 and 拱祿格",
                 [](CraftedChart& c) {
                   c.sex(L"女").DM(4).truePattern(傷官格).truePattern(拱祿格).hidden(時, 正財);
                 },
                 "女遇傷官，歸祿得之極貴。傷官逢財而有子。男命傷官須損子，女命傷官定剋夫。"
                 "拱祿夾祿拱貴，爵祿豐榮。"},
                {"六壬趨艮格 and 六乙鼠貴格",
                 [](CraftedChart& c) {
                   c.DM(4).truePattern(六壬趨艮格).truePattern(六乙鼠貴格).hidden(時, 正財);
                 },
                 "壬趨乾(亥)，甲趨艮(寅)，清貴之士。辛朝陽，乙鼠貴，文學之臣。"},
            });
}

// The same chart at S = v死 and at S = v旺: the sentences of a weak day master give way to the one
// of a strong one.
TEST(BiYuanFu, WeakAndStrongDayMaster) {
  const auto chart = [](int strength) {
    return [strength](CraftedChart& c) {
      c.sex(L"男").DM(strength).truePattern(偏財格).TG(正官, 1).TG(偏官, 1).TG(偏財, 3);
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
}  // namespace interpretation
