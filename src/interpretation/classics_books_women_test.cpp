#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;
using K = CraftedChart;

// The frame flags in their chart order 水 木 火 金 土.
void Frames(K& k, std::array<int, 5> flags) { k.chart().threeHarmonyFlags = flags; }

TEST(NuMingJianGe, ReversedPeachBlossom) {
  const std::string tail = "倒插桃花色更艷，日時月里反朝年。風流倜儻人妒忌，性巧聰明多淑賢。";
  struct Case {
    const wchar_t* year;
    std::array<int, 5> frames;
    std::string expected;
  };
  const Case cases[] = {
      {L"甲子", {0, 1, 0, 0, 0}, "年支為子，月日時三支成亥卯未三合木局，為倒插桃花。" + tail},
      {L"甲子", {1, 1, 0, 0, 0}, "年支為子，月日時三支成亥卯未三合木局，為倒插桃花。" + tail},
      {L"甲午", {0, 0, 0, 1, 0}, "年支為午，月日時三支成巳酉丑三合金局，為倒插桃花。" + tail},
      {L"甲卯", {0, 0, 1, 0, 0}, "年支為卯，月日時三支成寅午戌三合火局，為倒插桃花。" + tail},
      {L"甲酉", {1, 0, 0, 0, 0}, "年支為酉，月日時三支成申子辰三合水局，為倒插桃花。" + tail},
      {L"甲子", {1, 0, 1, 1, 1}, ""},
      {L"甲丑", {1, 1, 1, 1, 1}, ""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(U8(row.year));
    CraftedChart k(row.year);
    Frames(k, row.frames);
    EXPECT_EQ(BookSays(NuMingJianGe, k), row.expected);
    const ChartNotation c(k.chart(), kBookValues);
    BookText w;
    NuMingJianGe(c, w);
    EXPECT_EQ(w.text().size(), row.expected.empty() ? 0u : 57u);  // one sentence of 57
  }
}

TEST(NuMingZongDuanGe, PostHorseWithANoble) {
  CheckSentences(
      NuMingZongDuanGe,
      {
          {"驛馬 with 陰貴", [](K& k) { k.list(月, 驛馬).list(月, 陰貴); },
           L"驛馬帶貴人，終久落風塵。"},
          {"驛馬 with 陽貴, 官 財 and 印 without 印",
           [](K& k) { k.list(時, 驛馬).list(時, 陽貴).hidden(年, 正官).hidden(月, 正財); },
           L"驛馬帶貴人，終久落風塵。"},
          {"驛馬 with 陽貴, 官 財 and 印",
           [](K& k) {
             k.list(時, 驛馬).list(時, 陽貴).hidden(年, 正官).hidden(月, 正財).hidden(日, 正印);
           },
           L"驛馬帶貴人，終久落風塵。", false},
          {"驛馬 and 陰貴 apart", [](K& k) { k.list(年, 驛馬).list(月, 陰貴); },
           L"驛馬帶貴人，終久落風塵。", false},
      });
}

TEST(NuMingShiJue, SentencesAndTheirTests) {
  CheckSentences(
      NuMingShiJue,
      {
          {"官 財 印", [](K& k) { k.hidden(年, 正官).hidden(月, 偏財).hidden(日, 偏印); },
           L"財官印綬三般物，女命逢之必旺夫。"},
          {"相, 偏官 2", [](K& k) { k.DM(5).hidden(年, 偏官, 2); },
           L"不犯殺多無混雜，身強制伏有稱呼。"},
          {"相, 偏官 3", [](K& k) { k.DM(5).hidden(年, 偏官, 3); },
           L"不犯殺多無混雜，身強制伏有稱呼。", false},
          {"傷官格 with 傷官 on the month's stem and branch",
           [](K& k) { k.truePattern(傷官格).stemGod(月, 傷官).hidden(月, 傷官); },
           L"局中若見傷官透，必作堂前使喚人。"},
          {"傷官 on the month's stem and branch without 傷官格",
           [](K& k) { k.stemGod(月, 傷官).hidden(月, 傷官); }, L"局中若見傷官透，必作堂前使喚人。",
           false},
          {"傷官格 with 傷官 on the year stem and month branch",
           [](K& k) { k.truePattern(傷官格).stemGod(年, 傷官).hidden(月, 傷官); },
           L"局中若見傷官透，必作堂前使喚人。", false},
          {"a stem 合 with 正官", [](K& k) { k.relations(stem合, 1).hidden(年, 正官); },
           L"有夫帶合須還正。"},
          {"a stem 合 alone", [](K& k) { k.relations(stem合, 1); }, L"有合無夫定是偏。"},
          {"no 合", [](K&) {}, L"有合無夫定是偏。", false},
          {"weak, 官殺 4", [](K& k) { k.DM(2).hidden(年, 正官, 2).hidden(月, 偏官, 2); },
           L"官殺重來成下格。"},
          {"傷官 4 with a frame and a 合",
           [](K& k) { k.hidden(年, 傷官, 4).relations(branch合, 1).chart().hasFrame = 1; },
           L"傷官重合不須言。"},
          {"傷官 4 with a frame", [](K& k) { k.hidden(年, 傷官, 4).chart().hasFrame = 1; },
           L"傷官重合不須言。", false},
          {"正桃 with 正官", [](K& k) { k.list(日, 正桃).hidden(日, 正官); }, L"官帶桃花福壽長。"},
          {"桃煞 with 正官", [](K& k) { k.list(日, 桃煞).hidden(日, 正官); }, L"官帶桃花福壽長。",
           false},
          {"桃煞 with 偏官", [](K& k) { k.list(日, 桃煞).hidden(日, 偏官); }, L"桃花帶殺少禎祥。"},
          {"正桃 with 劫財", [](K& k) { k.list(年, 正桃).stemGod(年, 劫財); }, L"劫比桃花大不良。"},
          {"桃煞 with the year joining the day", [](K& k) { k.star(桃煞, 1).BR(年日, L"合土"); },
           L"合多切忌桃花犯。"},
          {"桃煞 with the year joining the hour", [](K& k) { k.star(桃煞, 1).BR(年時, L"合土"); },
           L"合多切忌桃花犯。", false},
          {"傷官 5", [](K& k) { k.hidden(年, 傷官, 5); }, L"傷官旺處傷夫主，破了傷官損壽元。"},
          {"傷官 4", [](K& k) { k.hidden(年, 傷官, 4); }, L"傷官旺處傷夫主，破了傷官損壽元。",
           false},
          {"井欄叉格", [](K& k) { k.truePattern(井欄叉格); },
           L"飛天祿馬井欄叉，女命逢之福不佳，只好為偏並作妓，有財方可享榮華。"},
      });
}

TEST(NuMingShiJue, HurtingOfficerPatternWithAndWithoutWealthAndSeal) {
  CraftedChart bare;
  bare.truePattern(傷官格);
  EXPECT_EQ(BookSays(NuMingShiJue, bare), "女命傷官福不真，無財無印守孤貧。女命傷官格內嫌。");
  CraftedChart both;
  both.truePattern(傷官格).hidden(年, 偏財).hidden(月, 正印);
  EXPECT_EQ(BookSays(NuMingShiJue, both), "女命傷官格內嫌，帶財帶印福方堅 。");
}

TEST(WomensBooks, OnlyForWomen) {
  const auto judged = [](const wchar_t* sex) {
    auto chart = ChartOfPillars(L"甲子", L"", L"", L"");
    chart->sexText = sex;
    chart->threeHarmonyFlags = {0, 1, 0, 0, 0};
    chart->relationCounts[stem合] = 1;
    chart->starCounts[桃煞] = 1;
    chart->pillars[chart::kMonthPillar].starNames[0] = L"驛馬";
    chart->pillars[chart::kMonthPillar].starNames[1] = L"陰貴";
    chart->branchRelations[日時] = L"合土";
    return U8(ClassicsJudgement(*chart, kBookValues));
  };
  const std::string women = judged(L"女");
  for (const char* title : {"《女命賤格》年支為子", "《女命總斷歌》驛馬帶貴人",
                            "《女命詩訣》有合無夫定是偏。合多切忌桃花犯。<br>"}) {
    EXPECT_NE(women.find(title), std::string::npos) << title;
  }
  for (const wchar_t* sex : {L"男", L"", L"女性"}) {
    const std::string other = judged(sex);
    for (const char* title : {"《女命賤格》", "《女命總斷歌》", "《女命詩訣》"}) {
      EXPECT_EQ(other.find(title), std::string::npos) << title;
    }
  }
}

}  // namespace
}  // namespace interpretation
