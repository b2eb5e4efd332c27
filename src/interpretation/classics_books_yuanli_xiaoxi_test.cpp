#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;
using K = CraftedChart;

TEST(WuXingYuanLiXiaoXiFu, SentencesAndTheirTests) {
  CheckSentences(
      WuXingYuanLiXiaoXiFu,
      {
          {"strong with 偏官格", [](K& k) { k.DM(8).truePattern(偏官格); },
           L"平生為富為貴、身殺兩停，大貴者用財而不用官、當權者用殺而不用印。"},
          {"相 with 正官格", [](K& k) { k.DM(5).truePattern(正官格); },
           L"平生為富為貴、身殺兩停，大貴者用財而不用官、當權者用殺而不用印。", false},
          {"庚辛 3 and 壬癸 3", [](K& k) { k.stems(庚, 2).stems(辛, 1).stems(壬, 1).stems(癸, 2); },
           L"金水聰明而好色。"},
          {"戊己 3 and 壬癸 3", [](K& k) { k.stems(戊, 3).stems(壬, 3); }, L"水土混雜必多愚。"},
          {"庚辛 3, 戊己 3 and 壬癸 3: the first only",
           [](K& k) { k.stems(庚, 3).stems(戊, 3).stems(壬, 3); }, L"水土混雜必多愚。", false},
          // 庚 辛 庚 壬 with hidden water only: one stem of water.
          {"庚 辛 庚 壬", [](K& k) { k.stems(庚, 2).stems(辛, 1).stems(壬, 1).allStems(癸, 3); },
           L"金水聰明而好色。", false},
          {"庚 辛 庚 壬, second",
           [](K& k) { k.stems(庚, 2).stems(辛, 1).stems(壬, 1).allStems(癸, 3); },
           L"水土混雜必多愚。", false},
          {"男 with 羊刃 2", [](K& k) { k.sex(L"男").star(羊刃, 2); }, L"男多羊刃必重婚。"},
          {"男 with 羊刃 1 and 傷官格",
           [](K& k) { k.sex(L"男").star(羊刃, 1).truePattern(傷官格); }, L"女犯傷官須再嫁。",
           false},
          {"女 with 羊刃 2 and 傷官格",
           [](K& k) { k.sex(L"女").star(羊刃, 2).truePattern(傷官格); }, L"女犯傷官須再嫁。"},
          {"男 with 羊刃 2 and 傷官格, woman's sentence",
           [](K& k) { k.sex(L"男").star(羊刃, 2).truePattern(傷官格); }, L"女犯傷官須再嫁。",
           false},
          {"傷官格 without 財", [](K& k) { k.truePattern(傷官格); }, L"傷官無財可恃、雖巧必貧。"},
          {"day 丙子, hour 辛卯", [](K& k) { k.pillars(L"甲子", L"甲子", L"丙子", L"辛卯"); },
           L"丙子辛卯相逢、荒淫滾浪。"},
          {"day 辛卯, year 丙子", [](K& k) { k.pillars(L"丙子", L"甲子", L"辛卯", L"甲子"); },
           L"丙子辛卯相逢、荒淫滾浪。"},
          {"year 丙子, hour 辛卯", [](K& k) { k.pillars(L"丙子", L"甲子", L"甲子", L"辛卯"); },
           L"丙子辛卯相逢、荒淫滾浪。", false},
          {"子午卯酉",
           [](K& k) { k.branches(子, 1).branches(午, 1).branches(卯, 1).branches(酉, 1); },
           L"子午卯酉全備、酒色昏迷。"},
          {"戌 and 亥", [](K& k) { k.branches(戌, 1).branches(亥, 1); },
           L"平生敬信神祇、造化因逢戍亥。"},
          {"財印 all four",
           [](K& k) { k.hidden(年, 正印).hidden(年, 偏印).hidden(月, 正財).stemGod(時, 偏財); },
           L"財印混雜、終為困窮；偏正濁亂、必致傷殘。"},
          {"day 卯, hour 辰, 亥 in the year",
           [](K& k) { k.pillars(L"乙亥", L"甲子", L"丁卯", L"甲辰").branches(亥, 1); },
           L"龍藏亥卯、經商利絡絲綿。"},
          {"day 卯, hour 辰, no 亥", [](K& k) { k.pillars(L"乙丑", L"甲子", L"丁卯", L"甲辰"); },
           L"龍藏亥卯、經商利絡絲綿。", false},
          {"day 卯 without 辰",
           [](K& k) { k.pillars(L"乙亥", L"甲子", L"丁卯", L"甲子").branches(亥, 1); },
           L"龍藏亥卯、經商利絡絲綿。", false},
          {"day 丁巳", [](K& k) { k.pillar(日, L"丁巳"); }, L"丁巳孤鸞、合作聰明詩女。"},
          {"女 at 沐浴", [](K& k) { k.sex(L"女").stage(日, L"沐浴"); }, L"日犯裸形沐浴。"},
          {"男 at 沐浴", [](K& k) { k.sex(L"男").stage(日, L"沐浴"); }, L"日犯裸形沐浴。", false},
          {"食神 stem with 偏印", [](K& k) { k.stemGod(年, 食神).hidden(日, 偏印); },
           L"老壽無終、丁逢卯木遇己土、梟食之人。"},
          {"hidden 食神 with 偏印", [](K& k) { k.hidden(年, 食神).hidden(日, 偏印); },
           L"老壽無終、丁逢卯木遇己土、梟食之人。", false},
          {"month 偏官 with 財 on the month stem",
           [](K& k) { k.hidden(月, 偏官).stemGod(月, 正財); }, L"財臨殺地、父死而不歸家。"},
          {"hour 偏官 with 財 on the year stem", [](K& k) { k.hidden(時, 偏官).stemGod(年, 正財); },
           L"財臨殺地、父死而不歸家。", false},
          {"八專", [](K& k) { k.star(八專, 1); }, L"八專日支同類、殺年殺運生災。"},
      });
}

