#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

TEST(LunXiJiZongGe, Sentences) {
  CheckBook(
      L"《論喜忌總歌》",
      {
          {"偏印 at 死 in the year and at 絕 in the hour",
           [](CraftedChart& c) {
             c.hidden(年, 偏印).stage(年, L"死").stemGod(時, 偏印).stage(時, L"絕");
           },
           "食神印綬怕死絕。食神印綬怕死絕。"},
          {"偏官 and 傷官 in a pillar at 墓",
           [](CraftedChart& c) { c.stemGod(年, 傷官).hidden(年, 偏官).stage(年, L"墓"); },
           "七煞傷官忌墓載。"},
          {"month-branch 財", [](CraftedChart& c) { c.hidden(月, 偏財); },
           "財官俱怕見空亡。用之為財不可劫；劫怕見財財怕劫；財官俱怕見空亡。"},
          {"month-branch 正印", [](CraftedChart& c) { c.hidden(月, 正印); },
           "用之為印不可壞；印綬好煞嫌財位。"},
          {"羊刃 with a day-hour 沖", [](CraftedChart& c) { c.star(羊刃, 1).BR(時日, L"沖"); },
           "刃煞衝刑皆有害，身衰遇此亦難當。"},
          {"羊刃 with a day-hour 衝", [](CraftedChart& c) { c.star(羊刃, 1).BR(時日, L"衝"); }, ""},
          {"month-branch 正官 harmed by the year",
           [](CraftedChart& c) { c.hidden(月, 正官).BR(月年, L"害"); },
           "官星切忌見刑傷。入格見官官又害，逢財壞印印遭傷。"},
      });
}

TEST(ZhuLunKouJue, TheTwoVirtues) {
  CheckBook(L"《諸論口訣》",
            {
                {"天德 and 月德", [](CraftedChart& c) { c.star(天德, 1).star(月德, 1); },
                 "二德無破，女必賢良，男多忠孝。"},
                {"天德 alone", [](CraftedChart& c) { c.star(天德, 1); }, ""},
            });
}

TEST(CunJinSouSuiLun, OwlAndFoodBySex) {
  const auto owlAndFood = [](const wchar_t* sex) {
    return [sex](CraftedChart& c) { c.sex(sex).DM(2).TG(偏印, 2).TG(食神, 2); };
  };
  CheckBook(L"《寸金搜髓論》", {
                                   {"男", owlAndFood(L"男"), "男子梟食重重見，身弱多應癆病隨。"},
                                   {"女", owlAndFood(L"女"), "女人梟食非為吉，產難驚人病亦危。"},
                                   {"other", owlAndFood(L"乾"), "女人梟食非為吉，產難驚人病亦危。"},
                               });
}

TEST(CunJinSouSuiLun, Sentences) {
  // At S = v旺 with no 正官 and no 財, sentences 3 and 5 hold.
  const std::string strongAlone =
      "日主旺而財官弱，運入財官利名馳。"
      "身旺無依更遷祖，不遷居死在外地。身旺無倚損財傷妻，或是外家冷落或過房入舍。";
  CheckBook(
      L"《寸金搜髓論》",
      {
          {"seal strengthens, no 正官 stem and no 財",
           [](CraftedChart& c) { c.DM(8).BR(月日, L"衝"); },
           strongAlone + "印綬生身身更旺，為人刑克主貧孤。"},
          {"seal strengthens with a 財",
           [](CraftedChart& c) { c.DM(8).SR(時日, L"剋").hidden(年, 正財); },
           "日主旺而財官弱，運入財官利名馳。"
           "印綬生身身更旺，為人刑克主貧孤，若得官顯財又顯，亦為超群拔萃人。"},
          {"驛馬 and a hidden 比肩 in the year, S below v旺",
           [](CraftedChart& c) { c.DM(7).list(年, 驛馬).hidden(年, 比肩); }, ""},
          {"驛馬 and a hidden 比肩 in the year, S = v旺",
           [](CraftedChart& c) { c.DM(8).list(年, 驛馬).hidden(年, 比肩); },
           strongAlone + "身旺比肩坐驛馬，兄弟飄蓬好瀟灑。"},
          // 偏財格's true slot counts 時上偏財格 too and reaches 2 alone.
          {"偏財格 and 時上偏財格, S = v囚",
           [](CraftedChart& c) { c.DM(2).truePattern(偏財格).truePattern(時上偏財格); },
           "財官旺而日主弱，運行身旺最為奇。"},
          {"偏財格 alone, S = v囚", [](CraftedChart& c) { c.DM(2).truePattern(偏財格); }, ""},
          {"all four pillars list 驛馬, hour 財 among them",
           [](CraftedChart& c) {
             c.DM(4);
             for (Pillar p : kFourPillars) {
               c.list(p, 驛馬);
             }
             c.hidden(時, 正財).hidden(時, 正官);
           },
           "八字四馬總交馳，身榮勞碌任東西。若是財星坐四馬，妻賢無處不欣欣。"},
          {"女, officer and wealth both hurt",
           [](CraftedChart& c) {
             c.sex(L"女").DM(4).stemGod(月, 正官).SR(年月, L"剋").hidden(時, 偏財).BR(日時, L"衝");
           },
           "官喜露露則清高。日時對沖妻子傷。若是財官俱受損，傷夫克子守空帷。"},
          {"男, officer and wealth both hurt",
           [](CraftedChart& c) {
             c.sex(L"男").DM(4).stemGod(月, 正官).SR(年月, L"剋").hidden(時, 偏財).BR(日時, L"衝");
           },
           "官喜露露則清高。日時對沖妻子傷。"},
      });
}

