#include <gtest/gtest.h>

#include "chart/birth_chart_entry.h"
#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;
using K = CraftedChart;

void YinYang(K& k, const wchar_t* text) { k.chart().yinYangText = text; }

TEST(JiangMingJieJingFu, SentencesAndTheirTests) {
  CheckSentences(
      JiangMingJieJingFu,
      {
          {"weakest", [](K& k) { k.DM(1); },
           L"清濁辨乎貴賤，運限決於榮枯。莫言身弱而為造化之衰，勿以殺多而斷壽年之夭。"},
          {"偏官 3", [](K& k) { k.DM(8).hidden(年, 偏官, 3); },
           L"清濁辨乎貴賤，運限決於榮枯。莫言身弱而為造化之衰，勿以殺多而斷壽年之夭。"},
          {"壬 in 八", [](K& k) { k.pillar(日, L"壬子").chart().lunarMonthText = L"八"; },
           L"壬水喜財官，惟八月逢財則破。"},
          {"壬 in 十八", [](K& k) { k.pillar(日, L"壬子").chart().lunarMonthText = L"十八"; },
           L"壬水喜財官，惟八月逢財則破。", false},
          {"strong with 羊刃", [](K& k) { k.DM(8).star(羊刃, 1); },
           L"身旺無財，縱壽則否，建刃若行財官運，為人必白手成家。"},
          {"month 偏官 on stem and branch", [](K& k) { k.stemGod(月, 偏官).hidden(月, 偏官); },
           L" 殺透天干，歲月怕官而喜制。"},
          {"day branch 偏官 with a stem one", [](K& k) { k.stemGod(年, 偏官).hidden(日, 偏官); },
           L" 殺透天干，歲月怕官而喜制。"},
          {"year stem and month branch 偏官", [](K& k) { k.stemGod(年, 偏官).hidden(月, 偏官); },
           L" 殺透天干，歲月怕官而喜制。", false},
          {"偏官格 candidate", [](K& k) { k.candidate(偏官格); },
           L"殺輕制重，為人到底屯稟。殺重制輕，身旺終鬚髮達。"},
          {"hour 傷官, 男", [](K& k) { k.sex(L"男").hidden(時, 傷官); },
           L"時帶傷官，男命決然損子。"},
          {"hour 傷官, 女", [](K& k) { k.sex(L"女").hidden(時, 傷官); },
           L"時帶傷官，男命決然損子。", false},
          {"hour 印, 女", [](K& k) { k.sex(L"女").stemGod(時, 正印); },
           L"時柱中印綬，女命決定無兒。"},
          {"食傷 3 and 偏印 2",
           [](K& k) { k.hidden(年, 食神, 2).stemGod(時, 傷官).hidden(月, 偏印, 2); },
           L"印綬與食傷重，為人奸吝偏淺，兼作事虛花。"},
          {"hidden 正財", [](K& k) { k.hidden(年, 正財); }, L"正財隱於地支，良賈深藏之士。"},
          {"hidden 正財, 偏財 on a stem", [](K& k) { k.hidden(年, 正財).stemGod(時, 偏財); },
           L"正財隱於地支，良賈深藏之士。", false},
          {"hour stem 偏官, weak", [](K& k) { k.stemGod(時, 偏官).DM(2); },
           L"官殺透於時月，浮潺淺露之人。"},
          {"year stem 偏官, weak", [](K& k) { k.stemGod(年, 偏官).DM(2); },
           L"官殺透於時月，浮潺淺露之人。", false},
          {"金水 5", [](K& k) { k.allStems(庚, 2).allStems(壬, 2).allStems(癸, 1); },
           L"金白水清，聰明特達。"},
          {"土 over 火 by 2", [](K& k) { k.allStems(戊, 2).allStems(己, 1).allStems(丙, 1); },
           L"土多火少，晦性昏朦。"},
          {"土 over 火 by 1", [](K& k) { k.allStems(戊, 2).allStems(丙, 1); },
           L"土多火少，晦性昏朦。", false},
          {"month at 墓 with 官殺",
           [](K& k) { k.stage(月, L"墓").hidden(年, 正官).hidden(時, 偏官); },
           L"月逢墓庫，官殺混雜亦無傷。"},
          {"比肩 and 傷官, 男",
           [](K& k) { k.sex(L"男").stemGod(年, 比肩).hidden(日, 比肩).hidden(時, 傷官, 3); },
           L"干支同而傷官重，害子刑妻。"},
          {"正財格, strong", [](K& k) { k.truePattern(正財格).DM(8); },
           L"財星旺而日主強。興家創業。"},
          {"strong, one hidden 偏官 outside the month", [](K& k) { k.DM(8).hidden(年, 偏官); },
           L"身強殺淺，不宜有制。"},
          {"strong, 偏官 in the month", [](K& k) { k.DM(8).hidden(月, 偏官); },
           L"身強殺淺，不宜有制。", false},
          {"印 4, strong", [](K& k) { k.DM(8).hidden(年, 正印, 4); },
           L"印多身旺，最喜逢財。印綬多而日主旺，子息難成。"},
          {"正官格 with 財 3, strong",
           [](K& k) { k.truePattern(正官格).DM(8).hidden(年, 偏財, 3); },
           L"大抵日主是人之根基，財官為人之祿馬。財官旺而身主強，多主富貴。"},
          {"strong, light 財官", [](K& k) { k.DM(8).hidden(年, 正財).hidden(時, 正官); },
           L"大抵日主是人之根基，財官為人之祿馬。財官輕而日太旺，亦見貧寒。"},
          {"strong, 正財 in the month", [](K& k) { k.DM(8).hidden(月, 正財); },
           L"大抵日主是人之根基，財官為人之祿馬。財官輕而日太旺，亦見貧寒。", false},
          {"印 4", [](K& k) { k.hidden(年, 偏印, 4); }, L"印綬多而宜見殺。"},
          {"傷官 4", [](K& k) { k.hidden(年, 傷官, 4); }, L"傷官重而不忌官。"},
          {"one 食神, 女", [](K& k) { k.sex(L"女").hidden(年, 食神); },
           L"一位食神，富貴賢良之女。"},
          {"two 食神, 女", [](K& k) { k.sex(L"女").hidden(年, 食神, 2); },
           L"一位食神，富貴賢良之女。", false},
          {"金水 7, 女", [](K& k) { k.sex(L"女").allStems(辛, 4).allStems(壬, 3); },
           L"滿盤金水，淫邪智慧之人。"},
          {"官殺 with 財 3, 女",
           [](K& k) { k.sex(L"女").hidden(年, 正官).hidden(月, 偏官).hidden(時, 正財, 3); },
           L"官殺混而財星多，夫多重疊。"},
          {"印 4, strong, 女", [](K& k) { k.sex(L"女").DM(8).hidden(年, 偏印, 4); },
           L"印綬多而日主旺，子息難成。"},
          {"乙 in 丑", [](K& k) { k.pillars(L"", L"甲丑", L"乙卯", L""); },
           L"甲乙木生丑月，必主光亨。"},
          {"癸 in 申", [](K& k) { k.pillars(L"", L"甲申", L"癸卯", L""); },
           L"壬癸水值孟秋，終當富貴。"},
          {"a stem 合 and 辰", [](K& k) { k.relations(stem合, 1).branches(辰, 1); },
           L"四柱中有辰龍，方為得化。"},
          {"辰 without 合", [](K& k) { k.branches(辰, 1); }, L"四柱中有辰龍，方為得化。", false},
          {"no 比劫", [](K&) {},
           L"三元內無比劫，可作得從。從殺者必然富貴，從財者定主富豪。棄命無從，決然夭壽。"},
          {"a 劫財", [](K& k) { k.hidden(年, 劫財); },
           L"三元內無比劫，可作得從。從殺者必然富貴，從財者定主富豪。棄命無從，決然夭壽。", false},
      });
}

