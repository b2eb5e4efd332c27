#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;
using K = CraftedChart;

TEST(YouWeiFu, SentencesAndTheirTests) {
  CheckSentences(
      YouWeiFu,
      {
          {"both 德", [](K& k) { k.list(年, 天德).list(日, 月德); }, L"慈祥敏慧，天月二德聚來。"},
          {"天德 only", [](K& k) { k.list(年, 天德); }, L"慈祥敏慧，天月二德聚來。", false},
          {"印 5", [](K& k) { k.hidden(日, 正印, 3).stemGod(月, 偏印, 2); }, L"印綬旺而子少息稀。"},
          {"印 4", [](K& k) { k.hidden(日, 正印, 4); }, L"印綬旺而子少息稀。", false},
          {"正官 3", [](K& k) { k.hidden(年, 正官, 3); }, L"正官旺而女多男少。"},
          {"桃煞 with 偏官", [](K& k) { k.list(月, 桃煞).stemGod(月, 偏官); },
           L"酒色猖狂，只是桃花帶殺。"},
          {"正桃 with 偏官, 女", [](K& k) { k.list(日, 正桃).hidden(日, 偏官).sex(L"女"); },
           L"女帶桃花坐殺，定主淫奔。"},
          {"正桃 with 偏官, 男", [](K& k) { k.list(日, 正桃).hidden(日, 偏官).sex(L"男"); },
           L"女帶桃花坐殺，定主淫奔。", false},
          {"女 without 桃花", [](K& k) { k.hidden(日, 偏官).sex(L"女"); },
           L"女帶桃花坐殺，定主淫奔。", false},
          {"桃花 and 偏官 apart", [](K& k) { k.list(年, 桃煞).stemGod(月, 偏官); },
           L"酒色猖狂，只是桃花帶殺。", false},
          {"祿元 with 偏官", [](K& k) { k.list(時, 祿元).hidden(時, 偏官); },
           L"偏官歸祿，父必崢嶸。"},
          {"祿元 with 比肩", [](K& k) { k.list(年, 祿元).stemGod(年, 比肩); },
           L"比肩逢祿，兄弟名高。"},
          {"祿元 with 正官, 女", [](K& k) { k.list(年, 祿元).stemGod(年, 正官).sex(L"女"); },
           L"官星臨祿旺之鄉，子當榮顯。"},
          {"祿元 with 正官, 男", [](K& k) { k.list(年, 祿元).stemGod(年, 正官).sex(L"男"); },
           L"官星臨祿旺之鄉，子當榮顯。", false},
          {"印 at 長生", [](K& k) { k.hidden(月, 偏印).stage(月, L"長生"); },
           L"印綬逢生，母當賢貴。"},
          {"印 elsewhere", [](K& k) { k.hidden(月, 偏印).stage(日, L"長生"); },
           L"印綬逢生，母當賢貴。", false},
          {"財 less 印 4",
           [](K& k) { k.hidden(年, 正財, 3).hidden(月, 偏財, 2).stemGod(時, 正印); },
           L"幼歲母離，只為財多印死。"},
          {"財 less 印 3",
           [](K& k) { k.hidden(年, 正財, 2).hidden(月, 偏財, 2).stemGod(時, 正印); },
           L"幼歲母離，只為財多印死。", false},
          {"比肩 4", [](K& k) { k.hidden(年, 比肩, 4); }, L"比肩多而兄弟無情。"},
          {"羊刃 2", [](K& k) { k.star(羊刃, 2); }, L"羊刃多而妻宮有損。"},
          {"羊刃 1", [](K& k) { k.star(羊刃, 1); }, L"羊刃多而妻宮有損。", false},
          // The wife stem of 甲 is 己 (土), 死 in spring.
          {"甲 in 立春", [](K& k) { k.pillar(日, L"甲子").chart().sectionTermName = L"立春"; },
           L"妻星失令，半路拋離。"},
          {"甲 typed", [](K& k) { k.pillar(日, L"甲子"); }, L"妻星失令，半路拋離。", false},
          {"丙 in 立春", [](K& k) { k.pillar(日, L"丙子").chart().sectionTermName = L"立春"; },
           L"妻星失令，半路拋離。", false},
          {"day stem not a stem",
           [](K& k) { k.pillar(日, L"子子").chart().sectionTermName = L"立春"; },
           L"妻星失令，半路拋離。", false},
          {"正官 in the month at 死, 男",
           [](K& k) { k.hidden(月, 正官).stage(月, L"死").sex(L"男"); },
           L"官逢死氣之方，子招難得。"},
          {"正官 in the year at 死, 男",
           [](K& k) { k.hidden(年, 正官).stage(年, L"死").sex(L"男"); },
           L"官逢死氣之方，子招難得。", false},
          {"正官 in the year at 死, 女",
           [](K& k) { k.hidden(年, 正官, 2).stage(年, L"死").sex(L"女"); },
           L"官逢死氣之方，子招難得。"},
          {"three 正官, the year at 死, 女",
           [](K& k) { k.hidden(年, 正官, 3).stage(年, L"死").sex(L"女"); },
           L"官逢死氣之方，子招難得。", false},
          {"傷官 4", [](K& k) { k.hidden(年, 傷官, 4); }, L"若見傷官太盛，子亦難留。"},
          {"偏官 at 長生, 女", [](K& k) { k.stemGod(時, 偏官).stage(時, L"長生").sex(L"女"); },
           L"殺遇長生之位，女招貧夫。"},
          {"偏官 at 長生, 男", [](K& k) { k.stemGod(時, 偏官).stage(時, L"長生").sex(L"男"); },
           L"殺遇長生之位，女招貧夫。", false},
          {"正財 in the year at 墓, 男",
           [](K& k) { k.stemGod(年, 正財).stage(年, L"墓").sex(L"男"); }, L"妻入墓不得妻財。"},
          {"正財 in the year at 墓, 女",
           [](K& k) { k.stemGod(年, 正財).stage(年, L"墓").sex(L"女"); }, L"妻入墓不得妻財。",
           false},
          {"正財 in the hour at 墓", [](K& k) { k.hidden(時, 正財).stage(時, L"墓"); },
           L"妻入墓不得妻財。"},
      });
}

