#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;
using K = CraftedChart;

TEST(YaQuanNuMingFu, SentencesAndTheirTests) {
  CheckSentences(
      YaQuanNuMingFu,
      {
          {"weak with 正官格 candidate", [](K& k) { k.DM(2).candidate(正官格); },
           L"凡觀女命，身弱為奇，官星得氣得祿得財稱美。"},
          {"正官 over 傷官, no 偏官", [](K& k) { k.hidden(年, 正官, 2).hidden(時, 傷官); },
           L"無煞混官，定配賢郎。"},
          {"正官 as many as 傷官", [](K& k) { k.hidden(年, 正官).hidden(時, 傷官); },
           L"無煞混官，定配賢郎。", false},
          {"no 官殺, 正財格 candidate", [](K& k) { k.candidate(正財格); },
           L"無官便要看財星，財旺生官富貴。"},
          {"偏官 with 正財格 candidate", [](K& k) { k.candidate(正財格).hidden(年, 偏官); },
           L"無官便要看財星，財旺生官富貴。", false},
          {"食神 in a branch at 墓", [](K& k) { k.hidden(時, 食神).stage(時, L"墓"); },
           L"食神入墓子必死。"},
          {"食神 on a stem at 墓", [](K& k) { k.stemGod(時, 食神).stage(時, L"墓"); },
           L"食神入墓子必死。", false},
          {"正官 in a branch at 墓", [](K& k) { k.hidden(日, 正官).stage(日, L"墓"); },
           L"官星入墓夫先亡。"},
          {"傷官 4 with 財", [](K& k) { k.hidden(年, 傷官, 4).hidden(日, 正財); },
           L"傷官太多更逢財，一對鴛鴦兩拆開。"},
          {"戊己 4", [](K& k) { k.stems(戊, 2).stems(己, 2); },
           L"幹頭戊己重重見，心內聰明欠主裁。"},
          {"戊己 3", [](K& k) { k.stems(戊, 2).stems(己, 1); }, L"幹頭戊己重重見，心內聰明欠主裁。",
           false},
          {"正桃 with 正官", [](K& k) { k.list(年, 正桃).stemGod(年, 正官); },
           L"子午卯酉是桃花，官帶桃花福祿加。"},
          {"桃煞 with 偏官", [](K& k) { k.list(時, 桃煞).hidden(時, 偏官); },
           L"殺帶桃花貧且賤，為娼作妓走天涯。"},
      });
}

TEST(YaQuanNuMingFu, OnlyForWomen) {
  const auto judged = [](const wchar_t* sex) {
    auto chart = ChartOfPillars(L"", L"", L"", L"");
    chart->sexText = sex;
    chart->stemCounts[戊] = 4;
    return U8(ClassicsJudgement(*chart, kBookValues));
  };
  EXPECT_NE(judged(L"女").find("《崖泉女命賦》幹頭戊己重重見，心內聰明欠主裁。<br>"),
            std::string::npos);
  EXPECT_EQ(judged(L"男").find("《崖泉女命賦》"), std::string::npos);
  EXPECT_EQ(judged(L"").find("《崖泉女命賦》"), std::string::npos);
}