// The chain of the season sentences appends at most one, the first case whose day stem and month
// fit deciding, and the luck direction choosing whether that case says anything.
TEST(JiangMingJieJingFu, SeasonChain) {
  struct Case {
    const wchar_t *sex, *yinYang, *day, *month;
    std::string expected;
  };
  const Case cases[] = {
      {L"男", L"陰", L"壬子", L"甲午", "壬癸生巳午月，逆運當主榮華。"},
      {L"女", L"陽", L"癸子", L"甲巳", "壬癸生巳午月，逆運當主榮華。"},
      {L"男", L"陽", L"壬子", L"甲午", ""},  // and nothing from the later cases
      {L"男", L"陽", L"丙子", L"甲申", "丙丁值孟冬時，順行早當發達。"},
      {L"女", L"陰", L"丁子", L"甲申", "丙丁值孟冬時，順行早當發達。"},
      {L"女", L"陽", L"丁子", L"甲申", ""},
      {L"男", L"陽", L"丙子", L"甲亥", ""},
      {L"", L"陽", L"戊子", L"甲亥", "戊己入北方之運，一生作事無成。"},
      {L"", L"陽", L"庚子", L"甲亥", "庚金無火，非夭即貧。庚金若行巳午方，定是中年損壽。"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(U8(row.day) + U8(row.month) + U8(row.sex) + U8(row.yinYang));
    CraftedChart k;
    // 比劫 and a middling strength keep the other sentences of the book out.
    k.pillars(L"", row.month, row.day, L"").sex(row.sex).DM(4).hidden(年, 比肩);
    YinYang(k, row.yinYang);
    EXPECT_EQ(BookSays(JiangMingJieJingFu, k), row.expected);
  }
  CraftedChart fire(L"丙子", L"甲亥", L"庚子");
  fire.DM(4).hidden(年, 比肩).allStems(丙, 1);
  EXPECT_EQ(BookSays(JiangMingJieJingFu, fire), "");
}

// From birth data: the year stem gives the direction of the luck cycles. The 壬 days of the 午
// month (芒種 to 小暑) of 1985, a 乙 year, and of 1984, a 甲 year, for a man.
TEST(JiangMingJieJingFu, SeasonChainFromBirthData) {
  chart::BirthChartEntry entry;
  int found = 0;
  for (int year : {1984, 1985}) {
    for (int day = 10; day <= 30; ++day) {
      chart::BirthChartRequest request;
      request.year = year;
      request.month = 6;
      request.day = day;
      request.hour = 12;
      request.sex = L"男";
      request.longitude = 120;
      auto result = entry.MakeBirthChart(request);
      auto* handOver = std::get_if<chart::ChartHandOver>(&result);
      ASSERT_NE(handOver, nullptr);
      const chart::FourPillarsChart& c = *handOver->chart;
      if (c.pillars[chart::kDayPillar].stem != L"壬" ||
          c.pillars[chart::kMonthPillar].branch != L"午") {
        continue;
      }
      ++found;
      SCOPED_TRACE(std::to_string(year) + "-06-" + std::to_string(day));
      EXPECT_EQ(c.pillars[chart::kYearPillar].stem, year == 1985 ? L"乙" : L"甲");
      const std::string judged = U8(ClassicsJudgement(c, kBookValues));
      EXPECT_EQ(judged.find("壬癸生巳午月，逆運當主榮華。") != std::string::npos, year == 1985);
    }
  }
  EXPECT_EQ(found, 4);  // two 壬 days in each month's window
}

TEST(RenJianLun, SentencesAndTheirTests) {
  CheckSentences(
      RenJianLun,
      {
          {"比劫 5 with one on a stem", [](K& k) { k.stemGod(年, 劫財).hidden(月, 比肩, 4); },
           L"兄弟多逢，宜嗟原憲之貧窮。"},
          {"比劫 5 hidden", [](K& k) { k.hidden(月, 比肩, 5); }, L"兄弟多逢，宜嗟原憲之貧窮。",
           false},
          {"印 5 with one on a stem", [](K& k) { k.stemGod(年, 正印).hidden(月, 偏印, 4); },
           L"印綬疊逢，可比老彭之高壽。"},
          {"合 4", [](K& k) { k.relations(branch合, 2).relations(stem合, 2); },
           L"四柱合和，未免題詩於葉上。"},
          {"both 衝 to the day", [](K& k) { k.BR(時日, L"衝").BR(月日, L"衝"); },
           L"是以妻宮有剋，少年早娶之人。"},
          {"沖 and 衝", [](K& k) { k.BR(時日, L"沖").BR(月日, L"衝"); },
           L"是以妻宮有剋，少年早娶之人。", false},
      });
  struct Case {
    std::string name;
    std::function<void(K&)> chart;
    std::string expected;
  };
  const Case cases[] = {
      {"hidden hour 傷官, 男", [](K& k) { k.sex(L"男").hidden(時, 傷官); },
       "兒位逢傷，未歲損成家之子。"},
      {"hour stem 傷官, 男", [](K& k) { k.sex(L"男").stemGod(時, 傷官); },
       "兒位逢傷，未歲損成家之子。兒位逢傷，未歲損成家之子。"},
      {"hour stem 傷官, 女", [](K& k) { k.sex(L"女").stemGod(時, 傷官); },
       "兒位逢傷，未歲損成家之子。"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    CraftedChart k;
    row.chart(k);
    EXPECT_EQ(BookSays(RenJianLun, k), row.expected);
  }
}

TEST(XianJiFu, ThePartForMen) {
  CheckSentences(
      XianJiFuForMen,
      {
          {"偏財 at 絕", [](K& k) { k.hidden(年, 偏財).stage(年, L"絕"); },
           L"早歲父亡，偏財臨絕死之宮。"},
          {"偏財 at 墓", [](K& k) { k.hidden(年, 偏財).stage(年, L"墓"); },
           L"早歲父亡，偏財臨絕死之宮。", false},
          {"財 less 印 4", [](K& k) { k.hidden(年, 正財, 2).hidden(月, 偏財, 2); },
           L"幼歲母離，只為財多印死。"},
          {"正官 at 死", [](K& k) { k.stemGod(月, 正官).stage(月, L"死"); },
           L"官逢死氣之方，子難招得。"},
          {"傷官 4", [](K& k) { k.hidden(年, 傷官, 4); }, L"如見傷官太甚，子亦難留。"},
          {"the day breaks the hour", [](K& k) { k.BR(日時, L"破"); }, L"己身入敗，早歲興衰。"},
          {"the day breaks the month", [](K& k) { k.BR(日月, L"破"); }, L"己身入敗，早歲興衰。"},
          {"the day combines breaking with the month", [](K& k) { k.BR(日月, L"合水破"); },
           L"己身入敗，早歲興衰。", false},
          {"the hour breaks the day", [](K& k) { k.BR(時日, L"破"); }, L"己身入敗，早歲興衰。",
           false},
          {"印 at 長生", [](K& k) { k.hidden(時, 正印).stage(時, L"長生"); },
           L"印綬逢生，母當賢貴。"},
          {"歸祿格 with hour 比肩", [](K& k) { k.truePattern(歸祿格).hidden(時, 比肩); },
           L"比肩歸祿，兄弟名高。"},
          {"hour 比肩 without 歸祿格", [](K& k) { k.hidden(時, 比肩); }, L"比肩歸祿，兄弟名高。",
           false},
      });
  struct Case {
    std::string name;
    std::function<void(K&)> chart;
    std::string expected;
  };
  const Case cases[] = {
      {"歸祿格, hour 偏財 and 正官",
       [](K& k) { k.truePattern(歸祿格).stemGod(時, 偏財).hidden(時, 正官); },
       "偏財歸祿，父必崢嶸。"},
      {"歸祿格, hour 偏官", [](K& k) { k.truePattern(歸祿格).stemGod(時, 偏官); },
       "官煞逢祿，子當顯達。"},
      {"hour 偏財 without 歸祿格", [](K& k) { k.stemGod(時, 偏財); }, ""},
      // The order of the part: 傷官, the broken day, then 印 at 長生.
      {"three in order",
       [](K& k) { k.hidden(年, 傷官, 4).BR(日時, L"破").hidden(月, 偏印).stage(月, L"長生"); },
       "如見傷官太甚，子亦難留。己身入敗，早歲興衰。印綬逢生，母當賢貴。"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    CraftedChart k;
    row.chart(k);
    EXPECT_EQ(BookSays(XianJiFuForMen, k), row.expected);
  }
}

TEST(XianJiFu, ThePartForWomen) {
  CheckSentences(
      XianJiFuForWomen,
      {
          {"印 3 without 食神", [](K& k) { k.hidden(年, 正印, 3); }, L"印綬多而老無子。"},
          {"印 3 with 食神", [](K& k) { k.hidden(年, 正印, 3).hidden(時, 食神); },
           L"印綬多而老無子。", false},
          {"傷官 4 with one on a stem", [](K& k) { k.stemGod(年, 傷官).hidden(時, 傷官, 3); },
           L"傷官旺而防傷夫。"},
          {"傷官 3 with one on a stem", [](K& k) { k.stemGod(年, 傷官).hidden(時, 傷官, 2); },
           L"傷官旺而防傷夫。", false},
          {"食神 at 帝旺", [](K& k) { k.hidden(日, 食神).stage(日, L"帝旺"); },
           L"食神一位逢生旺，招子須當拜聖明。"},
      });
}

TEST(XianJiFu, ThePartsBySex) {
  // A chart for which every sentence of both parts holds.
  const auto judged = [](const wchar_t* sex) {
    auto chart = ChartOfPillars(L"", L"", L"", L"");
    chart->sexText = sex;
    chart->branchRelations[日時] = L"破";
    chart->tenGodCounts[正印] = 3;
    return U8(ClassicsJudgement(*chart, kBookValues));
  };
  EXPECT_NE(judged(L"男").find("《仙機賦》己身入敗，早歲興衰。<br>"), std::string::npos);
  EXPECT_NE(judged(L"女").find("《仙機賦》印綬多而老無子。<br>"), std::string::npos);
  EXPECT_EQ(judged(L"").find("《仙機賦》"), std::string::npos);
  EXPECT_EQ(judged(L"男女").find("《仙機賦》"), std::string::npos);
}

TEST(ZiPingZhenQuanPingZhu, SentencesAndTheirTests) {
  CheckSentences(
      ZiPingZhenQuanPingZhu,
      {
          {"傷官 on a stem, 食神 hidden", [](K& k) { k.stemGod(年, 傷官).hidden(日, 食神); },
           L"藏食露傷，主人性剛。偏正疊出，富貴不巨。"},
          {"傷官 and 食神 on stems",
           [](K& k) { k.stemGod(年, 傷官).stemGod(時, 食神).hidden(日, 食神); },
           L"藏食露傷，主人性剛。偏正疊出，富貴不巨。", false},
      });
}

TEST(XingPingHuiHaiQuanShu, TheUnsourcedSentencePrintsNoTitle) {
  EXPECT_EQ(LongSentence(L"《星平會海全書》", 1), L"");
  CraftedChart k;
  k.star(羊刃, 1);
  EXPECT_EQ(BookSays(XingPingHuiHaiQuanShu, k), "");
  EXPECT_EQ(U8(ClassicsJudgement(k.chart(), kBookValues)).find("《星平會海全書》"),
            std::string::npos);
}

TEST(QiXiangPian, SentencesAndTheirTests) {
  CheckSentences(
      QiXiangPian,
      {
          {"eight yin", [](K& k) { k.chart().yinCount = 8; },
           L"柔弱偏枯，小人之象。剛健中正，君子之風。"},
          {"seven yin", [](K& k) { k.chart().yinCount = 7; },
           L"柔弱偏枯，小人之象。剛健中正，君子之風。", false},
          {"水 6 in 子", [](K& k) { k.pillar(月, L"甲子").allStems(壬, 3).allStems(癸, 3); },
           L"過於寒薄，和暖處，終難奮發。"},
          {"水 6 in 丑", [](K& k) { k.pillar(月, L"甲丑").allStems(壬, 3).allStems(癸, 3); },
           L"過於寒薄，和暖處，終難奮發。", false},
          {"火 6 in 巳", [](K& k) { k.pillar(月, L"甲巳").allStems(丙, 6); },
           L"過於燥烈，水激處，反有凶災。"},
          {"陽貴 4", [](K& k) { k.star(陽貴, 4); }, L"過於貴人，逢災自愈。"},
          {"陽貴 4, 陰貴 1", [](K& k) { k.star(陽貴, 4).star(陰貴, 1); }, L"過於貴人，逢災自愈。",
           false},
          {"陽貴 4, both 德", [](K& k) { k.star(陽貴, 4).star(天德, 1).star(月德, 1); },
           L"過於貴人，逢災自愈。", false},
          {"four malefic stars",
           [](K& k) { k.star(自縊, 1).star(弔客, 1).star(空亡, 1).star(返呤, 1); },
           L"過於惡煞，遇福難享。"},
          {"three malefic stars and 惡敗",
           [](K& k) { k.star(自縊, 1).star(弔客, 1).star(空亡, 1).star(惡敗, 3); },
           L"過於惡煞，遇福難享。", false},
          {"驛馬 without 合", [](K& k) { k.star(驛馬, 1); }, L"驛馬無韁，南北東西之客。"},
          {"驛馬 with a stem 合", [](K& k) { k.star(驛馬, 1).relations(stem合, 1); },
           L"驛馬無韁，南北東西之客。", false},
          {"學堂 and 驛馬 in one pillar", [](K& k) { k.list(月, 學堂).list(月, 驛馬); },
           L"學堂逢驛馬，山斗文章。"},
          {"學堂 and 驛馬 apart", [](K& k) { k.list(月, 學堂).list(年, 驛馬); },
           L"學堂逢驛馬，山斗文章。", false},
          {"day 桃煞", [](K& k) { k.list(日, 桃煞); }, L"日主坐咸池，江湖花酒。"},
          {"hour 偏官 with 正桃", [](K& k) { k.hidden(時, 偏官).list(時, 正桃); },
           L"桃花帶煞娼，優隸卒之徒。"},
          {"hour stem 偏官 with 正桃", [](K& k) { k.stemGod(時, 偏官).list(時, 正桃); },
           L"桃花帶煞娼，優隸卒之徒。", false},
          {"水泛木浮", [](K& k) { k.stems(甲, 1).allStems(甲, 3).allStems(壬, 4); },
           L"水泛木浮，死無棺槨。"},
          {"火炎土燥", [](K& k) { k.stems(丙, 1).allStems(丙, 2).allStems(丁, 1).allStems(戊, 3); },
           L"火炎土燥，生受孤單。"},
          {"火炎土燥 with 癸 2",
           [](K& k) {
             k.stems(丙, 1).allStems(丙, 2).allStems(丁, 1).allStems(戊, 3).allStems(癸, 2);
           },
           L"雙眼無瞳，火土熬乾癸水。"},
          {"火炎土燥 with 癸 3",
           [](K& k) {
             k.stems(丙, 1).allStems(丙, 2).allStems(丁, 1).allStems(戊, 3).allStems(癸, 3);
           },
           L"雙眼無瞳，火土熬乾癸水。", false},
          {"丙 2 with 庚 2", [](K& k) { k.stems(丁, 1).allStems(丙, 2).allStems(庚, 2); },
           L"大腸有病，丙丁剋損庚金。"},
          {"plenty of 丙丁 with 庚 3",
           [](K& k) {
             k.stems(丙, 2).stems(丁, 2).allStems(丙, 5).allStems(丁, 3).allStems(庚, 3);
           },
           L"大腸有病，丙丁剋損庚金。", false},
      });
}

}  // namespace
}  // namespace interpretation