TEST(YouWeiTianGanFu, SentencesAndTheirTests) {
  CheckSentences(
      YouWeiTianGanFu,
      {
          {"傷官 without 正官", [](K& k) { k.hidden(年, 傷官); }, L"有秀無官，但施巧於技藝。"},
          {"傷官 with 正官", [](K& k) { k.hidden(年, 傷官).hidden(月, 正官); },
           L"有秀無官，但施巧於技藝。", false},
          {"財 without 比肩", [](K& k) { k.hidden(年, 偏財); }, L"見財無比，惟逐利於經商。"},
          {"財 with 比肩", [](K& k) { k.hidden(年, 偏財).stemGod(年, 比肩); },
           L"見財無比，惟逐利於經商。", false},
          {"乙 and 申", [](K& k) { k.allStems(乙, 1).branches(申, 1); }, L"頭面有損，則申破甲乙。"},
          {"乙 without 申", [](K& k) { k.allStems(乙, 1); }, L"頭面有損，則申破甲乙。", false},
          {"癸 3 壬 2 丙 1", [](K& k) { k.allStems(癸, 3).allStems(壬, 2).allStems(丙, 1); },
           L"眼目有災，則丙沉亥子。"},
          {"癸 3 壬 2 丙 1 丁 1",
           [](K& k) { k.allStems(癸, 3).allStems(壬, 2).allStems(丙, 1).allStems(丁, 1); },
           L"眼目有災，則丙沉亥子。", false},
      });
}

