#include "interpretation/classics_books.h"

namespace interpretation {
namespace {

using namespace notation;

// 倒插桃花: the year branch and the frame the other three branches make, with the sentence of
// the case, each stored whole (the four share their tail).
struct ReversedPeachBlossom {
  Branch yearBranch;
  Element frame;
  std::wstring_view sentence;
};
// clang-format off
constexpr ReversedPeachBlossom kReversedPeachBlossoms[] = {
    {子, 木, L"年支為子，月日時三支成亥卯未三合木局，為倒插桃花。倒插桃花色更艷，日時月里反朝年。風流倜儻人妒忌，性巧聰明多淑賢。"},
    {午, 金, L"年支為午，月日時三支成巳酉丑三合金局，為倒插桃花。倒插桃花色更艷，日時月里反朝年。風流倜儻人妒忌，性巧聰明多淑賢。"},
    {卯, 火, L"年支為卯，月日時三支成寅午戌三合火局，為倒插桃花。倒插桃花色更艷，日時月里反朝年。風流倜儻人妒忌，性巧聰明多淑賢。"},
    {酉, 水, L"年支為酉，月日時三支成申子辰三合水局，為倒插桃花。倒插桃花色更艷，日時月里反朝年。風流倜儻人妒忌，性巧聰明多淑賢。"},
};
// clang-format on

bool ListsPeachBlossom(CC c, Pillar p) { return c.lists(p, 正桃) || c.lists(p, 桃煞); }

}  // namespace

void NuMingJianGe(CC c, BookText& w) {
  for (const ReversedPeachBlossom& r : kReversedPeachBlossoms) {
    if (c.branch(年) == r.yearBranch && c.frame(r.frame) > 0) {
      w.say(true, r.sentence);
      return;
    }
  }
}

void NuMingZongDuanGe(CC c, BookText& w) {
  w.say(c.somePillar([&](Pillar p) {
    return c.lists(p, 驛馬) && (c.lists(p, 陰貴) || c.lists(p, 陽貴));
  }) && !(c.TG(正官) > 0 && c.TG(財) > 0 && c.TG(印) > 0),
        L"驛馬帶貴人，終久落風塵。");
}

void NuMingShiJue(CC c, BookText& w) {
  w.say(c.TG(正官) > 0 && c.TG(財) > 0 && c.TG(印) > 0, L"財官印綬三般物，女命逢之必旺夫。");
  w.say(c.S >= c.v相 && c.TG(偏官) <= 2, L"不犯殺多無混雜，身強制伏有稱呼。");
  w.say(c.isTrue(傷官格) && c.TG(印) + c.TG(財) == 0, L"女命傷官福不真，無財無印守孤貧。")
      .nested((c.stemTG(年, 傷官) > 0 && c.branchTG(年, 傷官) > 0) ||
                  (c.stemTG(月, 傷官) > 0 && c.branchTG(月, 傷官) > 0) ||
                  (c.stemTG(時, 傷官) > 0 && c.branchTG(時, 傷官) > 0),
              L"局中若見傷官透，必作堂前使喚人。");
  if (c.relations(branch合) > 0 || c.relations(stem合) > 0) {
    w.say(c.TG(正官) > 0, L"有夫帶合須還正。").otherwise(true, L"有合無夫定是偏。");
  }
  w.say(c.S <= c.v囚 && c.TG(官殺) >= 4, L"官殺重來成下格。");
  w.say(c.TG(傷官) >= 4 && c.hasFrame() + c.relations(branch合) + c.relations(stem合) >= 2,
        L"傷官重合不須言。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 正桃) && c.holds(p, 正官); }),
        L"官帶桃花福壽長。");
  w.say(c.somePillar([&](Pillar p) { return ListsPeachBlossom(c, p) && c.holds(p, 偏官); }),
        L"桃花帶殺少禎祥。");
  w.say(c.somePillar([&](Pillar p) { return ListsPeachBlossom(c, p) && c.holds(p, 比劫); }),
        L"劫比桃花大不良。");
  w.say((c.star(正桃) > 0 || c.star(桃煞) > 0) &&
            (c.BR(日月).joins() || c.BR(月日).joins() || c.BR(月年).joins() || c.BR(年月).joins() ||
             c.BR(日時).joins() || c.BR(時日).joins() || c.BR(日年).joins() || c.BR(年日).joins()),
        L"合多切忌桃花犯。");
  if (c.isTrue(傷官格)) {
    w.say(true, L"女命傷官格內嫌");
    w.say(c.TG(財) > 0 && c.TG(印) > 0, L"，帶財帶印福方堅 。").otherwise(true, L"。");
  }
  w.say(c.TG(傷官) > 4, L"傷官旺處傷夫主，破了傷官損壽元。");
  w.say(c.isTrue(飛天祿馬格) || c.isTrue(井欄叉格),
        L"飛天祿馬井欄叉，女命逢之福不佳，只好為偏並作妓，有財方可享榮華。");
}

}  // namespace interpretation
