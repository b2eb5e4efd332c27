#include "interpretation/classics_books.h"

namespace interpretation {

using namespace notation;

namespace {

// One of the four relations of the day pillar with the month and the hour, in either order.
bool DayRelationIs(CC c, ChartWord (ChartNotation::*relation)(PillarPair) const,
                   std::wstring_view text) {
  return (c.*relation)(日時) == text || (c.*relation)(時日) == text ||
         (c.*relation)(日月) == text || (c.*relation)(月日) == text;
}

// X is hurt, as 寸金搜髓論 reads it for a woman's husband and wealth: a pillar holding X in its
// stem is overcome, or one holding it in its branch is clashed, by the neighbour named here.
bool IsHurt(CC c, TenGod x) {
  return (c.stemTG(年, x) > 0 && c.SR(月年) == L"剋") ||
         (c.branchTG(年, x) > 0 && c.BR(月年) == L"衝") ||
         (c.stemTG(月, x) > 0 && c.SR(年月) == L"剋") ||
         (c.branchTG(月, x) > 0 && c.BR(日月) == L"衝") ||
         (c.branchTG(日, x) > 0 && c.BR(時日) == L"衝") ||
         (c.stemTG(時, x) > 0 && c.SR(日時) == L"剋") ||
         (c.branchTG(時, x) > 0 && c.BR(日時) == L"衝");
}

// The value of a pattern's true slot (偏財格's reaches 2 when 時上偏財格 entered as well).
int TrueSlotValue(CC c, const PatternSlots& pattern) {
  return c.record.truePatternFlags[pattern.trueSlot];
}

}  // namespace

void LunXiJiZongGe(CC c, BookText& w) {
  w.say(c.branchTG(月, 正官) > 0, L"官星切忌見刑傷。");
  w.say(c.branchTG(月, 正財) > 0 || c.branchTG(月, 偏財) > 0, L"財官俱怕見空亡。");
  w.say(c.branchTG(月, 偏官) > 0 && c.TG(偏官) >= 3 && c.TG(財) > 2,
        L"七煞逢財怕旺鄉；煞多運又行財地，難免無常入夢中。");
  w.say(c.stemTG(偏官) > 0 && c.stemTG(正官) > 0,
        L"官煞重逢最不宜，存官存煞必寒微；除非官印身還旺，若不成名富可期。");
  w.say(c.branchTG(月, 偏印) > 0 || c.branchTG(月, 正印) > 0, L"用之為印不可壞；印綬好煞嫌財位。");
  w.say(c.branchTG(月, 正財) > 0 || c.branchTG(月, 偏財) > 0,
        L"用之為財不可劫；劫怕見財財怕劫；財官俱怕見空亡。");
  w.say(c.branchTG(月, 劫財) > 0 || c.stemTG(劫財) > 0, L"劫怕見財財怕劫。");
  w.say(c.branchTG(月, 食神) > 0, L"用食最怕刑衝破；運若衝提總未良。");
  w.say(c.S <= c.v囚 && (c.branchTG(月, 偏官) > 0 || c.TG(偏官) >= 3),
        L"身弱煞強定主窮，運行制伏反興隆。");
  w.say(c.branchTG(月, 偏官) > 0 || c.stemTG(偏官) > 0 ||
            (c.star(羊刃) > 0 && (DayRelationIs(c, &ChartNotation::SR, L"剋") ||
                                  DayRelationIs(c, &ChartNotation::BR, L"沖") ||
                                  DayRelationIs(c, &ChartNotation::BR, L"刑"))),
        L"刃煞衝刑皆有害，身衰遇此亦難當。");
  w.sayForEachPillar(
      [&](Pillar p) {
        return (c.holds(p, 食神) || c.holds(p, 偏印) || c.holds(p, 正印)) &&
               c.stage(p).is({L"死", L"絕"});
      },
      L"食神印綬怕死絕。");
  w.sayForEachPillar(
      [&](Pillar p) { return c.holds(p, 偏官) && c.holds(p, 傷官) && c.stage(p) == L"墓"; },
      L"七煞傷官忌墓載。");
  w.say(c.branchTG(月, 正官) > 0 && (c.BR(年月) == L"害" || c.BR(月年) == L"害" ||
                                     c.BR(日月) == L"害" || c.BR(月日) == L"害"),
        L"入格見官官又害，逢財壞印印遭傷。");
}

void ZhuLunKouJue(CC c, BookText& w) {
  w.say(c.star(天德) > 0 && c.star(月德) > 0, L"二德無破，女必賢良，男多忠孝。");
}

void CunJinSouSuiLun(CC c, BookText& w) {
  w.say((c.isCandidate(正官格) || c.isCandidate(正財格) || c.isCandidate(偏財格)) && c.S >= c.v旺,
        L"財官旺時日主強，紫袍金帶有何疑。");
  w.say(((c.branchTG(月, 正官) > 0 && c.TG(正官) >= 2) ||
         TrueSlotValue(c, 偏財格) + TrueSlotValue(c, 正財格) >= 2) &&
            c.S <= c.v囚,
        L"財官旺而日主弱，運行身旺最為奇。");
  w.say(c.S >= c.v旺 && (c.TG(正官) == 0 || (c.TG(正財) == 0 && !c.isTrue(偏財格))),
        L"日主旺而財官弱，運入財官利名馳。");
  w.say((c.branchTG(日, 正官) > 0 || c.branchTG(日, 正財) > 0 || c.branchTG(日, 偏財) > 0) &&
            (c.branchTG(月, 正官) > 0 || c.branchTG(月, 正財) > 0 || c.branchTG(月, 偏財) > 0),
        L"日主坐下有財官，月令相逢貴不難。富貴財官為總論，早年富貴祿高攀。");
  w.say(c.TG(正官) == 0 && c.TG(正財) == 0 && !c.isTrue(偏財格) && c.S >= c.v旺,
        L"身旺無依更遷祖，不遷居死在外地。身旺無倚損財傷妻，或是外家冷落或過房入舍。");
  w.say(c.TG(印) >= 3 && (c.TG(正財) > 0 || c.isTrue(偏財格)) && c.S >= c.v旺,
        L"身旺印旺破財不聚，有財只好善破，或置物創屋，或門大而倉廩虛，內不足而外有餘。");
  w.say(c.stemTG(正官) >= 1, L"官喜露露則清高。");
  w.say(c.branchTG(月, 偏財) + c.branchTG(月, 正財) >= 1, L"財要藏財則藏豐厚。");
  w.say(c.stemTG(正官) > 0 && c.branchTG(月, 偏官) > 0 && c.stemTG(偏官) == 0,
        L"煞藏官露惡隱善揚。");
  w.say(c.TG(官殺) >= 4 && c.S >= c.v旺, L"官煞太重身更強，一逢制伏作賢良。");
  w.say(c.isTrue(正官格) || c.isTrue(偏官格) || c.isTrue(印綬格),
        L"煞官拱印貴不小，赫赫威名定振揚。");
  w.say(c.BR(日月).is({L"衝", L"刑"}) || c.BR(年月).is({L"衝", L"刑"}), L"提綱刑衝剋父母。");
  w.say(c.BR(日時) == L"衝" || c.BR(時日) == L"衝", L"日時對沖妻子傷。");
  w.say(c.TG(比肩) > 0 && c.TG(劫財) > 0 && c.TG(比劫) >= 3 && c.TG(傷官) >= 3,
        L"比劫傷官若再旺，不但傷妻更損兒，縱有一子亦不孝，或是乞養總非宜。");
  w.say(c.S >= c.v旺 && c.somePillar([&](Pillar p) {
    const bool shoulder =
        p == 日 ? c.branchTG(日, 比肩) > 0 : c.stemTenGod(p) == L"比肩" || c.branchTG(p, 比肩) > 0;
    return c.lists(p, 驛馬) && shoulder;
  }),
        L"身旺比肩坐驛馬，兄弟飄蓬好瀟灑。");
  w.say(c.lists(年, 驛馬) && c.lists(月, 驛馬) && c.lists(日, 驛馬) && c.lists(時, 驛馬),
        L"八字四馬總交馳，身榮勞碌任東西。");
  w.say(c.somePillar([&](Pillar p) { return c.branchTG(p, 財) > 0 && c.stage(p) == L"墓"; }),
        L"倘得身閒心不定，動則風流靜則悲，財星入庫妻慳吝，謹守貲財不做人。");
  w.say(c.somePillar([&](Pillar p) { return c.branchTG(p, 財) > 0 && c.lists(p, 驛馬); }),
        L"若是財星坐四馬，妻賢無處不欣欣。");
  w.say(c.somePillar([&](Pillar p) { return c.branchTG(p, 財) > 0 && c.lists(p, 羊刃); }),
        L"妻兒慳吝善待助，只怕暗藏羊刃噴。");
  w.say(c.TG(官殺) >= 4 && c.TG(財) == 0 && c.男,
        L"官煞重重不帶財，妻能內助不和諧，公姑不敬妻無禮，奪卻夫權命所排。");
  w.say(c.branchTG(時, 正官) + c.branchTG(時, 偏官) > 0 && c.stage(時).is({L"帝旺", L"長生"}),
        L"官星若也逢生旺，更得長生旺在時，子息聰明多俊秀，兒孫個個著緋衣。");
  w.say(c.branchTG(日, 偏官) > 0 && c.branchTG(日, 偏印) > 0 && c.branchTG(日, 食神) > 0 && c.男,
        L"日主七煞帶梟神，妻主虛胎小產多，經脈不調成血疾，更看行運又如何。");
  // Any sex text but 男 reads the women's line.
  const bool owlAndFood = c.TG(偏印) >= 2 && c.TG(食神) >= 2 && c.S <= c.v囚;
  w.say(owlAndFood && c.男, L"男子梟食重重見，身弱多應癆病隨。")
      .otherwise(owlAndFood, L"女人梟食非為吉，產難驚人病亦危。");
  w.say(c.女 && c.isCandidate(正官格) && (c.isCandidate(正財格) || c.isCandidate(偏財格)),
        L"女命官旺兼財旺，招得賢夫更好兒。");
  w.say(c.女 && IsHurt(c, 正官) && IsHurt(c, 財), L"若是財官俱受損，傷夫克子守空帷。");
  w.say(c.女 && c.isCandidate(傷官格) && c.branchTG(日, 傷官) > 0,
        L"女命若也傷官旺，坐下傷官會罵夫，朝暮喃喃口不絕，百年終是見刑孤。");
  const bool sealStrengthens = c.S >= c.v旺 && c.TG(印) <= 4 &&
                               (c.SR(月日) == L"剋" || c.SR(時日) == L"剋" ||
                                c.BR(月日).is({L"衝", L"刑"}) || c.BR(時日).is({L"衝", L"刑"}));
  const bool officerOrWealth = c.stemTG(正官) > 0 || c.TG(財) > 0;
  w.say(sealStrengthens, L"印綬生身身更旺，為人刑克主貧孤");
  w.say(sealStrengthens && officerOrWealth, L"，若得官顯財又顯，亦為超群拔萃人。");
  w.say(sealStrengthens && !officerOrWealth, L"。");
}

void JinYuFu(CC c, BookText& w) {
  w.say(c.somePillar([&](Pillar p) { return c.holds(p, 財) && c.stage(p) == L"墓"; }),
        L"財星入墓，少許刑衝必發。");
  w.say(c.isTrue(傷官格) && c.TG(正官) == 0, L"傷官傷盡，或見官星則凶。");
  w.say(c.branches(寅) > 0 && c.branches(辰) > 0 && c.branches(巳) > 0 && c.branches(亥) > 0,
        L"金玉賦與洪範云，寅辰巳亥疊犯，有聰明生發之心。淵源云，寅申巳亥全，孤淫腹便便。");
  w.say(c.branches(寅) > 0 && c.branches(申) > 0 && c.branches(巳) > 0 && c.branches(亥) > 0,
        LongSentence(L"《金玉賦》", 4));
  w.say(c.branches(子) > 0 && c.branches(午) > 0 && c.branches(卯) > 0 && c.branches(酉) > 0,
        LongSentence(L"《金玉賦》", 5));
  w.say(c.branches(辰) > 0 && c.branches(戌) > 0 && c.branches(丑) > 0 && c.branches(未) > 0,
        LongSentence(L"《金玉賦》", 6));
  // 本主相衝 (a clash of the day pillar) is not read: the repeated punishment decides alone.
  w.say(
      (c.BR(日月) == L"刑" || c.BR(月日) == L"刑") && (c.BR(日時) == L"刑" || c.BR(時日) == L"刑"),
      L"或見本主相衝，三刑重疊，歲運欺凌，必招橫事。");
  w.say(c.女 && c.star(桃煞) > 0, L"桃花帶煞，心意猖狂。");
  w.say(c.女 && c.star(正桃) > 0 && c.allStems(壬) + c.allStems(癸) >= 3,
        L"迴眸倒插，泛水桃花，沐浴裸形，螟蛉重見，多為奴妾娼妓，少有三貞九烈。");
  w.sayForEachPillar(
      [&](Pillar p) {
        return c.listed(p, 華蓋) >= 1 && c.listed(p, 天德) + c.listed(p, 月德) >= 2;
      },
      L"柱中若逢華蓋，遇二德清貴之人。");
  // The seal of the year and the hour is looked for in their stems only.
  w.sayForEachPillar(
      [&](Pillar p) {
        const bool seal = p == 月   ? c.stemTG(月, 印) + c.branchTG(月, 印) > 0
                          : p == 日 ? c.branchTG(日, 印) > 0
                                    : c.stemTG(p, 印) > 0;
        return c.lists(p, 天德) && c.lists(p, 月德) && seal;
      },
      L" 二德逢印，德性慈祥。");
  w.sayForEachPillar(
      [&](Pillar p) {
        return c.stemTenGod(p).is({L"正官", L"偏官"}) && c.lists(p, 空亡);
      },
      L"官星七殺落空亡，在九流任虛閒之職。");
  w.say(c.branchTG(月, 食神) > 0, L"月令值食神健旺，喜飲食而姿質豐滿。");
  w.say(c.TG(食神) >= 4, L"食神多，而好貪飲食。");
  w.say(c.TG(食神) >= 5, L"食神多，而好貪飲食。");
  w.say(c.stemTG(食神) > 0, L"子星顯露，子息必多。");
  w.say(c.BR(日時).is({L"刑", L"害"}), L"刑害嗣宮，男女罕得。");
  w.say(c.record.truePatternCount > 0 && c.TG(官殺) + c.TG(財) == 0, L"無財官而有格局，青雲得路。");
  w.say(c.record.truePatternCount == 0 && c.TG(財) > 0 && c.TG(官殺) > 0,
        L"無格局而有財官，黃門成名。");
  w.say(c.TG(財) >= 4, L"財帛旺多，母年早剋。").nested(c.TG(正官) > 0, L"若見官鬼出，母反長年。");
  w.say(c.TG(比劫) >= 5, L"兄弟身旺，父命有虧。");
}

}  // namespace interpretation