TEST(JinBuHuanKanMingShengChi, SentencesAndTheirTests) {
  CheckSentences(
      JinBuHuanKanMingShengChi,
      {
          {"正財格 candidate, weak", [](K& k) { k.candidate(正財格).DM(2); },
           L"財官旺而日主弱，運行身旺最為奇。"},
          {"正官格 candidate, 休", [](K& k) { k.candidate(正官格).DM(3); },
           L"財官旺而日主弱，運行身旺最為奇。", false},
          {"strong, no 正官", [](K& k) { k.DM(8).hidden(年, 正財, 3); },
           L"日主旺而財官弱，運行財鄉名利馳。"},
          {"strong, 正財 2 and 正官", [](K& k) { k.DM(8).hidden(年, 正財, 2).stemGod(月, 正官); },
           L"日主旺而財官弱，運行財鄉名利馳。", false},
          {"strong, 正財 1 and 偏財格 true with 正官",
           [](K& k) { k.DM(8).hidden(年, 正財).truePattern(偏財格).stemGod(月, 正官); },
           L"日主旺而財官弱，運行財鄉名利馳。", false},
          {"strong, 比劫 3", [](K& k) { k.DM(8).hidden(年, 比肩, 2).stemGod(月, 劫財); },
           L"身旺比劫重，損財又傷妻。"},
          {"梟食, 男",
           [](K& k) {
             k.sex(L"男")
                 .hidden(年, 比肩)
                 .stemGod(月, 劫財)
                 .hidden(月, 偏印, 2)
                 .hidden(時, 食神, 2);
           },
           L"比劫逢梟食，妻遭產里危。"},
          {"梟食, 女",
           [](K& k) {
             k.sex(L"女")
                 .hidden(年, 比肩)
                 .stemGod(月, 劫財)
                 .hidden(月, 偏印, 2)
                 .hidden(時, 食神, 2);
           },
           L"比劫逢梟食，妻遭產里危。", false},
          {"正官 at 墓", [](K& k) { k.hidden(日, 正官).stage(日, L"墓"); },
           L"逢官官入墓，父死他鄉土。"},
          {"正官 3 over 比劫", [](K& k) { k.hidden(年, 正官, 4).hidden(年, 比肩); },
           L"支幹官鬼眾，兄弟最難為。"},
          {"正官 2 over 比劫", [](K& k) { k.hidden(年, 正官, 3).hidden(年, 比肩); },
           L"支幹官鬼眾，兄弟最難為。", false},
          {"傷官 in all four",
           [](K& k) { k.stemGod(年, 傷官).hidden(月, 傷官).hidden(日, 傷官).stemGod(時, 傷官); },
           L"傷官四柱見，伯道老無兒。"},
          {"傷官 in three", [](K& k) { k.stemGod(年, 傷官).hidden(月, 傷官).stemGod(時, 傷官); },
           L"傷官四柱見，伯道老無兒。", false},
          {"財 in four branches",
           [](K& k) { k.hidden(年, 正財).hidden(月, 偏財).hidden(日, 偏財).hidden(時, 正財); },
           L"地支純財局，大富大貴不須疑。"},
          {"正財 in the day branch",
           [](K& k) { k.hidden(年, 正財).hidden(月, 偏財).hidden(日, 正財).hidden(時, 正財); },
           L"地支純財局，大富大貴不須疑。", false},
          {"正官格 true", [](K& k) { k.truePattern(正官格); }, L"若行官旺運，納粟奏名賢。"},
          {"官殺, 休", [](K& k) { k.hidden(年, 正官, 2).stemGod(月, 偏官).DM(3); },
           L"去官留殺者，威顯在邊夷。"},
          {"官殺, 囚", [](K& k) { k.hidden(年, 正官, 2).stemGod(月, 偏官).DM(2); },
           L"去官留殺者，威顯在邊夷。", false},
          {"偏財格 candidate, hidden 正官", [](K& k) { k.candidate(偏財格).hidden(年, 正官); },
           L"財旺暗生官，用賄求名利。"},
          {"偏財格 candidate, 正官 on a stem",
           [](K& k) { k.candidate(偏財格).hidden(年, 正官).stemGod(月, 正官); },
           L"財旺暗生官，用賄求名利。", false},
          {"財 less 印 3", [](K& k) { k.hidden(年, 正財, 2).hidden(月, 偏財); },
           L"棄印就財者，孑立整根基。"},
          {"偏印 3, 女", [](K& k) { k.hidden(年, 偏印, 3).sex(L"女"); },
           L"偏印反傷官，女人最須忌。"},
          {"害 and 刑, 女", [](K& k) { k.BR(日時, L"害").BR(月日, L"刑").sex(L"女"); },
           L"刑夫並害子，且自守孤幃。"},
          {"害 and 刑, 男", [](K& k) { k.BR(日時, L"害").BR(月日, L"刑").sex(L"男"); },
           L"刑夫並害子，且自守孤幃。", false},
          {"傷官格 candidate, 正官 on a stem", [](K& k) { k.candidate(傷官格).stemGod(時, 正官); },
           L"傷官見官者，運喜人財地。名標龍虎榜，身到鳳凰池。"},
          {"傷官格 candidate, one hidden 正官", [](K& k) { k.candidate(傷官格).hidden(時, 正官); },
           L"傷官見官者，運喜人財地。名標龍虎榜，身到鳳凰池。", false},
          {"比劫 and 偏印", [](K& k) { k.hidden(年, 比肩).hidden(月, 劫財).stemGod(時, 偏印); },
           L"比劫偏印格，傷官克受制；侄男為親嗣，義女為偏妻。"},
          {"食神 over 偏官", [](K& k) { k.hidden(年, 偏官).hidden(月, 食神, 2); },
           L"偏官制伏過，僧道守閒居。"},
          {"食神 as many as 偏官", [](K& k) { k.hidden(年, 偏官).hidden(月, 食神); },
           L"偏官制伏過，僧道守閒居。", false},
          {"財 4, weak", [](K& k) { k.hidden(年, 偏財, 4).DM(2); }, L"財多身弱者，溺水及漂屍。"},
          {"偏官格 candidate, strong", [](K& k) { k.candidate(偏官格).DM(8); },
           L"身旺而敵殺，衣紫及穿緋。虛邀並暗拱，早歲步雲梯。"},
      });
}