TEST(QiTa, SentencesAndTheirTests) {
  const auto weights = [](int fire, int water) {
    return [fire, water](K& k) {
      k.chart().stemWeights[丙] = fire;
      k.chart().stemWeights[癸] = water;
    };
  };
  CheckSentences(
      QiTa,
      {
          {"卷舌, 休", [](K& k) { k.star(卷舌, 1).DM(3); },
           L"出現卷舌，先天表達能力不佳、口吃或啞；或後天破財災病傷滯身。"},
          {"卷舌, 相", [](K& k) { k.star(卷舌, 1).DM(5); },
           L"出現卷舌，先天表達能力不佳、口吃或啞；或後天破財災病傷滯身。", false},
          {"fire 10, no water", weights(10, 0), L"火多無水，眼或身易有疾。"},
          {"fire 9, no water", weights(9, 0), L"火多無水，眼或身易有疾。", false},
          {"fire 8 over water 2", weights(8, 2), L"火遠多於水，眼或身易有疾。"},
          {"fire 7 over water 2", weights(7, 2), L"火遠多於水，眼或身易有疾。", false},
          {"water 10, no fire", weights(0, 10), L"水多無火，眼或身易有疾。"},
          {"water 10 over fire 2", weights(2, 10), L"水遠多於火，眼或身易有疾。"},
          {"water 9 over fire 2", weights(2, 9), L"水遠多於火，眼或身易有疾。", false},
          {"魁罡, 女", [](K& k) { k.star(魁罡, 1).sex(L"女"); },
           L"魁罡日所生女命皆忌，婚姻都不順利。"},
          {"魁罡, 男", [](K& k) { k.star(魁罡, 1).sex(L"男"); },
           L"魁罡日所生女命皆忌，婚姻都不順利。", false},
          {"財 stem overcome by the day", [](K& k) { k.SR(日年, L"剋").stemGod(年, 偏財); },
           L"財被剋，或貧窮，或夫妻離散，或父早亡。"},
          {"財 stem of the month overcome by the year",
           [](K& k) { k.SR(年月, L"剋").stemGod(月, 正財); },
           L"財被剋，或貧窮，或夫妻離散，或父早亡。"},
          {"the year overcome, the month's stem 財",
           [](K& k) { k.SR(日年, L"剋").stemGod(月, 正財); },
           L"財被剋，或貧窮，或夫妻離散，或父早亡。", false},
          {"劫財 on stem and branch", [](K& k) { k.stemGod(年, 劫財).hidden(日, 劫財); },
           L"天干見劫財或劫財重，遇劫財大運流年時，好賭。"},
          {"劫財 on stem and branch, strong",
           [](K& k) { k.stemGod(年, 劫財).hidden(日, 劫財).DM(8); }, L"身又強，則個性剛強。"},
          {"劫財 hidden twice, strong", [](K& k) { k.hidden(日, 劫財, 2).DM(8); },
           L"身又強，則個性剛強。", false},
          {"比肩 on two stems", [](K& k) { k.stemGod(年, 比肩).stemGod(時, 比肩); },
           L"天干兄弟二三，江湖兄弟。"},
          {"傷官 on two stems", [](K& k) { k.stemGod(年, 傷官).stemGod(月, 傷官); },
           L"天干傷官二三，江湖行走。"},
          {"食神 on stem and branch", [](K& k) { k.stemGod(年, 食神).hidden(月, 食神); },
           L"天干地支皆有食神，好嘗美食。"},
          {"day-hour 沖 and day-month stem 剋", [](K& k) { k.BR(日時, L"沖").SR(月日, L"剋"); },
           L"日時相衝剋，日月又衝相剋；若流年大運衝剋日主，須防病重、重傷、死亡意外等。"},
          {"day-hour 沖 only", [](K& k) { k.BR(日時, L"沖"); },
           L"日時相衝剋，日月又衝相剋；若流年大運衝剋日主，須防病重、重傷、死亡意外等。", false},
          {"hour-day 害", [](K& k) { k.BR(時日, L"害"); },
           L"日時地支見破害，須防病重、重傷、死亡意外等。"},
          {"day-month 破", [](K& k) { k.BR(日月, L"破"); },
           L"日與時月地支見破害，須防病重、重傷、死亡意外等。"},
          {"day-month 合水破", [](K& k) { k.BR(日月, L"合水破"); },
           L"日與時月地支見破害，須防病重、重傷、死亡意外等。", false},
          {"印 in all four",
           [](K& k) { k.stemGod(年, 正印).hidden(月, 偏印).hidden(日, 正印).stemGod(時, 偏印); },
           L"四柱純印主孤獨。"},
          {"日德 and 魁罡", [](K& k) { k.star(日德, 1).star(魁罡, 1); },
           L"日德不喜見魁罡，化成煞曜最難當。"},
          {"羊刃 with 正官", [](K& k) { k.list(月, 羊刃).hidden(月, 正官); },
           L"羊刃之辰怕官，刑衝破害禍千端。大嫌財旺居三合，斷指傷殘體不完。"},
          {"羊刃", [](K& k) { k.star(羊刃, 1); },
           L"羊刃嫌衝合歲君，流年遇此主災迍；三刑七煞如交遇，必定閰王出引尋。"},
          {"七煞羊刃格", [](K& k) { k.truePattern(七煞羊刃格); },
           L"羊刃七煞墓官鄉，偏怕刑衝祿不昌；會合若逢財旺地，須防災禍及身殃。"},
          {"正官 4", [](K& k) { k.hidden(年, 正官, 4); }, L"正官過多同七煞。"},
          {"食神 4", [](K& k) { k.hidden(年, 食神, 4); }, L"食神過多同傷官。"},
          {"休 with malefic 7", [](K& k) { k.DM(3).star(空亡, 4).star(災煞, 3); },
           L"身弱煞神多，意外病重要小心。"},
          {"休 with malefic 8 and a 陰貴",
           [](K& k) { k.DM(3).star(空亡, 4).star(災煞, 4).star(陰貴, 1); },
           L"身弱煞神多，意外病重要小心。", false},
          {"相 with malefic 7", [](K& k) { k.DM(5).star(空亡, 4).star(災煞, 3); },
           L"身弱煞神多，意外病重要小心。", false},
          {"火大土燥 with one 癸",
           [](K& k) { k.stems(丙, 1).allStems(丙, 3).allStems(戊, 3).allStems(癸, 1); },
           L"火大土燥癸水乾防目盲。"},
      });
}

