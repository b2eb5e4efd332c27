#include "interpretation/classics_books.h"

namespace interpretation {
namespace {

using namespace notation;

bool DayPillarMeets(CC c, std::wstring_view day, std::wstring_view other) {
  return c.pillarIs(日, {day}) &&
         (c.pillarIs(月, {other}) || c.pillarIs(時, {other}) || c.pillarIs(年, {other}));
}

// 貪合忘官 of 子平舉要: a pillar holding the ten god x whose stem or branch joins its neighbour.
bool HeldAndJoined(CC c, TenGod x) {
  return (c.stemTG(年, x) > 0 && c.SR(年月).joins()) ||
         (c.branchTG(年, x) > 0 && c.BR(年月).joins()) ||
         (c.stemTG(月, x) > 0 && (c.SR(月年).joins() || c.SR(月日).joins())) ||
         (c.branchTG(月, x) > 0 && (c.BR(月年).joins() || c.BR(月日).joins())) ||
         (c.branchTG(日, x) > 0 && (c.BR(日月).joins() || c.BR(日時).joins())) ||
         (c.stemTG(時, x) > 0 && c.SR(時日).joins()) ||
         (c.branchTG(時, x) > 0 && c.BR(時日).joins());
}

}  // namespace

void WuXingYuanLiXiaoXiFu(CC c, BookText& w) {
  w.say(c.S >= c.v旺 && (c.isTrue(偏官格) || c.isTrue(正官格)),
        L"平生為富為貴、身殺兩停，大貴者用財而不用官、當權者用殺而不用印。");
  w.say(c.stems(辛) + c.stems(庚) >= 3 && c.stems(癸) + c.stems(壬) >= 3, L"金水聰明而好色。")
      .otherwise(c.stems(己) + c.stems(戊) >= 3 && c.stems(癸) + c.stems(壬) >= 3,
                 L"水土混雜必多愚。");
  w.say(c.男 && c.star(羊刃) >= 2, L"男多羊刃必重婚。")
      .otherwise(c.女 && c.isTrue(傷官格), L"女犯傷官須再嫁。");
  w.say(c.isTrue(傷官格) && c.TG(財) == 0, L"傷官無財可恃、雖巧必貧。");
  w.say(DayPillarMeets(c, L"丙子", L"辛卯") || DayPillarMeets(c, L"辛卯", L"丙子"),
        L"丙子辛卯相逢、荒淫滾浪。");
  w.say(c.branches(子) > 0 && c.branches(午) > 0 && c.branches(卯) > 0 && c.branches(酉) > 0,
        L"子午卯酉全備、酒色昏迷。");
  w.say(c.branches(戌) > 0 && c.branches(亥) > 0, L"平生敬信神祇、造化因逢戍亥。");
  w.say(c.TG(正印) > 0 && c.TG(偏印) > 0 && c.TG(正財) > 0 && c.TG(偏財) > 0,
        L"財印混雜、終為困窮；偏正濁亂、必致傷殘。");
  // The day branch 卯 with 辰 beside it; 亥 is looked for among the four branches.
  w.say(c.branch(日) == 卯 && OneOf(辰, {c.branch(年), c.branch(月), c.branch(時)}) &&
            c.branches(亥) > 0,
        L"龍藏亥卯、經商利絡絲綿。");
  w.say(c.pillarIs(日, {L"丁巳"}), L"丁巳孤鸞、合作聰明詩女。");
  w.say(c.女 && c.stage(日) == L"沐浴", L"日犯裸形沐浴。");
  w.say(c.isTrue(歸祿格) && c.TG(財) > 0, L"日祿歸時見財、則清高富貴。");
  if (c.isTrue(歸祿格)) {
    w.say(c.TG(財) > 0, L"歸祿有財而獲福。").otherwise(true, L"無財歸祿必須貧。");
  }
  w.say(c.stemTG(食神) > 0 && c.TG(偏印) > 0, L"老壽無終、丁逢卯木遇己土、梟食之人。");
  if (c.branches(亥) > 0 && c.branches(酉) > 0) {
    w.say(true, L"亥乃神漿、遇酉金嗜杯之客");
    w.say(c.branchTG(月, 正財) > 0 && c.branchTG(月, 偏財) > 0, L"，財逢旺地人多富。")
        .otherwise(true, L"。");
  }
  if (c.somePillar([&](Pillar p) { return c.holds(p, 正官) && c.stage(p) == L"長生"; })) {
    w.say(true, L"官遇長生命必榮");
    w.say(c.stemTG(劫財) > 0 && c.stemTG(偏財) > 0, L"，丁生酉金、丙辛遇之絕嗣。")
        .otherwise(true, L"。");
  }
  w.say((c.branchTG(月, 偏官) > 0 && c.stemTG(月, 財) > 0) ||
            (c.branchTG(年, 偏官) > 0 && c.stemTG(年, 財) > 0) ||
            (c.branchTG(時, 偏官) > 0 && c.stemTG(時, 財) > 0),
        L"財臨殺地、父死而不歸家。");
  w.say(c.star(八專) > 0, L"八專日支同類、殺年殺運生災。");
}

void XiJi(CC c, BookText& w) {
  w.say(c.holds(時, 偏官) && c.S >= c.v相, L"若乃時逢七殺，見之未必為凶；月制干強，七殺反為權印");
  w.say(c.branchTG(月, 偏官) > 0,
        L"五行遇月支偏官，歲月時中亦宜制伏；類有去官留殺，亦有去殺留官。");
  w.say(c.S <= c.v死 && c.lists(時, 羊刃), L"日干無氣，時逢羊刃不為凶。");
  w.say(c.holds(時, 劫財) && c.lists(時, 羊刃), L"劫財羊刃，切忌時逢；歲運併臨，災殃立至。");
  w.say((c.branchTG(日, 正官) > 0 &&
         (c.BR(日時).joins() || c.BR(時日).joins() || c.BR(日月).joins() || c.BR(月日).joins())) ||
            (c.branchTG(時, 正官) > 0 && (c.BR(日時).joins() || c.BR(時日).joins())) ||
            (c.stemTG(時, 正官) > 0 && (c.SR(日時).joins() || c.SR(時日).joins())) ||
            (c.branchTG(月, 正官) > 0 && (c.BR(日月).joins() || c.BR(月日).joins() ||
                                          c.BR(月年).joins() || c.BR(年月).joins())) ||
            (c.stemTG(月, 正官) > 0 && (c.SR(日月).joins() || c.SR(月日).joins() ||
                                        c.SR(月年).joins() || c.SR(年月).joins())) ||
            (c.branchTG(年, 正官) > 0 && (c.BR(年月).joins() || c.BR(月年).joins())) ||
            (c.stemTG(年, 正官) > 0 && (c.SR(年月).joins() || c.SR(月年).joins())),
        L"地支天干合多，亦云貪合忘官");
  w.say(c.holds(年, 偏官) && c.holds(月, 偏官) && c.holds(日, 偏官) && c.holds(時, 偏官),
        L"四柱殺旺運純，身旺為官清貴。");
  w.say(c.女 && c.TG(偏官) == 0 && c.TG(正官) == 1, L"無殺女人之命，一貴可作良人。");
  w.say(c.holds(年, 傷官) && c.holds(月, 傷官) && c.holds(日, 傷官) && c.holds(時, 傷官),
        L"四柱傷官，運入官鄉必破。");
}

void ZiPingFanLun(CC c, BookText& w) {
  w.say(c.isCandidate(傷官格), LongSentence(L"《子平泛論》", 1));
  w.say(c.stems(戊) == 3 && c.stems(癸) == 1, L"三戊合一癸，得再嫁妻財，受剋生子無育。");
  w.say(c.TG(比肩) > 0 && c.TG(印) > 0, L"印綬比肩，不忌財鄉。")
      .nested(c.stemTG(偏印) + c.stemTG(正印) > 0 && c.TG(印) >= 5, L"印綬多根，身旺必滯。");
  w.say(c.somePillar([&](Pillar p) {
    return c.pillarIs(p, {L"辛卯", L"戊寅"});
  }),
        L"辛卯戊寅，不怕殺合。");
  w.say(c.女 && ((c.branchTG(日, 比肩) > 0 && (c.BR(日時).joins() || c.BR(日月).joins())) ||
                 (c.branchTG(月, 比肩) > 0 && (c.BR(月日).joins() || c.BR(月年).joins())) ||
                 (c.stemTG(月, 比肩) > 0 && (c.SR(月日).joins() || c.SR(月年).joins()))),
        L"女命比肩即姐妹，貪合多謊詐，財有卻不怕露殺。");
  w.say(OneOf(c.stem(日), {丙, 丁}) && OneOf(c.branch(月), {巳, 午}),
        L"火命人最好月支屬火，干頭有木，提出火矣。");
  w.say(c.pillarIs(日, {L"癸酉"}) && c.S <= c.v囚, L"癸酉弱格，見殺必凶。官貴太甚，旺處必傾。");
}

void ZiPingJuYao(CC c, BookText& w) {
  w.say(c.stemTG(正官) > 0 && c.stemTG(偏官) == 0, L"露官藏殺方為福。");
  w.say(c.stemTG(正官) == 0 && c.TG(正官) > 0 && c.stemTG(偏官) > 0, L"露殺藏官是禍胎。");
  const bool officerAndKiller = c.TG(正官) > 0 && c.TG(偏官) > 0;
  w.say(officerAndKiller && HeldAndJoined(c, 正官), L"貪合忘官榮不足。");
  w.say(officerAndKiller && HeldAndJoined(c, 偏官), L"貪合忘殺為己福。");
  w.say(c.stemTenGod(年) == L"傷官", L"年上傷官最可嫌，重怕傷官不可益。");
  w.say(c.isCandidate(傷官格) && c.TG(財) == 0 && c.TG(正官) <= 1 && c.branchTG(月, 正官) == 0,
        L"傷官用財乃為福，財絕官衰禍亦然。");
  w.say(c.S <= c.v囚 && c.TG(財) >= 3 && (c.TG(官殺) >= 3 || (c.TG(食神) >= 1 && c.TG(偏官) >= 1)),
        L"堪嗟身弱並財多，更歷官鄉禍相逐。財多身弱食神來，財多生殺必為災。");
}

}  // namespace interpretation
