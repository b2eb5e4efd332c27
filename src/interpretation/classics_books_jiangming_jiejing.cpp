#include "interpretation/classics_books.h"
#include "interpretation/classics_malefic_stars.h"

namespace interpretation {
namespace {

using namespace notation;

bool HoldsAtStage(CC c, Pillar p, TenGod x, std::initializer_list<std::wstring_view> stages) {
  return c.holds(p, x) && c.stage(p).is(stages);
}

// The luck cycles run backward for a man of a yin year and a woman of a yang year.
bool LuckRunsBackward(CC c) {
  return (c.男 && c.record.yinYangText == L"陰") || (c.女 && c.record.yinYangText == L"陽");
}

bool LuckRunsForward(CC c) {
  return (c.男 && c.record.yinYangText == L"陽") || (c.女 && c.record.yinYangText == L"陰");
}

}  // namespace

void JiangMingJieJingFu(CC c, BookText& w) {
  w.say(c.S <= c.v死 || c.TG(偏官) >= 3,
        L"清濁辨乎貴賤，運限決於榮枯。莫言身弱而為造化之衰，勿以殺多而斷壽年之夭。");
  // The first case whose stems and month fit decides; its sentence may still need the direction
  // of the luck cycles.
  if (OneOf(c.stem(日), {壬, 癸}) && OneOf(c.branch(月), {巳, 午})) {
    w.say(LuckRunsBackward(c), L"壬癸生巳午月，逆運當主榮華。");
  } else if (OneOf(c.stem(日), {丙, 丁}) && c.branch(月) == 申) {
    w.say(LuckRunsForward(c), L"丙丁值孟冬時，順行早當發達。");
  } else if (OneOf(c.stem(日), {戊, 己}) && OneOf(c.branch(月), {亥, 子})) {
    w.say(true, L"戊己入北方之運，一生作事無成。");
  } else {
    w.say(c.stem(日) == 庚 && c.allStems(丁) + c.allStems(丙) == 0,
          L"庚金無火，非夭即貧。庚金若行巳午方，定是中年損壽。");
  }
  w.say(c.stem(日) == 壬 && c.record.lunarMonthText == L"八", L"壬水喜財官，惟八月逢財則破。");
  w.say(c.S >= c.v旺 && (c.TG(劫財) >= 2 || c.star(羊刃) > 0),
        L"身旺無財，縱壽則否，建刃若行財官運，為人必白手成家。");
  w.say((c.stemTG(年, 偏官) > 0 && c.branchTG(年, 偏官) > 0) ||
            (c.stemTG(月, 偏官) > 0 && c.branchTG(月, 偏官) > 0) ||
            (c.stemTG(時, 偏官) > 0 && c.branchTG(時, 偏官) > 0) ||
            (c.stemTG(偏官) > 0 && c.branchTG(日, 偏官) > 0),
        L" 殺透天干，歲月怕官而喜制。");
  w.say(c.isCandidate(偏官格), L"殺輕制重，為人到底屯稟。殺重制輕，身旺終鬚髮達。");
  w.say(c.holds(時, 傷官) && c.男, L"時帶傷官，男命決然損子。");
  w.say(c.holds(時, 印) && c.女, L"時柱中印綬，女命決定無兒。");
  w.say(c.TG(食傷) >= 3 && c.TG(偏印) >= 2, L"印綬與食傷重，為人奸吝偏淺，兼作事虛花。");
  w.say(c.hiddenTG(正財) > 0 && c.stemTG(正財) == 0 && c.stemTG(偏財) == 0,
        L"正財隱於地支，良賈深藏之士。");
  w.say((c.stemTenGod(月).is({L"正官", L"偏官"}) || c.stemTenGod(時).is({L"正官", L"偏官"})) &&
            c.S <= c.v囚 && c.TG(印) <= 2,
        L"官殺透於時月，浮潺淺露之人。");
  w.say(c.allStems(癸) + c.allStems(庚) + c.allStems(壬) + c.allStems(辛) >= 5,
        L"金白水清，聰明特達。");
  w.say(c.allStems(己) - c.allStems(丁) - c.allStems(丙) + c.allStems(戊) >= 2,
        L"土多火少，晦性昏朦。");
  w.say(c.stage(月) == L"墓" && c.TG(偏官) > 0 && c.TG(正官) > 0, L"月逢墓庫，官殺混雜亦無傷。");
  w.say(c.stemTG(比肩) > 0 && c.TG(比肩) >= 2 && c.TG(傷官) >= 3 && c.男,
        L"干支同而傷官重，害子刑妻。");
  w.say((c.isTrue(偏財格) || c.isTrue(正財格)) && c.S >= c.v旺, L"財星旺而日主強。興家創業。");
  w.say(c.TG(偏官) <= 1 && c.branchTG(月, 偏官) == 0 && c.TG(正官) <= 2 && c.S >= c.v旺,
        L"身強殺淺，不宜有制。");
  w.say(c.TG(印) >= 4 && c.S >= c.v旺, L"印多身旺，最喜逢財。印綬多而日主旺，子息難成。");
  w.say(c.isTrue(正官格) && c.TG(財) >= 3 && c.S >= c.v旺,
        L"大抵日主是人之根基，財官為人之祿馬。財官旺而身主強，多主富貴。");
  w.say(c.branchTG(月, 正官) == 0 && c.TG(正官) < 2 && c.branchTG(月, 偏財) == 0 &&
            c.TG(偏財) < 2 && c.branchTG(月, 正財) == 0 && c.TG(正財) < 2 && c.S >= c.v旺,
        L"大抵日主是人之根基，財官為人之祿馬。財官輕而日太旺，亦見貧寒。");
  w.say(c.TG(印) >= 4, L"印綬多而宜見殺。");
  w.say(c.TG(傷官) >= 4, L"傷官重而不忌官。");
  w.say(c.TG(食神) == 1 && c.女, L"一位食神，富貴賢良之女。");
  w.say(c.allStems(癸) + c.allStems(庚) + c.allStems(壬) + c.allStems(辛) >= 7 && c.女,
        L"滿盤金水，淫邪智慧之人。");
  w.say(c.TG(偏官) >= 1 && c.TG(正官) >= 1 && c.TG(財) >= 3 && c.女, L"官殺混而財星多，夫多重疊。");
  w.say(c.S >= c.v旺 && c.TG(印) >= 4 && c.女, L"印綬多而日主旺，子息難成。");
  w.say(OneOf(c.stem(日), {甲, 乙}) && c.branch(月) == 丑, L"甲乙木生丑月，必主光亨。");
  w.say(OneOf(c.stem(日), {壬, 癸}) && c.branch(月) == 申, L"壬癸水值孟秋，終當富貴。");
  w.say((c.relations(branch合) > 0 || c.relations(stem合) > 0) && c.branches(辰) > 0,
        L"四柱中有辰龍，方為得化。");
  w.say(c.TG(比肩) == 0 && c.TG(劫財) == 0,
        L"三元內無比劫，可作得從。從殺者必然富貴，從財者定主富豪。棄命無從，決然夭壽。");
}

void RenJianLun(CC c, BookText& w) {
  constexpr std::wstring_view kHurtChild = L"兒位逢傷，未歲損成家之子。";
  w.say((c.stemTG(比肩) > 0 || c.stemTG(劫財) > 0) && c.TG(比劫) >= 5,
        L"兄弟多逢，宜嗟原憲之貧窮。");
  w.say((c.stemTG(正印) > 0 || c.stemTG(偏印) > 0) && c.TG(印) >= 5, L"印綬疊逢，可比老彭之高壽。");
  w.say(c.holds(時, 傷官) && c.男, kHurtChild);
  w.say(c.relations(branch合) + c.relations(stem合) >= 4, L"四柱合和，未免題詩於葉上。");
  w.say(c.BR(時日) == L"衝" && c.BR(月日) == L"衝", L"是以妻宮有剋，少年早娶之人。");
  w.say(c.stemTenGod(時) == L"傷官", kHurtChild);
}

void XianJiFuForMen(CC c, BookText& w) {
  w.say(c.somePillar([&](Pillar p) {
    return HoldsAtStage(c, p, 偏財, {L"死", L"絕"});
  }),
        L"早歲父亡，偏財臨絕死之宮。");
  w.say(c.TG(正財) - c.TG(正印) - c.TG(偏印) + c.TG(偏財) >= 4, L"幼歲母離，只為財多印死。");
  w.say(c.somePillar([&](Pillar p) {
    return HoldsAtStage(c, p, 正官, {L"死", L"絕"});
  }),
        L"官逢死氣之方，子難招得。");
  w.say(c.TG(傷官) >= 4, L"如見傷官太甚，子亦難留。");
  // The day branch "in defeat": broken (破) by the hour or the month branch.
  w.say(c.BR(日時) == L"破" || c.BR(日月) == L"破", L"己身入敗，早歲興衰。");
  w.say(c.somePillar([&](Pillar p) { return HoldsAtStage(c, p, 印, {L"長生"}); }),
        L"印綬逢生，母當賢貴。");
  if (c.isTrue(歸祿格)) {
    w.say(c.holds(時, 偏財), L"偏財歸祿，父必崢嶸。")
        .otherwise(c.holds(時, 偏官) || c.holds(時, 正官), L"官煞逢祿，子當顯達。");
  }
  w.say(c.isTrue(歸祿格) && c.holds(時, 比肩), L"比肩歸祿，兄弟名高。");
}

void XianJiFuForWomen(CC c, BookText& w) {
  w.say(c.TG(印) >= 3 && c.TG(食神) == 0, L"印綬多而老無子。");
  w.say(c.stemTG(傷官) > 0 && c.TG(傷官) > 3, L"傷官旺而防傷夫。");
  w.say(c.somePillar([&](Pillar p) {
    return HoldsAtStage(c, p, 食神, {L"長生", L"帝旺"});
  }),
        L"食神一位逢生旺，招子須當拜聖明。");
}

void ZiPingZhenQuanPingZhu(CC c, BookText& w) {
  w.say(c.stemTG(傷官) > 0 && c.stemTG(食神) == 0 && c.hiddenTG(食神) > 0,
        L"藏食露傷，主人性剛。偏正疊出，富貴不巨。");
}

void XingPingHuiHaiQuanShu(CC c, BookText& w) {
  w.say((c.stemTG(劫財) > 0 || c.branchTG(月, 劫財) > 0 || c.TG(劫財) >= 3 || c.star(羊刃) > 0) &&
            c.TG(正官) == 0,
        LongSentence(L"《星平會海全書》", 1));
}

void QiXiangPian(CC c, BookText& w) {
  w.say(c.record.yinCount == 8, L"柔弱偏枯，小人之象。剛健中正，君子之風。");
  w.say(c.allStems(癸) + c.allStems(壬) >= 6 && OneOf(c.branch(月), {亥, 子}),
        L"過於寒薄，和暖處，終難奮發。");
  w.say(c.allStems(丁) + c.allStems(丙) >= 6 && OneOf(c.branch(月), {巳, 午}),
        L"過於燥烈，水激處，反有凶災。");
  w.say(2 * (c.star(陽貴) - c.star(陰貴)) - c.star(月德) - c.star(天德) > 6,
        L"過於貴人，逢災自愈。");
  w.say(MaleficStarSum(c) >= 4, L"過於惡煞，遇福難享。");
  w.say(c.star(驛馬) > 0 && c.relations(branch合) == 0 && c.relations(stem合) == 0,
        L"驛馬無韁，南北東西之客。");
  w.say(c.somePillar([&](Pillar p) { return c.listed(p, 學堂) + c.listed(p, 驛馬) >= 2; }),
        L"學堂逢驛馬，山斗文章。");
  w.say(c.lists(日, 桃煞), L"日主坐咸池，江湖花酒。");
  w.say((c.branchTG(日, 偏官) > 0 && c.lists(日, 正桃)) ||
            (c.branchTG(時, 偏官) > 0 && c.lists(時, 正桃)),
        L"桃花帶煞娼，優隸卒之徒。");
  w.say(c.stems(甲) >= 1 && c.allStems(乙) + c.allStems(甲) >= 3 &&
            c.allStems(癸) + c.allStems(壬) >= 4,
        L"水泛木浮，死無棺槨。");
  const bool fireScorchesEarth =
      c.stems(丙) >= 1 && c.allStems(丁) + c.allStems(丙) >= 3 && c.allStems(戊) >= 3;
  w.say(fireScorchesEarth, L"火炎土燥，生受孤單。");
  w.say(fireScorchesEarth && 1 <= c.allStems(癸) && c.allStems(癸) <= 2,
        L"雙眼無瞳，火土熬乾癸水。");
  w.say((c.stems(丙) >= 1 || c.stems(丁) >= 1) && c.allStems(丙) >= 2 && 1 <= c.allStems(庚) &&
            c.allStems(庚) <= 2,
        L"大腸有病，丙丁剋損庚金。");
}

}  // namespace interpretation
