#include "interpretation/classics_books.h"

namespace interpretation {

using namespace notation;

namespace {

// X is hurt: a pillar holding X in its stem is overcome by a neighbour's stem, or one holding it
// in its branch is clashed by a neighbour's branch.
bool IsHurt(CC c, TenGod x) {
  return (c.stemTG(年, x) > 0 && c.SR(月年) == L"剋") ||
         (c.branchTG(年, x) > 0 && c.BR(月年) == L"衝") ||
         (c.stemTG(月, x) > 0 && (c.SR(年月) == L"剋" || c.SR(日月) == L"剋")) ||
         (c.branchTG(月, x) > 0 && (c.BR(年月) == L"衝" || c.BR(日月) == L"衝")) ||
         (c.stemTG(時, x) > 0 && c.SR(日時) == L"剋") ||
         (c.branchTG(時, x) > 0 && c.BR(日時) == L"衝") ||
         (c.branchTG(日, x) > 0 && (c.BR(月日) == L"衝" || c.BR(時日) == L"衝"));
}

// The ten god's count in the stems and branches of the year and the month.
int InYearAndMonth(CC c, TenGod x) {
  return c.stemTG(年, x) + c.branchTG(年, x) + c.stemTG(月, x) + c.branchTG(月, x);
}

// 財 in the month branch, or two of one kind of wealth.
bool HasWealth(CC c) {
  return c.branchTG(月, 正財) > 0 || c.TG(正財) >= 2 || c.branchTG(月, 偏財) > 0 || c.TG(偏財) >= 2;
}

}  // namespace

void BiYuanFu(CC c, BookText& w) {
  w.say(c.TG(官殺) <= 1 && ((c.S >= c.v旺 && c.TG(比劫) >= 3) || (c.S >= c.v相 && c.TG(比劫) >= 5)),
        L"太過無剋制者貧賤。")
      .otherwise(c.S <= c.v囚 && c.TG(印) + c.TG(比劫) <= 2, L"不及無生扶者夭折。");
  w.say(c.isTrue(正官格), L"逢官而看財，見財而富貴。");
  w.say(c.isTrue(偏官格) || c.isTrue(七煞格), L"逢殺而看印，遇印以榮華。");
  w.say(c.isTrue(印綬格), L"逢印看官而遇官，十有八貴。");
  w.say((c.isTrue(偏財格) || c.isTrue(正財格)) && c.S <= c.v囚, L"逢財忌殺而有殺，十有九貧。");
  w.say(OneOf(c.stem(日), {甲, 乙}) && c.frame(木) > 0, L"亥卯未逢於甲乙，富貴無疑（曲直格）。");
  w.say(OneOf(c.stem(日), {丙, 丁}) && c.frame(火) > 0, L"寅午戍遇於丙丁，榮華有準（炎上格）。");
  w.say(OneOf(c.stem(日), {戊, 己}) && c.frame(土) > 0,
        L"戊己局全四季，榮冠諸曹。更值德秀三奇，名揚四岳（稼穡格）。");
  w.say(OneOf(c.stem(日), {庚, 辛}) && c.frame(金) > 0, L"庚辛局全巳酉丑，位重權高（從革格）。");
  w.say(OneOf(c.stem(日), {壬, 癸}) && c.frame(水) > 0, L"壬癸格得申子辰，學優才足（潤下格）。");
  w.say(OneOf(c.stem(日), {甲, 乙}) && c.direction(木) > 0,
        L"木全寅卯辰之方，功名自有（曲直格）。");
  w.say(OneOf(c.stem(日), {丙, 丁}) && c.direction(火) > 0,
        L"火臨巳午未之域，顯達之人（炎上格）。");
  w.say(OneOf(c.stem(日), {庚, 辛}) && c.direction(金) > 0,
        L"金備申酉戍之地，富貴無虧（從革格）。");
  w.say(OneOf(c.stem(日), {壬, 癸}) && c.direction(水) > 0,
        L"水歸亥子丑之源，榮華之客（潤下格）。");
  w.say(c.S <= c.v死 && c.TG(正官) > 0 && c.TG(偏官) > 0, L"官殺混雜，身弱則貧。");
  w.say(c.S >= c.v相 && c.TG(正官) > 0 && c.TG(偏官) > 0 && c.TG(正官) - c.TG(偏官) <= 2,
        L"官殺相停，合殺為貴。");
  w.say(c.stemTG(年, 正官) > 0 || c.stemTG(月, 正官) > 0 ||
            c.branchTG(年, 正官) + c.branchTG(月, 正官) >= 2,
        L"年月官星，早年出仕。");
  w.say(c.stemTG(時, 正官) > 0 || (c.branchTG(日, 正官) > 0 && c.branchTG(時, 正官) > 0),
        L"日時正官，晚歲成名。");
  w.say(c.somePillar([&](Pillar p) { return c.holds(p, 印) && c.stage(p) == L"胎"; }),
        L"胞胎逢印綬，祿享千鍾。");
  w.say(c.somePillar([&](Pillar p) { return c.holds(p, 財) && c.stage(p) == L"長生"; }),
        L"財氣遇長生，肥田萬頃。");
  w.say(c.star(日德) > 0 && c.lists(日, 魁罡) &&
            (c.BR(時日) == L"刑" || c.BR(日時) == L"刑" || c.BR(日月) == L"刑" ||
             c.BR(月日) == L"刑"),
        L"日德見魁罡，遇刑衝貧寒之士。");
  w.say(c.star(魁罡) > 0 && c.star(祿元) > 0 && HasWealth(c), L"魁罡見財星，總得地祿食之人。");
  w.say((c.stemTG(傷官) > 0 || c.branchTG(月, 傷官) > 0 || c.TG(傷官) >= 3) &&
            (c.stemTG(正官) > 0 || c.branchTG(月, 正官) > 0 || c.TG(正官) >= 2),
        L"傷官見官，妙入印財之地。");
  w.say((c.branchTG(月, 正印) > 0 || c.TG(正印) >= 3 || c.branchTG(月, 偏印) > 0 ||
         c.TG(偏印) >= 2) &&
            HasWealth(c),
        L"財星破印，宜逢比劫之鄉。");
  w.say(c.女 && c.isTrue(傷官格) &&
            (c.isTrue(建祿格) || c.isTrue(飛天祿馬格) || c.isTrue(合祿格) || c.isTrue(拱祿格)),
        L"女遇傷官，歸祿得之極貴。");
  // The book compares with the number 2 here, not with one of the five values.
  w.say(c.男 && c.S <= 2 && c.star(羊刃) > 0, L"男逢羊刃，身弱隨之為奇。");
  w.say(c.女 && c.isTrue(傷官格) && c.isTrue(金神格) && c.isTrue(飛天祿馬格),
        L"金神飛祿傷官，女命逢之最忌。");
  w.say(c.男 && c.isTrue(傷官格) && c.isTrue(偏官格) && c.star(羊刃) > 0,
        L"羊刃傷官七殺，男命值之得權。");
  w.say(c.isTrue(金神格) && c.star(羊刃) > 0 && (c.frame(火) > 0 || c.direction(火) > 0),
        L"金神入火逢刃殺，貴而無疑。");
  w.say(c.isTrue(歸祿格) && c.TG(正官) == 0 && (c.TG(食神) > 0 || c.TG(傷官) > 0),
        L"歸祿無官逢食傷，榮而有權。");
  w.say((c.stemTG(正印) > 0 || c.TG(正印) >= 3) && c.TG(正官) == 0, L"正印無官，居官不顯。");
  w.say((c.stemTG(偏官) > 0 || c.TG(偏官) >= 3) && c.star(羊刃) > 0, L"羊刃七殺，出仕馳名。");
  w.say(c.S >= c.v旺 && c.TG(正官) == 0 && c.TG(正財) == 0 && c.TG(偏財) == 0,
        L"身旺無依，僧道之命。");
  w.say(c.star(桃煞) + c.star(正桃) >= 3 && c.star(月德) == 0 && c.star(天德) == 0 && c.女,
        L"桃花滾浪，女妓之流。");
  w.say(c.isTrue(傷官格), L"傷官逢財而有子。");
  w.say(c.isTrue(偏官格), L"七殺有制亦多兒。");
  w.say(IsHurt(c, 印), L"印綬被傷，母年早喪。");
  w.say(c.TG(劫財) - c.TG(正財) - c.TG(偏財) >= 2 || IsHurt(c, 財), L"財源被劫，父命先傾。");
  w.say(c.isTrue(傷官格), L"男命傷官須損子，女命傷官定剋夫。");
  w.say(c.S >= c.v旺 && InYearAndMonth(c, 正官) >= 2 &&
            (InYearAndMonth(c, 正財) >= 2 || InYearAndMonth(c, 偏財) >= 2),
        L"年月財官身旺，公顯父榮。");
  w.say(c.lists(日, 驛馬) && c.stage(日) == L"臨官" && c.stage(時) == L"長生",
        L"日時祿馬長生，妻賢子貴。");
  w.say(c.stage(月) == L"臨官" && c.TG(正官) + c.TG(正財) + c.TG(偏財) == 0,
        L"月中歸祿無財官，父喪他邦。");
  w.say(c.lists(年, 驛馬) && c.stage(年) == L"臨官" && c.BR(月年).is({L"衝", L"破"}),
        L"年逢祿馬被衝破，公亡外郡。");
  const bool wealthDayRobberHour = c.holds(日, 財) && c.holds(時, 劫財);
  w.say(wealthDayRobberHour, L"日逢財，時逢劫，妻妾產亡。");
  w.say(c.holds(年, 偏官) && c.holds(月, 傷官), L"太歲值殺月值傷，弟兄不睦。");
  w.say(c.star(祿元) > 0 && c.star(陰陽) > 0, L"專祿若遇陰錯，外家零落。");
  w.say(c.star(驛馬) > 0 && c.star(陰陽) > 0, L"逐馬如遇陽差，公姑真假。");
  w.say(c.holds(年, 偏官) && c.BR(月年).is({L"刑", L"害"}), L"歲月值殺有刑害，公父連傷。");
  w.say(c.TG(正財) == 0 && c.TG(偏財) == 0 && c.TG(正官) == 0, L"正日神背祿無財助，妻兒離散。");
  w.say(c.holds(日, 財) && (c.BR(日月).joins() || c.BR(日時).joins()), L"正財偏財見合，妻妾姦淫。");
  w.say(c.男 && c.S <= c.v囚 && c.TG(財) >= 3, L"男遇財多身弱，妻話偏聽。");
  w.say(c.stemTG(正官) > 0 && (c.branchTG(月, 正財) > 0 || c.TG(財) >= 3), L"旺財官而致富。");
  w.say(c.star(祿元) > 0 && c.star(驛馬) > 0, L"暗祿馬以榮華。");
  w.say((c.hiddenTG(偏財) > 0 || c.hiddenTG(正財) > 0) && c.TG(正官) > 0, L"暗祿馬以榮華。");
  w.say(c.TG(正官) >= 3, L"正官重見，多生女子少生男。");
  w.say(c.isTrue(正官格) && c.TG(偏財) > 0, L"出現偏財，少愛正妻偏愛妾。");
  w.say(wealthDayRobberHour, L"日值財，時劫財，父興子敗。");
  w.say(c.holds(年, 正官) && c.holds(月, 傷官), L"年正官，月傷官，公強父弱。");
  w.say(wealthDayRobberHour, L"日值財，時劫財，父興子敗。");
  w.say(c.isTrue(合祿格) || c.isTrue(拱祿格) || c.isTrue(拱貴格), L"拱祿夾祿拱貴，爵祿豐榮。");
  w.say(c.isTrue(井欄叉格) || c.isTrue(子遙巳格) || c.isTrue(丑遙巳格),
        L"倒衝遙巳欄叉，功名顯達。");
  w.say(c.isTrue(六甲趨乾格) || c.isTrue(六壬趨艮格), L"壬趨乾(亥)，甲趨艮(寅)，清貴之士。");
  w.say(c.isTrue(六陰朝陽格) || c.isTrue(六乙鼠貴格), L"辛朝陽，乙鼠貴，文學之臣。");
}

}  // namespace interpretation
