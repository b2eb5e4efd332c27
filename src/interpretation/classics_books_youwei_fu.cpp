#include <string>

#include "chart/seasonal_strength.h"
#include "chart/stem_branch_basics.h"
#include "interpretation/classics_books.h"
#include "vocabulary/cyclic_index.h"

namespace interpretation {
namespace {

using namespace notation;

// The stem that combines with the day stem (甲 and 己, 乙 and 庚, ...), five steps on; empty when
// the day stem is not a stem, so a typed or malformed chart never indexes outside the stems.
std::wstring WifeStem(CC c) {
  if (c.stem(日) < 0) {
    return {};
  }
  return chart::StemName(vocabulary::FloorMod(c.stem(日) + 5, 10));
}

// "P holds X and its stage is W" in the pillar cases of 幽微賦.
bool HoldsAtStage(CC c, Pillar p, TenGod x, std::wstring_view stage) {
  return c.holds(p, x) && c.stage(p) == stage;
}

}  // namespace

void YouWeiFu(CC c, BookText& w) {
  w.say(c.star(天德) > 0 && c.star(月德) > 0, L"慈祥敏慧，天月二德聚來。");
  w.say(c.TG(印) >= 5, L"印綬旺而子少息稀。");
  w.say(c.TG(正官) >= 3, L"正官旺而女多男少。");
  w.say(c.somePillar(
            [&](Pillar p) { return (c.lists(p, 正桃) || c.lists(p, 桃煞)) && c.holds(p, 偏官); }),
        L"酒色猖狂，只是桃花帶殺。")
      .nested(c.女, L"女帶桃花坐殺，定主淫奔。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 祿元) && c.holds(p, 偏官); }),
        L"偏官歸祿，父必崢嶸。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 祿元) && c.holds(p, 比肩); }),
        L"比肩逢祿，兄弟名高。");
  w.say(c.女 && c.somePillar([&](Pillar p) { return c.lists(p, 祿元) && c.holds(p, 正官); }),
        L"官星臨祿旺之鄉，子當榮顯。");
  w.say(c.somePillar([&](Pillar p) { return HoldsAtStage(c, p, 印, L"長生"); }),
        L"印綬逢生，母當賢貴。");
  w.say(c.TG(正財) - c.TG(正印) - c.TG(偏印) + c.TG(偏財) >= 4, L"幼歲母離，只為財多印死。");
  w.say(c.TG(比肩) >= 4, L"比肩多而兄弟無情。");
  w.say(c.star(羊刃) >= 2, L"羊刃多而妻宮有損。");
  const std::wstring wife = WifeStem(c);
  w.say(!wife.empty() && chart::SeasonalStateOfElement(c.record.sectionTermName,
                                                       chart::ElementOfStem(wife)) == L"死",
        L"妻星失令，半路拋離。");
  w.say((c.女 && c.TG(正官) <= 2 && HoldsAtStage(c, 年, 正官, L"死")) ||
            HoldsAtStage(c, 月, 正官, L"死") || HoldsAtStage(c, 日, 正官, L"死") ||
            HoldsAtStage(c, 時, 正官, L"死"),
        L"官逢死氣之方，子招難得。");
  w.say(c.TG(傷官) >= 4, L"若見傷官太盛，子亦難留。");
  w.say(c.女 && c.somePillar([&](Pillar p) { return HoldsAtStage(c, p, 偏官, L"長生"); }),
        L"殺遇長生之位，女招貧夫。");
  w.say((c.男 && HoldsAtStage(c, 年, 正財, L"墓")) || HoldsAtStage(c, 月, 正財, L"墓") ||
            HoldsAtStage(c, 日, 正財, L"墓") || HoldsAtStage(c, 時, 正財, L"墓"),
        L"妻入墓不得妻財。");
}

void YouWeiTianGanFu(CC c, BookText& w) {
  w.say(c.TG(傷官) > 0 && c.TG(正官) == 0, L"有秀無官，但施巧於技藝。");
  w.say(c.TG(財) > 0 && c.TG(比肩) == 0, L"見財無比，惟逐利於經商。");
  w.say(c.allStems(乙) + c.allStems(甲) >= 1 && c.branches(申) > 0, L"頭面有損，則申破甲乙。");
  w.say(c.allStems(癸) >= 3 && c.allStems(壬) + c.allStems(癸) >= 5 &&
            c.allStems(丁) + c.allStems(丙) == 1,
        L"眼目有災，則丙沉亥子。");
}

void JinBuHuanKanMingShengChi(CC c, BookText& w) {
  // The true slot of 偏財格 is read as a count here: 時上偏財格 raises it too.
  const int wealthTrueSlot = c.record.truePatternFlags[偏財格.trueSlot];
  w.say((c.isCandidate(正財格) || c.isCandidate(偏財格) || c.isCandidate(正官格)) && c.S <= c.v囚,
        L"財官旺而日主弱，運行身旺最為奇。");
  w.say(c.S >= c.v旺 && (c.TG(正財) + wealthTrueSlot <= 1 || c.TG(正官) == 0),
        L"日主旺而財官弱，運行財鄉名利馳。");
  w.say(c.S >= c.v旺 && c.TG(比劫) >= 3, L"身旺比劫重，損財又傷妻。");
  w.say(c.男 && c.TG(比肩) > 0 && c.TG(劫財) > 0 && c.TG(偏印) >= 2 && c.TG(食神) >= 2,
        L"比劫逢梟食，妻遭產里危。");
  w.say(c.somePillar([&](Pillar p) { return HoldsAtStage(c, p, 正官, L"墓"); }),
        L"逢官官入墓，父死他鄉土。");
  w.say(c.TG(正官) - c.TG(劫財) - c.TG(比肩) >= 3, L"支幹官鬼眾，兄弟最難為。");
  w.say(c.holds(年, 傷官) && c.holds(月, 傷官) && c.holds(日, 傷官) && c.holds(時, 傷官),
        L"傷官四柱見，伯道老無兒。");
  w.say(c.branchTG(年, 財) > 0 && c.branchTG(月, 財) > 0 && c.branchTG(日, 偏財) > 0 &&
            c.branchTG(時, 財) > 0,
        L"地支純財局，大富大貴不須疑。");
  w.say(c.isTrue(正官格), L"若行官旺運，納粟奏名賢。");
  w.say(c.TG(正官) > 0 && c.TG(偏官) > 0 && c.TG(正官) <= 2 && c.S >= c.v休,
        L"去官留殺者，威顯在邊夷。");
  w.say((c.isCandidate(正財格) || c.isCandidate(偏財格)) && c.hiddenTG(正官) > 0 &&
            c.stemTG(正官) == 0,
        L"財旺暗生官，用賄求名利。");
  w.say(c.TG(正財) - c.TG(正印) - c.TG(偏印) + c.TG(偏財) >= 3, L"棄印就財者，孑立整根基。");
  w.say(c.女 && c.TG(偏印) >= 3, L"偏印反傷官，女人最須忌。");
  w.say(c.女 && c.BR(日時) == L"害" && c.BR(月日) == L"刑", L"刑夫並害子，且自守孤幃。");
  w.say(c.isCandidate(傷官格) && (c.stemTG(正官) >= 1 || c.TG(正官) >= 2),
        L"傷官見官者，運喜人財地。名標龍虎榜，身到鳳凰池。");
  w.say(c.TG(比肩) > 0 && c.TG(劫財) > 0 && c.TG(偏印) > 0,
        L"比劫偏印格，傷官克受制；侄男為親嗣，義女為偏妻。");
  w.say(c.TG(偏官) > 0 && c.TG(食神) > c.TG(偏官), L"偏官制伏過，僧道守閒居。");
  w.say(c.TG(財) >= 4 && c.S <= c.v囚, L"財多身弱者，溺水及漂屍。");
  w.say(c.isCandidate(偏官格) && c.S >= c.v旺, L"身旺而敵殺，衣紫及穿緋。虛邀並暗拱，早歲步雲梯。");
}

void YuanYuanJiShuo(CC c, BookText& w) {
  // 偏官 and 正官 "seen": on a stem, in the month branch, or often enough anywhere.
  const bool killerSeen = c.stemTG(偏官) > 0 || c.branchTG(月, 偏官) > 0 || c.TG(偏官) >= 2;
  w.say(c.isTrue(正官格) && c.stemTG(時, 財) > 0, L"最貴者，官星為命，時得偏正財為福。");
  w.say(c.TG(偏官) >= 3 && c.star(天德) > 0 && c.star(月德) > 0,
        L"最凶者，七殺臨身，逢天月二德為祥。");
  w.say((c.branchTG(月, 正官) > 0 || (c.stemTG(正官) > 0 && c.TG(正官) >= 2)) && c.TG(劫財) > 0 &&
            c.TG(印) == 0,
        L"官星若遇劫財，雖官無貴。");
  w.say(killerSeen && c.TG(財) > 0, L"七殺如逢資助，其殺愈重。");
  w.say(c.frame(水) + c.frame(木) + c.frame(火) + c.frame(金) + c.frame(土) +
                c.relations(branch合) + c.relations(stem合) >=
            2,
        L"三合六合，運歲逢而必榮。");
  w.say(c.branchTG(月, 正官) > 0 || c.stemTG(月, 正官) > 0, L"七官八官，月逢官而為喜。");
  w.say(c.isTrue(歸祿格) && c.TG(食神) > 0, L"歸祿若見子孫，祿無限妙。");
  w.say(c.isTrue(傷官格) && c.TG(印) >= 1, L"傷官要見印綬，貴不可言。");
  w.say(killerSeen && (c.stemTG(正官) > 0 || c.branchTG(月, 正官) > 0 || c.TG(正官) >= 3) &&
            c.star(天德) > 0 && c.star(月德) > 0,
        L"官殺混逢天月二德，壽位高遷。");
  w.say(c.lists(月, 羊刃) && c.lists(年, 羊刃), L"年月立有陰陽羊刃，刑罰重犯。");
  w.say(c.star(羊刃) + c.star(飛刃) + c.star(血刃) + c.star(血支) >= 2,
        L"飛刃、伏刃、羊刃與血支等，會刃多凶。");
  w.say((c.stemTG(正官) > 0 || c.TG(正官) >= 2) && (c.stemTG(傷官) > 0 || c.TG(傷官) >= 2),
        L"傷官見官，剝官見禍。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 羊刃) && c.holds(p, 印); }),
        L"羊刃若逢印綬，縱貴有疾病在身。");
  w.say(c.TG(正官) > 0 && c.TG(偏官) > 0 && c.TG(正財) > 0 && c.TG(偏財) > 0 && c.TG(正印) > 0 &&
            c.TG(偏印) > 0,
        L"三偏三正，官居一品之尊。");
  // One point per joining pair; the day-hour pairs are looked at twice, so they give two.
  const int joiningPairs =
      (c.BR(時日).joins() || c.BR(日時).joins()) + (c.BR(日月).joins() || c.BR(月日).joins()) +
      (c.BR(月年).joins() || c.BR(年月).joins()) + (c.BR(日時).joins() || c.BR(時日).joins()) +
      (c.SR(時日).joins() || c.SR(日時).joins()) + (c.SR(日月).joins() || c.SR(月日).joins()) +
      (c.SR(月年).joins() || c.SR(年月).joins()) + (c.SR(日時).joins() || c.SR(時日).joins());
  w.say(joiningPairs >= 4 || c.relations(branch合) + c.relations(stem合) >= 4,
        L"四柱四合，福坐眾人之上。");
  w.say(c.TG(正官) > 0 && c.TG(偏官) > 0, L"官殺同來，要知扶官扶殺。偏正混合，須知合正合偏。");
  w.say(c.star(祿元) > 0 && c.star(羊刃) > 0, L"福祿若逢羊刃，世事不明。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 羊刃) && c.holds(p, 偏官); }),
        L"羊刃兼會七殺，千里徒流。");
  w.say(c.holds(月, 財) && c.stemTG(劫財) > 0 && c.hiddenTG(劫財) > 0, L"月財若透劫奪，一生貧困。");
  w.say(c.S <= c.v死 && c.record.truePatternCount >= 1,
        L"身弱徒然入格，縱發早亡；福轉若遇休囚，卒發傾夭。");
}

void AiZengFu(CC c, BookText& w) {
  w.say(c.stage(日) == L"墓" && c.stage(時) == L"墓", L"日時居墓庫之中、憂多樂少。");
  w.say(c.branches(子) > 0 && c.branches(午) > 0 && c.branches(卯) > 0 && c.branches(酉) > 0,
        L"子午卯酉，四敗之局。男犯興衰，女犯孤獨。");
}

}  // namespace interpretation
