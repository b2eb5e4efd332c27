#include <algorithm>

#include "interpretation/classics_books.h"

namespace interpretation {

using namespace notation;

namespace {

// Any of the three 三奇 counters, which the spirit-star explanations set.
bool HasThreeMarvels(CC c) {
  return c.star(天上三奇) > 0 || c.star(地下三奇) > 0 || c.star(人中三奇) > 0;
}

// 干與支同: the day stem is one of the day branch's hidden stems. An empty day stem matches
// nothing, not the empty slots of the hidden-stem list.
bool DayStemIsHiddenInDayBranch(CC c) {
  const chart::ChartPillar& day = c.record.pillars[日];
  return !day.stem.empty() && std::find(day.hiddenStems.begin(), day.hiddenStems.end(), day.stem) !=
                                  day.hiddenStems.end();
}

}  // namespace

void JiShanPian(CC c, BookText& w) {
  w.say(c.isTrue(正官格), L"官星正氣、忌見刑沖。");
  w.say(c.holds(時, 偏財) && c.holds(時, 劫財), L"時上偏財、怕逢兄弟。");
  w.say(c.isTrue(印綬格), L"生氣印綬、利官運畏見財鄉。");
  w.say(c.isTrue(偏官格) || c.isTrue(七煞格), L"七殺偏官、喜制伏不宜太過。");
  w.say(c.isTrue(傷官格), L"傷官復行官運，不測災來。");
  w.say(c.star(羊刃) > 0, L"羊刃沖合歲君、勃然禍至。");
  w.say(c.S >= c.v旺 && c.isTrue(正官格) && (c.isTrue(正財格) || c.isTrue(偏財格)),
        L"富而且貴、定因財旺生官。");
  w.say(c.S <= c.v死 && c.TG(官殺) >= 4 && c.TG(正財) == 0 && !c.isTrue(偏財格),
        L"非夭即貧、必是身衰遇鬼。");
  w.say(c.S >= c.v旺, L"生平少病、日主剛強。");
  w.say(c.S <= c.v死, L"少樂多憂、蓋因日主自弱。");
  w.say((c.stemTG(偏官) > 0 || c.branchTG(月, 偏官) > 0) && c.TG(偏官) >= 3 && c.S <= c.v囚,
        L"殺重身輕、終身有損。");
  w.say(c.isTrue(正官格) && c.isTrue(印綬格), L"有官有印、無破作廊廟之材。");
  w.say(c.record.truePatternCount > 0 && c.TG(正印) + c.TG(正官) + c.TG(偏官) + c.TG(偏印) == 0,
        L"無官無印、有格乃朝廷之用。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 羊刃) && c.holds(p, 偏官); }),
        L"為人好殺、羊刃必犯於偏官。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 天德) && c.holds(p, 印); }),
        L"素食慈心、印綬逐逢於天德。官刑不犯、印綬天德同宮。");
  w.say(c.S >= c.v旺, L"生平少病、日主剛強。");
  w.say(c.S >= c.v旺 && (c.isTrue(偏財格) || c.isTrue(正財格)), L"一世安然、財命有氣。");
  // The sex is not tested, though the sentence speaks of a man.
  w.say(HasThreeMarvels(c) && c.S >= c.v旺, L"男命身強、遇三奇為一品之貴。");
}

void SiYanDuBu(CC c, BookText& w) {
  const int dayStem = c.stem(日);
  const int dayBranch = c.branch(日);
  const int monthBranch = c.branch(月);
  const int hourBranch = c.branch(時);
  w.say(DayStemIsHiddenInDayBranch(c), L"干與支同，損財傷妻。");
  w.say(c.branch(年) >= 0 && c.branch(年) == monthBranch, L"月支年同，破刑祖基。");
  w.say(c.stage(月) == L"臨官", L"月令建祿，多無祖屋；一見財官，自然成福。");
  w.say(c.branches(辰) > 0 && c.branches(戌) > 0 && c.branches(丑) > 0 && c.branches(未) > 0,
        L"辰戌丑未，四土之神；人元三用，透旺為真。");
  w.say(c.branches(寅) > 0 && c.branches(申) > 0 && c.branches(巳) > 0 && c.branches(亥) > 0,
        L"寅申巳亥，四生之局；用物身強，遇之發福。");
  w.say(c.branches(子) > 0 && c.branches(午) > 0 && c.branches(卯) > 0 && c.branches(酉) > 0,
        L"子午卯酉，四敗之局；男犯興衰，女犯孤獨。");
  w.say(c.somePillar([&](Pillar p) {
    return (c.holds(p, 正財) || c.holds(p, 偏財) || c.holds(p, 正官)) && c.stage(p) == L"墓";
  }),
        L"財官臨庫，不沖不發；四柱干支，喜刑相合。");
  w.say(c.TG(正官) >= 2 && c.TG(偏官) >= 2, L"官殺重逢，制殺有功；如行帝旺，逢之必凶。");
  w.say(c.hiddenTG(正印) + c.hiddenTG(偏印) <= 1 && c.S >= c.v相,
        L"印綬根輕，旺中發達。先印後財，自成其福；先財後印，反成其辱。");
  w.say(c.hiddenTG(正印) + c.hiddenTG(偏印) >= 4 && c.S >= c.v相,
        L"印綬根多，旺中不發。先印後財，自成其福；先財後印，反成其辱。");
  w.say(c.stemTG(傷官) > 0 || c.branchTG(月, 傷官) > 0,
        L"傷官有用，死宮有子；傷官無財，子宮有死。");
  w.say(c.holds(時, 偏財), L"時上偏財，怕逢兄弟。");
  w.say((c.branchTG(月, 偏印) > 0 || c.branchTG(月, 正印) > 0 || c.stemTG(正印) > 0 ||
         c.stemTG(偏印) > 0) &&
            c.TG(正財) == 0 && c.TG(偏財) == 0,
        L"印綬無財，比劫不忌。");
  w.say(c.isTrue(拱祿格) && c.isTrue(拱貴格), L"拱祿拱貴，填實則凶；提綱有用，論之不同。");
  w.say(c.isTrue(歸祿格) || (dayStem == 庚 && hourBranch == 申 && c.TG(正官) > 0 &&
                             (c.TG(偏財) > 0 || c.TG(正財) > 0)),
        L"庚日申時，透財歸祿；名利高強，比肩奪福。");
  w.say(c.isTrue(天元一氣格), L"天元一氣，地物相同；人命得此，位列三公。");
  w.say(c.isTrue(兩干連珠格), L"八字連珠，元神有用；造化逢之，利名必重。");
  w.say(c.isTrue(金神格) && c.TG(偏官) >= 2 && c.S >= c.v相,
        L"金神帶殺，身旺為奇；更行火地，名利當時。");
  w.say(dayStem == 丙 && c.branches(寅) == 4 && c.stems(丙) >= 2,
        L"天干二丙，地支全寅；更加生印，死見凶臨。");
  w.say(c.pillarIs(日, {L"甲寅"}) && c.branches(寅) >= 2 && c.branches(巳) == 2,
        L"甲寅重寅，二巳刑殺，終身必橫，遇之難發。");
  w.say(OneOf(dayStem, {丙, 丁}) && dayBranch == 申 && c.allStems(丁) + c.allStems(丙) >= 4 &&
            monthBranch == 寅,
        L"火旺來寅，透土坐申；衣祿多後，見水傷身。");
  w.say(c.pillarIs(日, {L"戊寅"}) && OneOf(monthBranch, {申, 酉, 亥, 子}),
        L"六戊生寅，月令水金；火鄉有救，見土邢身。");
  // 己戌, 癸寅 and 癸戌 pair a stem and a branch of unlike polarity, as the book writes them.
  w.say(c.pillarIs(日, {L"己戌"}) && c.allStems(辛) + c.allStems(庚) >= 2 &&
            c.allStems(癸) + c.allStems(壬) >= 3,
        L"己日坐戌，火神無氣；多水多金，眼昏目暈。");
  w.say(OneOf(dayStem, {庚, 辛}) && dayBranch == 午 && OneOf(monthBranch, {申, 酉}) &&
            c.stems(丙) > 0 && c.stems(丁) > 0,
        L"秋金坐午，丙丁透露；運至離明，血傷泉路。");
  w.say(c.pillarIs(日, {L"庚午", L"辛未"}), L"庚金坐午，辛金坐未；煞旺西方，東生取貴。");
  w.say(c.pillarIs(日, {L"辛卯"}) && c.branch(年) == 酉 && monthBranch == 酉,
        L"辛逢卯日，年月見酉；時帶朝陽，為僧道丑。");
  w.say(c.pillarIs(日, {L"辛亥"}) && monthBranch == 亥,
        L"辛日坐亥，月莫臨戌；水運若行，須防目疾。");
  w.say(c.pillarIs(日, {L"辛巳"}), L"辛日坐巳，官印通祿；順行南方，顯貴榮福。");
  w.say(c.pillarIs(日, {L"壬寅", L"壬戌"}) && c.stems(戊) >= 1 && c.TG(正官) == 0,
        L"壬寅壬戌，陽土透立；不混官星，祿顯名崇。");
  w.say(OneOf(dayStem, {壬, 癸}) && OneOf(dayBranch, {酉, 申}) && OneOf(monthBranch, {酉, 申}),
        L"壬癸兼金，生於酉申；土旺則貴，水旺則貧。");
  w.say(c.pillarIs(日, {L"癸巳"}), L"癸向巳宮，財官拘印；運至南方，利名必振。");
  w.say(c.pillarIs(日, {L"癸寅"}) && c.branches(亥) > 0,
        L"癸日寅亥，殺財透露；地合傷官，有勞無福。");
  w.say(dayStem == 癸 && monthBranch == 申 && OneOf(hourBranch, {卯, 寅, 戌}) &&
            c.holds(年, 偏官) && c.holds(月, 劫財),
        L"癸日申提，卯寅戌時；年殺月劫，林下孤淒。");
  w.say(dayStem == 癸 && c.stems(己) > 0 && c.TG(正官) == 0,
        L"癸日干己，陰煞重逢；無官混雜，名利富貴。");
  w.say(
      c.女 && (c.branchTG(月, 偏官) > 0 || c.stemTG(偏官) > 0) && c.TG(偏官) >= 2 && c.TG(食神) > 0,
      L"殺多有制，女人必貴。");
  w.say(c.女 && c.stemTG(正官) >= 3 && c.TG(偏官) > 0, L"官星犯重，濁淫濫類。");
  w.say(OneOf(dayStem, {丙, 丁}) && monthBranch == 申, L"陽火申提，無根從煞；有根南旺，脫根壽促。");
  w.say(dayStem == 壬 && c.pillarIs(月, {L"癸戌"}), L"壬日戌提，癸干來月；運喜東方，逢沖即絕。");
  w.say(dayStem == 乙 && monthBranch == 酉, L"乙日酉月，見水為奇；有根丑絕，無根寅危。");
  w.say(dayStem == 庚 && hourBranch == 申, L"庚日申時，柱中金局；支無會合，傷官劫妻。");
  w.say((dayStem == 癸 && monthBranch == 寅) || (dayStem == 壬 && hourBranch == 亥),
        L"癸日寅提，壬日亥時；莫犯提綱，禍福別推。提綱有用，最忌刑沖；沖運則吉，沖用則凶。");
  w.say(HasThreeMarvels(c), L"三奇透露，日干要強。其根有用，富貴榮昌。");
  w.say(c.record.transformationCount > 0, L"十干化氣，有影無形；無中生有，禍福難憑。");
  w.say(c.star(惡敗) > 0, L"十惡大敗，格中不忌；若會財官，反成富貴。");
  w.say(c.isTrue(偏官格) || c.isTrue(七煞格),
        L"格局推詳，以殺為重。制煞為權，何愁損用。煞不離印，印不離煞。殺印相生，功名顯達。");
  w.say(c.stemTG(時, 偏官) > 0, L"時煞無根，煞旺最貴；時煞多根，煞旺不利。");
  w.say(monthBranch == 酉 && c.branchTG(月, 正官) > 0, L"八月官星，大忌卯丁；卯丁克破，有情無情。");
  w.say(c.isTrue(印綬格) && c.TG(比劫) > 0, L"印煞比劫，喜行財鄉。")
      .otherwise(c.isTrue(印綬格), L"印無比肩，畏行財鄉。");
  w.say(c.stemTG(傷官) > 0 || c.branchTG(月, 傷官) > 0,
        L"傷官見官，格中大忌；不損用神，何愁官至。");
  w.say(c.isTrue(歸祿格) && c.branchTG(月, 偏財) + c.branchTG(月, 正財) + c.branchTG(月, 正官) > 0,
        L" 日祿居時，青雲得路；月令財官，遇之吉助。");
  w.say(c.isTrue(壬騎龍背格), L"壬騎龍背，見戌無情。寅多則富，辰多則榮。");
  w.say(dayStem == 甲 && monthBranch == 寅, L"六甲寅月，透財時節。西北行程，九流成業。");
  w.say(OneOf(dayStem, {丙, 丁}), L"陽火無根，水鄉必忌；陰火無根，水鄉有救。");
  w.say(dayStem == 己, L"年干會火，日時會金；己干用印，官澈名清。");
  w.say((dayStem == 辛 && monthBranch == 辰) || (dayStem == 庚 && monthBranch == 丑),
        L"辛金月辰，庚金丑庫；逆數清孤，順則豪富。");
  w.say(c.pillarIs(日, {L"辛酉"}), L"辛金坐酉，財官臨印；順行南方，名利必振。");
  w.say(OneOf(dayStem, {庚, 辛}), L"土生四季，日坐庚辛，何愁主弱，旺地成名。");
  w.say(c.pillarIs(日, {L"壬午"}), L"壬坐午位，祿馬同鄉；重遇火局，格最高強。");
  w.say(c.女 && c.isTrue(傷官格), L"傷官之格，女人最忌。");
  w.say(c.女 && c.isTrue(傷官格) && c.TG(印) > 0 && c.TG(財) > 0, L"帶財帶印，返成富貴。");
  w.say((c.star(正桃) > 0 || c.star(桃煞) > 0) && (c.stemTG(正官) > 0 || c.hiddenTG(正官) > 0),
        L"官星桃花，福祿堪誇。");
  w.say((c.star(正桃) > 0 || c.star(桃煞) > 0) && (c.stemTG(偏官) > 0 || c.hiddenTG(偏官) > 0),
        L"煞星桃花，朝劫暮色。");
  w.say((c.stemTG(食神) > 0 || c.branchTG(月, 食神) > 0) && c.TG(食神) >= 2,
        L"食神生旺，勝似財官。濁之則淺，清之則完。");
}

}  // namespace interpretation