TEST(JinBuHuanKanMingShengChi, KillerCandidateOfAStrongMasterEndsTheBook) {
  CraftedChart k;
  k.candidate(偏官格).DM(8);
  EXPECT_EQ(BookSays(JinBuHuanKanMingShengChi, k),
            "日主旺而財官弱，運行財鄉名利馳。身旺而敵殺，衣紫及穿緋。虛邀並暗拱，早歲步雲梯。");
}

TEST(YuanYuanJiShuo, SentencesAndTheirTests) {
  CheckSentences(
      YuanYuanJiShuo,
      {
          {"正官格 with 財 on the hour stem", [](K& k) { k.truePattern(正官格).stemGod(時, 偏財); },
           L"最貴者，官星為命，時得偏正財為福。"},
          {"正官格 with hidden 財 in the hour",
           [](K& k) { k.truePattern(正官格).hidden(時, 偏財); },
           L"最貴者，官星為命，時得偏正財為福。", false},
          {"偏官 3 with both 德", [](K& k) { k.hidden(年, 偏官, 3).list(年, 天德).list(月, 月德); },
           L"最凶者，七殺臨身，逢天月二德為祥。"},
          {"month 正官 with 劫財, no 印", [](K& k) { k.hidden(月, 正官).hidden(年, 劫財); },
           L"官星若遇劫財，雖官無貴。"},
          {"month 正官 with 劫財 and 印",
           [](K& k) { k.hidden(月, 正官).hidden(年, 劫財).hidden(日, 正印); },
           L"官星若遇劫財，雖官無貴。", false},
          {"one 正官 on a stem with 劫財", [](K& k) { k.stemGod(年, 正官).hidden(年, 劫財); },
           L"官星若遇劫財，雖官無貴。", false},
          {"偏官 twice with 財", [](K& k) { k.hidden(年, 偏官, 2).hidden(日, 正財); },
           L"七殺如逢資助，其殺愈重。"},
          {"one hidden 偏官 in the year with 財", [](K& k) { k.hidden(年, 偏官).hidden(日, 正財); },
           L"七殺如逢資助，其殺愈重。", false},
          {"a frame and a stem 合",
           [](K& k) { k.relations(stem合, 1).chart().threeHarmonyFlags[0] = 1; },
           L"三合六合，運歲逢而必榮。"},
          {"one branch 合", [](K& k) { k.relations(branch合, 1); }, L"三合六合，運歲逢而必榮。",
           false},
          {"正官 on the month stem", [](K& k) { k.stemGod(月, 正官); },
           L"七官八官，月逢官而為喜。"},
          {"歸祿格 with 食神", [](K& k) { k.truePattern(歸祿格).hidden(時, 食神); },
           L"歸祿若見子孫，祿無限妙。"},
          {"傷官格 with 印", [](K& k) { k.truePattern(傷官格).hidden(時, 偏印); },
           L"傷官要見印綬，貴不可言。"},
          {"官殺 with both 德",
           [](K& k) { k.stemGod(年, 偏官).hidden(月, 正官).list(年, 天德).list(時, 月德); },
           L"官殺混逢天月二德，壽位高遷。"},
          {"two hidden 正官 outside the month with 偏官 and both 德",
           [](K& k) { k.stemGod(年, 偏官).hidden(日, 正官, 2).list(年, 天德).list(時, 月德); },
           L"官殺混逢天月二德，壽位高遷。", false},
          {"羊刃 in year and month", [](K& k) { k.list(年, 羊刃).list(月, 羊刃); },
           L"年月立有陰陽羊刃，刑罰重犯。"},
          {"羊刃 in year and day", [](K& k) { k.list(年, 羊刃).list(日, 羊刃); },
           L"年月立有陰陽羊刃，刑罰重犯。", false},
          {"飛刃 and 血支", [](K& k) { k.star(飛刃, 1).star(血支, 1); },
           L"飛刃、伏刃、羊刃與血支等，會刃多凶。"},
          {"正官 and 傷官 on stems", [](K& k) { k.stemGod(年, 正官).stemGod(時, 傷官); },
           L"傷官見官，剝官見禍。"},
          {"羊刃 with 印", [](K& k) { k.list(時, 羊刃).hidden(時, 正印); },
           L"羊刃若逢印綬，縱貴有疾病在身。"},
          {"three 偏 three 正",
           [](K& k) {
             k.hidden(年, 正官)
                 .hidden(年, 偏官)
                 .hidden(月, 正財)
                 .hidden(月, 偏財)
                 .hidden(時, 正印)
                 .hidden(時, 偏印);
           },
           L"三偏三正，官居一品之尊。"},
          {"四合 by counts", [](K& k) { k.relations(branch合, 3).relations(stem合, 1); },
           L"四柱四合，福坐眾人之上。"},
          // The day and hour branches combining alone count two points.
          {"day-hour 合 alone", [](K& k) { k.BR(日時, L"合土"); }, L"四柱四合，福坐眾人之上。",
           false},
          {"day-hour, day-month and month-year 合",
           [](K& k) { k.BR(日時, L"合土").BR(月日, L"合水破").SR(年月, L"合"); },
           L"四柱四合，福坐眾人之上。"},
          {"官殺", [](K& k) { k.hidden(年, 正官).hidden(時, 偏官); },
           L"官殺同來，要知扶官扶殺。偏正混合，須知合正合偏。"},
          {"祿元 and 羊刃", [](K& k) { k.star(祿元, 1).star(羊刃, 1); },
           L"福祿若逢羊刃，世事不明。"},
          {"羊刃 with 偏官", [](K& k) { k.list(日, 羊刃).hidden(日, 偏官); },
           L"羊刃兼會七殺，千里徒流。"},
          {"month 財 with 劫財 on stem and branch",
           [](K& k) { k.hidden(月, 正財).stemGod(年, 劫財).hidden(時, 劫財); },
           L"月財若透劫奪，一生貧困。"},
          {"weakest with a true pattern", [](K& k) { k.DM(1).chart().truePatternCount = 1; },
           L"身弱徒然入格，縱發早亡；福轉若遇休囚，卒發傾夭。"},
          {"囚 with a true pattern", [](K& k) { k.DM(2).chart().truePatternCount = 1; },
           L"身弱徒然入格，縱發早亡；福轉若遇休囚，卒發傾夭。", false},
      });
}