TEST(JinYuFu, Sentences) {
  CheckBook(
      L"《金玉賦》",
      {
          {"食神 4", [](CraftedChart& c) { c.TG(食神, 4); }, "食神多，而好貪飲食。"},
          {"食神 5", [](CraftedChart& c) { c.TG(食神, 5); },
           "食神多，而好貪飲食。食神多，而好貪飲食。"},
          // Sentences 4 to 6 have no text yet: these branches alone print no title.
          {"寅申巳亥",
           [](CraftedChart& c) {
             c.branches(寅, 1).branches(申, 1).branches(巳, 1).branches(亥, 1);
           },
           ""},
          {"子午卯酉",
           [](CraftedChart& c) {
             c.branches(子, 1).branches(午, 1).branches(卯, 1).branches(酉, 1);
           },
           ""},
          {"辰戌丑未",
           [](CraftedChart& c) {
             c.branches(辰, 1).branches(戌, 1).branches(丑, 1).branches(未, 1);
           },
           ""},
          {"寅辰巳亥",
           [](CraftedChart& c) {
             c.branches(寅, 1).branches(辰, 1).branches(巳, 1).branches(亥, 1);
           },
           "金玉賦與洪範云，寅辰巳亥疊犯，有聰明生發之心。淵源云，寅申巳亥全，孤淫腹便便。"},
          {"day-month punished both ways, not day-hour",
           [](CraftedChart& c) { c.BR(日月, L"刑").BR(月日, L"刑"); }, ""},
          {"day-month and hour-day punished",
           [](CraftedChart& c) { c.BR(日月, L"刑").BR(時日, L"刑"); },
           "或見本主相衝，三刑重疊，歲運欺凌，必招橫事。"},
          {"財 4 without 正官", [](CraftedChart& c) { c.TG(正財, 4); }, "財帛旺多，母年早剋。"},
          {"財 4 with 正官", [](CraftedChart& c) { c.TG(正財, 4).TG(正官, 1); },
           "無格局而有財官，黃門成名。財帛旺多，母年早剋。若見官鬼出，母反長年。"},
          {"正官 without 財 4", [](CraftedChart& c) { c.TG(正官, 1); }, ""},
          // The seal of the year is looked for in its stem only.
          {"二德 with a seal in the month branch and the year branch",
           [](CraftedChart& c) {
             for (Pillar p : {年, 月}) {
               c.list(p, 天德).list(p, 月德).hidden(p, 正印);
             }
           },
           " 二德逢印，德性慈祥。"},
          {"華蓋 with 天德 twice, per pillar",
           [](CraftedChart& c) {
             for (Pillar p : {日, 時}) {
               c.list(p, 華蓋).list(p, 天德).list(p, 天德);
             }
           },
           "柱中若逢華蓋，遇二德清貴之人。柱中若逢華蓋，遇二德清貴之人。"},
          {"偏官 stem listing 空亡", [](CraftedChart& c) { c.stemGod(時, 偏官).list(時, 空亡); },
           "官星七殺落空亡，在九流任虛閒之職。"},
          {"a true pattern without 官殺 or 財",
           [](CraftedChart& c) { c.chart().truePatternCount = 1; }, "無財官而有格局，青雲得路。"},
      });
}

}  // namespace
}  // namespace interpretation