TEST(WuXingYuanLiXiaoXiFu, ReturningSalaryWithAndWithoutWealth) {
  CraftedChart poor;
  poor.truePattern(歸祿格);
  EXPECT_EQ(BookSays(WuXingYuanLiXiaoXiFu, poor), "無財歸祿必須貧。");
  CraftedChart rich;
  rich.truePattern(歸祿格).hidden(時, 偏財);
  EXPECT_EQ(BookSays(WuXingYuanLiXiaoXiFu, rich), "日祿歸時見財、則清高富貴。歸祿有財而獲福。");
}

TEST(WuXingYuanLiXiaoXiFu, SentencesWithAnEnding) {
  struct Case {
    std::string name;
    std::function<void(K&)> chart;
    std::string expected;
  };
  const Case cases[] = {
      {"亥 and 酉, the month with both 財",
       [](K& k) { k.branches(亥, 1).branches(酉, 1).hidden(月, 正財).hidden(月, 偏財); },
       "亥乃神漿、遇酉金嗜杯之客，財逢旺地人多富。"},
      {"亥 and 酉, the month with 正財 only",
       [](K& k) { k.branches(亥, 1).branches(酉, 1).hidden(月, 正財); },
       "亥乃神漿、遇酉金嗜杯之客。"},
      {"正官 at 長生 with 劫財 and 偏財 on stems",
       [](K& k) { k.hidden(日, 正官).stage(日, L"長生").stemGod(年, 劫財).stemGod(時, 偏財); },
       "官遇長生命必榮，丁生酉金、丙辛遇之絕嗣。"},
      {"正官 at 長生 with hidden 偏財",
       [](K& k) { k.hidden(日, 正官).stage(日, L"長生").stemGod(年, 劫財).hidden(時, 偏財); },
       "官遇長生命必榮。"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    CraftedChart k;
    row.chart(k);
    EXPECT_EQ(BookSays(WuXingYuanLiXiaoXiFu, k), row.expected);
  }
}

TEST(XiJi, SentencesAndTheirTests) {
  CheckSentences(
      XiJi,
      {
          {"hour 偏官, 相", [](K& k) { k.hidden(時, 偏官).DM(5); },
           L"若乃時逢七殺，見之未必為凶；月制干強，七殺反為權印"},
          {"hour 偏官, 休", [](K& k) { k.hidden(時, 偏官).DM(3); },
           L"若乃時逢七殺，見之未必為凶；月制干強，七殺反為權印", false},
          {"month branch 偏官", [](K& k) { k.hidden(月, 偏官); },
           L"五行遇月支偏官，歲月時中亦宜制伏；類有去官留殺，亦有去殺留官。"},
          {"month stem 偏官", [](K& k) { k.stemGod(月, 偏官); },
           L"五行遇月支偏官，歲月時中亦宜制伏；類有去官留殺，亦有去殺留官。", false},
          {"weakest, hour 羊刃", [](K& k) { k.DM(1).list(時, 羊刃); },
           L"日干無氣，時逢羊刃不為凶。"},
          {"hour 劫財 and 羊刃", [](K& k) { k.stemGod(時, 劫財).list(時, 羊刃); },
           L"劫財羊刃，切忌時逢；歲運併臨，災殃立至。"},
          {"hour 劫財, day 羊刃", [](K& k) { k.stemGod(時, 劫財).list(日, 羊刃); },
           L"劫財羊刃，切忌時逢；歲運併臨，災殃立至。", false},
          {"day 正官 with the day joining the month",
           [](K& k) { k.hidden(日, 正官).BR(月日, L"合土"); }, L"地支天干合多，亦云貪合忘官"},
          {"month stem 正官 joining the year", [](K& k) { k.stemGod(月, 正官).SR(年月, L"合"); },
           L"地支天干合多，亦云貪合忘官"},
          {"year 正官 joining nothing, the day and hour joining",
           [](K& k) { k.hidden(年, 正官).BR(日時, L"合土").SR(日時, L"合"); },
           L"地支天干合多，亦云貪合忘官", false},
          {"偏官 in all four",
           [](K& k) { k.stemGod(年, 偏官).hidden(月, 偏官).hidden(日, 偏官).hidden(時, 偏官); },
           L"四柱殺旺運純，身旺為官清貴。"},
          {"女, one 正官 and no 偏官", [](K& k) { k.sex(L"女").hidden(年, 正官); },
           L"無殺女人之命，一貴可作良人。"},
          {"女, two 正官", [](K& k) { k.sex(L"女").hidden(年, 正官, 2); },
           L"無殺女人之命，一貴可作良人。", false},
          {"傷官 in all four",
           [](K& k) { k.stemGod(年, 傷官).stemGod(月, 傷官).hidden(日, 傷官).stemGod(時, 傷官); },
           L"四柱傷官，運入官鄉必破。"},
      });
}

TEST(ZiPingFanLun, SentencesAndTheirTests) {
  CheckSentences(
      ZiPingFanLun,
      {
          {"傷官格 candidate", [](K& k) { k.candidate(傷官格); }, LongSentence(L"《子平泛論》", 1)},
          {"three 戊 and one 癸", [](K& k) { k.stems(戊, 3).stems(癸, 1); },
           L"三戊合一癸，得再嫁妻財，受剋生子無育。"},
          {"two 戊 and one 癸", [](K& k) { k.stems(戊, 2).stems(癸, 1); },
           L"三戊合一癸，得再嫁妻財，受剋生子無育。", false},
          {"比肩 and 印", [](K& k) { k.hidden(年, 比肩).hidden(日, 正印); },
           L"印綬比肩，不忌財鄉。"},
          {"比肩 and 印 5 with one on a stem",
           [](K& k) { k.hidden(年, 比肩).hidden(日, 正印, 4).stemGod(月, 偏印); },
           L"印綬多根，身旺必滯。"},
          {"印 5 on stems without 比肩", [](K& k) { k.hidden(日, 正印, 4).stemGod(月, 偏印); },
           L"印綬多根，身旺必滯。", false},
          {"比肩 and 印 5 hidden", [](K& k) { k.hidden(年, 比肩).hidden(日, 正印, 5); },
           L"印綬多根，身旺必滯。", false},
          {"hour 戊寅", [](K& k) { k.pillars(L"甲子", L"甲子", L"甲子", L"戊寅"); },
           L"辛卯戊寅，不怕殺合。"},
          {"女, day 比肩 with the day and hour joining",
           [](K& k) { k.sex(L"女").hidden(日, 比肩).BR(日時, L"合土"); },
           L"女命比肩即姐妹，貪合多謊詐，財有卻不怕露殺。"},
          {"男, day 比肩 with the day and hour joining",
           [](K& k) { k.sex(L"男").hidden(日, 比肩).BR(日時, L"合土"); },
           L"女命比肩即姐妹，貪合多謊詐，財有卻不怕露殺。", false},
          {"女, month stem 比肩 joining the year",
           [](K& k) { k.sex(L"女").stemGod(月, 比肩).SR(月年, L"合"); },
           L"女命比肩即姐妹，貪合多謊詐，財有卻不怕露殺。"},
          {"day 丁 in 午", [](K& k) { k.pillars(L"", L"甲午", L"丁丑", L""); },
           L"火命人最好月支屬火，干頭有木，提出火矣。"},
          {"day 丁 in 未", [](K& k) { k.pillars(L"", L"甲未", L"丁丑", L""); },
           L"火命人最好月支屬火，干頭有木，提出火矣。", false},
          {"day 癸酉, 囚", [](K& k) { k.pillar(日, L"癸酉").DM(2); },
           L"癸酉弱格，見殺必凶。官貴太甚，旺處必傾。"},
          {"day 癸酉, 休", [](K& k) { k.pillar(日, L"癸酉").DM(3); },
           L"癸酉弱格，見殺必凶。官貴太甚，旺處必傾。", false},
      });
}

TEST(ZiPingFanLun, TheLongSentenceIsTheSourcedOne) {
  const std::wstring_view sentence = LongSentence(L"《子平泛論》", 1);
  EXPECT_EQ(sentence.size(), 68u);
  EXPECT_TRUE(sentence.starts_with(L"傷官若傷盡，卻喜見官"));
  EXPECT_TRUE(sentence.ends_with(L"見官，印運不妨。"));
}

TEST(ZiPingJuYao, SentencesAndTheirTests) {
  CheckSentences(
      ZiPingJuYao,
      {
          {"正官 on a stem, 偏官 hidden", [](K& k) { k.stemGod(年, 正官).hidden(年, 偏官); },
           L"露官藏殺方為福。"},
          {"偏官 on a stem, 正官 hidden", [](K& k) { k.stemGod(年, 偏官).hidden(年, 正官); },
           L"露殺藏官是禍胎。"},
          {"官殺, year 正官 stem joining the month",
           [](K& k) { k.stemGod(年, 正官).hidden(時, 偏官).SR(年月, L"合"); }, L"貪合忘官榮不足。"},
          {"官殺, year 正官 stem, the month joining the year",
           [](K& k) { k.stemGod(年, 正官).hidden(時, 偏官).SR(月年, L"合"); }, L"貪合忘官榮不足。",
           false},
          {"官殺, hour 正官 branch joining the day",
           [](K& k) { k.hidden(時, 正官).hidden(年, 偏官).BR(時日, L"合水破"); },
           L"貪合忘官榮不足。"},
          {"官殺, hour 偏官 branch joining the day",
           [](K& k) { k.hidden(年, 正官).hidden(時, 偏官).BR(時日, L"合水"); },
           L"貪合忘殺為己福。"},
          {"偏官 alone joining", [](K& k) { k.hidden(時, 偏官).BR(時日, L"合水"); },
           L"貪合忘殺為己福。", false},
          {"year stem 傷官", [](K& k) { k.stemGod(年, 傷官); },
           L"年上傷官最可嫌，重怕傷官不可益。"},
          {"傷官格 candidate, one 正官 outside the month",
           [](K& k) { k.candidate(傷官格).hidden(年, 正官); }, L"傷官用財乃為福，財絕官衰禍亦然。"},
          {"傷官格 candidate, 正官 in the month",
           [](K& k) { k.candidate(傷官格).hidden(月, 正官); }, L"傷官用財乃為福，財絕官衰禍亦然。",
           false},
          {"weak, 財 3, 官殺 3", [](K& k) { k.DM(2).hidden(年, 正財, 3).hidden(月, 正官, 3); },
           L"堪嗟身弱並財多，更歷官鄉禍相逐。財多身弱食神來，財多生殺必為災。"},
          {"weak, 財 3, 食神 and 偏官",
           [](K& k) { k.DM(2).hidden(年, 正財, 3).hidden(月, 食神).stemGod(時, 偏官); },
           L"堪嗟身弱並財多，更歷官鄉禍相逐。財多身弱食神來，財多生殺必為災。"},
          {"weak, 財 3, 食神 and 正官",
           [](K& k) { k.DM(2).hidden(年, 正財, 3).hidden(月, 食神).stemGod(時, 正官); },
           L"堪嗟身弱並財多，更歷官鄉禍相逐。財多身弱食神來，財多生殺必為災。", false},
      });
}

}  // namespace
}  // namespace interpretation