// The 魁罡 descriptions, each pillar's own, with their endings, and the sentence of one 魁罡
// pillar after them.
TEST(QiTa, KuiGangDescriptions) {
  struct Case {
    std::string name;
    std::function<void(K&)> chart;
    std::string expected;
  };
  const Case cases[] = {
      {"day 庚辰 with 沖", [](K& k) { k.pillar(日, L"庚辰").list(日, 魁罡).BR(日月, L"沖"); },
       "日干支庚辰為金魁罡，多好議論，公義過度，好管閒事；逢刑沖，則擅言辭譏評他人之事，而易發事端"
       "。"
       "一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。"},
      {"day 庚辰 with 衝 only", [](K& k) { k.pillar(日, L"庚辰").list(日, 魁罡).BR(日月, L"衝"); },
       "日干支庚辰為金魁罡，多好議論，公義過度，好管閒事。"
       "一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。"},
      {"year 壬辰 without 刑 or 沖", [](K& k) { k.pillar(年, L"壬辰").list(年, 魁罡); },
       "年干支壬辰為水魁罡，富有急智之心性;。一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。"},
      {"year 壬辰 with the month 刑",
       [](K& k) { k.pillar(年, L"壬辰").list(年, 魁罡).BR(月年, L"刑"); },
       "年干支壬辰為水魁罡，富有急智之心性;逢刑沖，其性格具有攻擊性，常因不冷靜而易發奇禍。"
       "一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。"},
      {"day 壬辰 without 刑 or 沖", [](K& k) { k.pillar(日, L"壬辰").list(日, 魁罡); },
       "日干支壬辰為水魁罡，富有急智之心性。。一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。"},
      {"hour 壬辰 with the day 沖",
       [](K& k) { k.pillar(時, L"壬辰").list(時, 魁罡).BR(日時, L"沖"); },
       "時干支壬辰為水魁罡，富有急智之心性；逢刑沖，其性格具有攻擊性，常因不冷靜而易發奇禍"
       "一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。"},
      {"month 戊戌 with the day 刑, hour 庚戌 with 刑 only to the month",
       [](K& k) {
         k.pillars(L"", L"戊戌", L"", L"庚戌")
             .list(月, 魁罡)
             .list(時, 魁罡)
             .BR(月日, L"刑")
             .BR(月時, L"刑");
       },
       "月干支戊戌為土魁罡，有沉默、堅毅之心性，少言而心明；逢刑沖，則好自譏自嘲，言辭銳利，視金錢"
       "為要事。"
       "時干支庚戌為金魁罡，多好議論，公義過度，好管閒事。"},
      {"a 魁罡 pillar of no description", [](K& k) { k.pillar(年, L"甲子").list(年, 魁罡); },
       "一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。"},
      {"魁罡 counted but listed nowhere", [](K& k) { k.pillar(日, L"庚辰").star(魁罡, 1); }, ""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    CraftedChart k;
    k.DM(5);  // no sentence of strength or weakness
    row.chart(k);
    EXPECT_EQ(BookSays(QiTa, k), row.expected);
  }
}

TEST(QiTa, DoubleKuiGangClash) {
  struct Case {
    const wchar_t *year, *month, *day, *hour;
    int appended;
  };
  const Case cases[] = {
      {L"壬辰", L"戊戌", L"壬辰", L"甲子", 2},  // day-month and month-year
      {L"甲子", L"甲子", L"戊戌", L"壬辰", 1},
      {L"甲子", L"壬辰", L"戊戌", L"戊戌", 1},  // the day with the month or the hour: once
      {L"戊戌", L"壬辰", L"甲子", L"甲子", 1},
      {L"壬辰", L"甲子", L"戊戌", L"甲子", 0},  // day and year are not paired
  };
  const std::string sentence = "壬辰魁罡忌與戊戌魁罡雙沖。";
  for (const Case& row : cases) {
    SCOPED_TRACE(U8(row.year) + U8(row.month) + U8(row.day) + U8(row.hour));
    for (int kuiGang : {1, 2}) {
      CraftedChart k;
      k.pillars(row.year, row.month, row.day, row.hour).DM(5).star(魁罡, kuiGang);
      const std::string text = BookSays(QiTa, k);
      int found = 0;
      for (auto at = text.find(sentence); at != std::string::npos;
           at = text.find(sentence, at + 1)) {
        ++found;
      }
      EXPECT_EQ(found, kuiGang >= 2 ? row.appended : 0);
    }
  }
}

}  // namespace
}  // namespace interpretation