TEST(AiZengFu, SentencesAndTheirTests) {
  CheckSentences(
      AiZengFu,
      {
          {"day and hour at 墓", [](K& k) { k.stage(日, L"墓").stage(時, L"墓"); },
           L"日時居墓庫之中、憂多樂少。"},
          {"day at 墓 only", [](K& k) { k.stage(日, L"墓"); }, L"日時居墓庫之中、憂多樂少。",
           false},
          {"子午卯酉",
           [](K& k) { k.branches(子, 1).branches(午, 1).branches(卯, 1).branches(酉, 1); },
           L"子午卯酉，四敗之局。男犯興衰，女犯孤獨。"},
          {"子午卯", [](K& k) { k.branches(子, 1).branches(午, 1).branches(卯, 2); },
           L"子午卯酉，四敗之局。男犯興衰，女犯孤獨。", false},
      });
}

TEST(YouWeiFu, WifeStemOutOfSeasonOnlyFromBirthData) {
  // Every judgement over the whole chart: the sentence stands under its book's title.
  auto chart = ChartOfPillars(L"甲子", L"丙寅", L"甲子", L"甲子");
  chart->sectionTermName = L"立春";
  chart->dayMasterStrengthValue = 3;
  const std::string judged = U8(ClassicsJudgement(*chart, kBookValues));
  EXPECT_NE(judged.find("《幽微賦》妻星失令，半路拋離。<br>"), std::string::npos) << judged;
  chart->sectionTermName.clear();
  EXPECT_EQ(U8(ClassicsJudgement(*chart, kBookValues)).find("《幽微賦》"), std::string::npos);
}

}  // namespace
}  // namespace interpretation
