#include "interpretation/classics_books.h"

namespace interpretation {

using namespace notation;

void WuYanDuBu(CC c, BookText& w) {
  w.say(c.isTrue(建祿格), L"建祿生提月，財官喜透天。不宜身再旺，惟喜茂財源。");
  w.say(c.isTrue(偏財格) && c.stemTG(比肩) > 0, L"時上偏財格，干頭忌比肩。");
  w.say(c.branchTG(時, 偏官) > 0 && c.S >= c.v旺,
        L"時上一位貴，藏在支中是。是主要剛強，名利方有氣。");
}

void DiTianSui(CC c, BookText& w) {
  w.say(c.pillarIs(日, {L"甲申", L"戊寅", L"庚寅", L"癸丑"}), L"日柱為殺印相生。");
  w.say(c.hasDirection() > 0, LongSentence(L"《滴天髓》", 2));
  w.say(c.hasFrame() > 0, LongSentence(L"《滴天髓》", 3));
  w.say(c.TG(正官) > 0 && c.TG(偏官) > 0, L"官殺相混須細論，殺有可混不可混。");
  w.say(c.TG(正官) > 0 && c.TG(傷官) > 0, L"傷官見官最難辨，官有可見不可見。");
}

namespace {

// 羊刃遇合: a pillar listing 羊刃 whose stem or branch joins a neighbouring pillar.
bool BladeJoins(CC c) {
  return (c.lists(年, 羊刃) && (c.SR(年月).joins() || c.BR(年月).joins())) ||
         (c.lists(月, 羊刃) &&
          (c.SR(月年).joins() || c.SR(月日).joins() || c.BR(月年).joins() || c.BR(月日).joins())) ||
         (c.lists(日, 羊刃) &&
          (c.SR(日月).joins() || c.SR(日時).joins() || c.BR(日月).joins() || c.BR(日時).joins())) ||
         (c.lists(時, 羊刃) && (c.SR(時日).joins() || c.BR(時日).joins()));
}

}  // namespace

void BaiZhangGe(CC c, BookText& w) {
  w.say(c.BR(年月).is({L"衝", L"刑衝"}), L"年沖月提母有損，且又必破祖居根。");
  w.say(c.SR(日月) == L"剋" || c.SR(年月) == L"剋", L"若是幹頭遭殺害，父必早喪不須疑。");
  w.say(c.BR(日時) == L"衝", L"日沖時支子息難。");
  w.say(c.star(羊刃) > 0 && c.TG(正官) == 0, L"羊刃無制克妻妾。");
  w.say(c.stemTG(比肩) > 0 && c.TG(比肩) >= 4, L"兄弟蘩多比肩旺。");
  w.say(c.TG(比劫) >= 5, L"比劫重重損父親。");
  w.say(c.BR(時日) == L"衝", L"乾遇時沖損手足。");
  w.say(c.relations(stem剋) == 0 && c.relations(stem合) == 0 && c.relations(branch衝) == 0 &&
            c.relations(branch沖) == 0 && c.relations(branch合) == 0 && c.relations(刑) == 0 &&
            c.relations(破) == 0 && c.relations(害) == 0 && c.TG(正官) > 0 && c.TG(印) > 0 &&
            c.TG(財) > 0,
        L"四柱絕正大富貴。");
  w.say(c.relations(害) / 2 + c.relations(破) / 2 + c.relations(刑) / 2 + c.relations(branch衝) +
                c.relations(stem剋) >=
            5,
        L"剋衝刑害多，八字兇惡濺必殃。");
  w.say(c.女 && c.relations(branch合) / 2 + c.relations(stem合) >= 2, L"女命合多淫奔恥。");
  w.say(c.isTrue(正官格) && (c.isTrue(正財格) || c.isTrue(偏財格)), L"官旺財旺富貴人。");
  w.say(BladeJoins(c), L"羊刃遇合心不定。");
  w.say(c.isTrue(傷官格) && c.branchTG(日, 傷官) > 0 && c.女, L"傷官太重克夫心。");
  w.say((c.isTrue(傷官格) || c.branchTG(日, 傷官) > 0 || c.branchTG(月, 傷官) > 0) && c.男,
        L"傷官旺處須妨母。");
  w.say(c.somePillar([&](Pillar p) {
    return c.stage(p) == L"帝旺" && c.lists(p, 祿元) && (c.lists(p, 正桃) || c.lists(p, 桃煞));
  }),
        L"若是桃花帶祿旺，產死不怕旁人榜。");
  w.say(c.TG(食神) > 0 && c.TG(財) > 0, L"食神逢財子孫多。");
  w.say(c.star(羊刃) > 0, L"不宜陽刃天干透，運到重逢恐有傷。");
  w.say(c.BR(年月).is({L"衝", L"刑衝"}), L"年沖月令須離祖。");
  w.say(c.BR(日月).is({L"衝", L"刑衝", L"破"}), L"日破提綱每損妻。");
  w.say(c.BR(時日).is({L"衝", L"刑衝", L"破"}), L"時日暗沖妻子克，無情多破一生低。");
  w.say(OneOf(c.stem(日), {庚, 辛}) && (c.star(魁罡) > 0 || c.isTrue(正官格) || c.isTrue(偏官格)),
        L"金水秋氣炎方取，魁星官殺貴分明。");
  w.say(c.isTrue(偏官格) && c.TG(偏官) >= 3 && c.S <= c.v囚, L"殺重身輕休道弱，如逢印綬作魁星。");
}

void LunYongShenSuoJi(CC c, BookText& w) {
  w.say(c.isTrue(正官格), L"用之為官不可傷，正官無喜見財星。");
  w.say(c.isTrue(印綬格), L"用之為印不可壞，印綬好煞嫌財位。");
  w.say(c.isTrue(正財格) || c.isTrue(偏財格), L"用之為財不可劫。");
  w.say(c.isTrue(飛天祿馬格) || c.isTrue(合祿格) || c.isTrue(拱祿格),
        L"用之為祿不可沖，有祿怕見官星到。");
  w.say(c.isTrue(偏官格) || c.isTrue(七煞格), L"若用七殺要有制，制殺太過反為凶；七殺喜見食神刑。");
  w.say(c.isTrue(食神格), L"用之食神不可奪，食神最喜偏財臨。");
  w.say(c.isTrue(傷官格), L"若遇傷官須要盡，傷官最怕行官運，傷官尤喜見財星。");
  w.say(c.TG(比肩) >= 3, L"比肩要逢七殺制。");
  w.say(c.star(羊刃) > 0, L"羊刃怕衝喜合迎。");
}

}  // namespace interpretation
