#include <array>
#include <string>

#include "interpretation/classics_books.h"
#include "interpretation/classics_malefic_stars.h"

namespace interpretation {
namespace {

using namespace notation;

bool ListsPeachBlossom(CC c, Pillar p) { return c.lists(p, 正桃) || c.lists(p, 桃煞); }

// Whether a 魁罡 pillar meets 刑 or 沖 ("衝" does not count) in the branch relations with its
// neighbours.
bool MeetsPunishmentOrClash(CC c, Pillar p) {
  const auto meets = [&](PillarPair a, PillarPair b) {
    return c.BR(a).is({L"刑", L"沖"}) || c.BR(b).is({L"刑", L"沖"});
  };
  switch (p) {
    case 年:
      return meets(年月, 月年);
    case 月:
      return meets(年月, 月年) || meets(月日, 日月);
    case 日:
      return meets(日月, 月日) || meets(日時, 時日);
    case 時:
      return meets(時日, 日時);
  }
  return false;
}

// The description of one 魁罡 pillar: its opening and the ending it takes when it meets 刑 or
// 沖; the empty text for a 魁罡 pillar that is none of 庚辰, 庚戌, 戊戌 and 壬辰.
struct KuiGangText {
  std::wstring opening;
  std::wstring_view ending;
};

// clang-format off
// 壬辰 of the year, month, day and hour: its opening and its ending (their punctuation differs).
constexpr auto kRenChenTexts = std::to_array<std::array<std::wstring_view, 2>>({
    {L"年干支壬辰為水魁罡，富有急智之心性;", L"逢刑沖，其性格具有攻擊性，常因不冷靜而易發奇禍。"},
    {L"月干支壬辰為水魁罡，富有急智之心性", L"；逢刑沖，其性格具有攻擊性，常因不冷靜而易發奇禍。"},
    {L"日干支壬辰為水魁罡，富有急智之心性。", L"；逢刑沖，其性格具有攻擊性，常因不冷靜而易發奇禍"},
    {L"時干支壬辰為水魁罡，富有急智之心性", L"；逢刑沖，其性格具有攻擊性，常因不冷靜而易發奇禍"},
});
// clang-format on
static_assert(kRenChenTexts.size() == kFourPillars.size());
constexpr auto kPillarWords =
    std::to_array<std::wstring_view>({L"年干支", L"月干支", L"日干支", L"時干支"});
static_assert(kPillarWords.size() == kFourPillars.size());

KuiGangText DescribeKuiGang(CC c, Pillar p) {
  if (c.stem(p) == 庚 && OneOf(c.branch(p), {辰, 戌})) {
    return {std::wstring(kPillarWords[p]) + c.pillar(p) + L"為金魁罡，多好議論，公義過度，好管閒事",
            L"；逢刑沖，則擅言辭譏評他人之事，而易發事端。"};
  }
  if (c.pillarIs(p, {L"戊戌"})) {
    return {std::wstring(kPillarWords[p]) + L"戊戌為土魁罡，有沉默、堅毅之心性，少言而心明",
            L"；逢刑沖，則好自譏自嘲，言辭銳利，視金錢為要事。"};
  }
  if (c.pillarIs(p, {L"壬辰"})) {
    return {std::wstring(kRenChenTexts[p][0]), kRenChenTexts[p][1]};
  }
  return {};
}

}  // namespace

void YaQuanNuMingFu(CC c, BookText& w) {
  w.say(c.S <= c.v囚 && c.isCandidate(正官格), L"凡觀女命，身弱為奇，官星得氣得祿得財稱美。");
  w.say(c.TG(正官) - c.TG(傷官) > 0 && c.TG(偏官) == 0 && c.TG(正官) > 0, L"無煞混官，定配賢郎。");
  w.say(c.TG(正官) == 0 && c.TG(偏官) == 0 && (c.isCandidate(正財格) || c.isCandidate(偏財格)),
        L"無官便要看財星，財旺生官富貴。");
  w.say(c.somePillar([&](Pillar p) { return c.branchTG(p, 食神) > 0 && c.stage(p) == L"墓"; }),
        L"食神入墓子必死。");
  w.say(c.somePillar([&](Pillar p) { return c.branchTG(p, 正官) > 0 && c.stage(p) == L"墓"; }),
        L"官星入墓夫先亡。");
  w.say(c.TG(財) > 0 && c.TG(傷官) >= 4, L"傷官太多更逢財，一對鴛鴦兩拆開。");
  w.say(c.stems(己) + c.stems(戊) >= 4, L"幹頭戊己重重見，心內聰明欠主裁。");
  w.say(c.somePillar([&](Pillar p) { return ListsPeachBlossom(c, p) && c.holds(p, 正官); }),
        L"子午卯酉是桃花，官帶桃花福祿加。");
  w.say(c.somePillar([&](Pillar p) { return ListsPeachBlossom(c, p) && c.holds(p, 偏官); }),
        L"殺帶桃花貧且賤，為娼作妓走天涯。");
}

void QiTa(CC c, BookText& w) {
  w.say(c.star(卷舌) > 0 && c.S <= c.v休,
        L"出現卷舌，先天表達能力不佳、口吃或啞；或後天破財災病傷滯身。");
  const long long fire = c.weight(丙) + c.weight(丁);
  const long long water = c.weight(壬) + c.weight(癸);
  w.say(water == 0 && fire >= 10, L"火多無水，眼或身易有疾。");
  w.say(water != 0 && fire / water >= 4, L"火遠多於水，眼或身易有疾。");
  w.say(fire == 0 && water >= 10, L"水多無火，眼或身易有疾。");
  w.say(fire != 0 && water / fire >= 5, L"水遠多於火，眼或身易有疾。");
  w.say(c.star(魁罡) > 0 && c.女, L"魁罡日所生女命皆忌，婚姻都不順利。");
  if (c.star(魁罡) >= 2) {
    constexpr std::wstring_view kDoubleClash = L"壬辰魁罡忌與戊戌魁罡雙沖。";
    w.say(c.pillarIs(日, {L"壬辰"}) && (c.pillarIs(月, {L"戊戌"}) || c.pillarIs(時, {L"戊戌"})),
          kDoubleClash);
    w.say(c.pillarIs(日, {L"戊戌"}) && (c.pillarIs(月, {L"壬辰"}) || c.pillarIs(時, {L"壬辰"})),
          kDoubleClash);
    w.say(c.pillarIs(月, {L"壬辰"}) && c.pillarIs(年, {L"戊戌"}), kDoubleClash);
    w.say(c.pillarIs(月, {L"戊戌"}) && c.pillarIs(年, {L"壬辰"}), kDoubleClash);
  }
  int kuiGangPillars = 0;
  for (Pillar p : kFourPillars) {
    if (!c.lists(p, 魁罡)) {
      continue;
    }
    ++kuiGangPillars;
    const KuiGangText text = DescribeKuiGang(c, p);
    if (!text.opening.empty()) {
      w.say(true, text.opening);
      w.say(MeetsPunishmentOrClash(c, p), text.ending).otherwise(true, L"。");
    }
  }
  w.say(kuiGangPillars == 1, L"一柱魁罡者，日主旺則為有福祿，衰則貧寒，忌刑沖。");
  w.say(
      ((c.SR(日年) == L"剋" || c.SR(月年) == L"剋") && c.stemTenGod(年).is({L"正財", L"偏財"})) ||
          ((c.SR(日月) == L"剋" || c.SR(年月) == L"剋") && c.stemTenGod(月).is({L"正財", L"偏財"})),
      L"財被剋，或貧窮，或夫妻離散，或父早亡。");
  const bool robberOnStemAndBranch = c.stemTG(劫財) > 0 && c.TG(劫財) >= 2;
  w.say(robberOnStemAndBranch, L"天干地支皆有劫財，自以為是。")
      .nested(c.S >= c.v旺, L"身又強，則個性剛強。");
  w.say(robberOnStemAndBranch, L"天干見劫財或劫財重，遇劫財大運流年時，好賭。");
  w.say(c.stemTG(比肩) >= 2, L"天干兄弟二三，江湖兄弟。");
  w.say(c.stemTG(傷官) >= 2, L"天干傷官二三，江湖行走。");
  w.say(c.stemTG(食神) > 0 && c.TG(食神) >= 2, L"天干地支皆有食神，好嘗美食。");
  w.say((c.SR(日時) == L"剋" || c.SR(時日) == L"剋" || c.BR(日時).is({L"衝", L"沖"})) &&
            (c.SR(日月) == L"剋" || c.SR(月日) == L"剋" || c.BR(日月).is({L"衝", L"沖"})),
        L"日時相衝剋，日月又衝相剋；若流年大運衝剋日主，須防病重、重傷、死亡意外等。");
  w.say(c.BR(日時).is({L"破", L"害"}) || c.BR(時日).is({L"破", L"害"}),
        L"日時地支見破害，須防病重、重傷、死亡意外等。");
  w.say(c.BR(日月).is({L"破", L"害"}) || c.BR(月日).is({L"破", L"害"}),
        L"日與時月地支見破害，須防病重、重傷、死亡意外等。");
  w.say(c.holds(年, 印) && c.holds(月, 印) && c.holds(日, 印) && c.holds(時, 印),
        L"四柱純印主孤獨。");
  w.say(c.star(日德) > 0 && c.star(魁罡) > 0, L"日德不喜見魁罡，化成煞曜最難當。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 羊刃) && c.holds(p, 官殺); }),
        L"羊刃之辰怕官，刑衝破害禍千端。大嫌財旺居三合，斷指傷殘體不完。");
  w.say(c.star(羊刃) > 0, L"羊刃嫌衝合歲君，流年遇此主災迍；三刑七煞如交遇，必定閰王出引尋。");
  w.say(c.isTrue(七煞羊刃格), L"羊刃七煞墓官鄉，偏怕刑衝祿不昌；會合若逢財旺地，須防災禍及身殃。");
  w.say(c.TG(正官) >= 4, L"正官過多同七煞。");
  w.say(c.TG(食神) >= 4, L"食神過多同傷官。");
  w.say(c.S <= c.v休 &&
            MaleficStarSum(c) - 2 * (c.star(陰貴) + c.star(陽貴)) - c.star(月德) - c.star(天德) > 6,
        L"身弱煞神多，意外病重要小心。");
  w.say(c.stems(丙) >= 1 && c.allStems(丁) + c.allStems(丙) >= 3 && c.allStems(戊) >= 3 &&
            c.allStems(癸) == 1,
        L"火大土燥癸水乾防目盲。");
}

}  // namespace interpretation
