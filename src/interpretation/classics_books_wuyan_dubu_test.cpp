#include <gtest/gtest.h>

#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

TEST(WuYanDuBu, Sentences) {
  CheckBook(
      L"《五言獨步》",
      {
          {"建祿格", [](CraftedChart& c) { c.truePattern(建祿格); },
           "建祿生提月，財官喜透天。不宜身再旺，惟喜茂財源。"},
          // 時上偏財格 raises 偏財格's true slot; the sentence still needs a 比肩 stem.
          {"時上偏財格 alone", [](CraftedChart& c) { c.truePattern(時上偏財格); }, ""},
          {"時上偏財格 and a 比肩 stem",
           [](CraftedChart& c) { c.truePattern(時上偏財格).stemGod(年, 比肩); },
           "時上偏財格，干頭忌比肩。"},
          {"偏官 hidden at the hour, S = v旺", [](CraftedChart& c) { c.hidden(時, 偏官).DM(8); },
           "時上一位貴，藏在支中是。是主要剛強，名利方有氣。"},
          {"偏官 hidden at the hour, S below v旺",
           [](CraftedChart& c) { c.hidden(時, 偏官).DM(7); }, ""},
      });
}

TEST(DiTianSui, DayPillarsAndTheUnsourcedSentences) {
  const auto nothing = [](CraftedChart&) {};
  CheckBook(L"《滴天髓》",
            {
                {"day 甲申", nothing, "日柱為殺印相生。", {L"", L"", L"甲申", L""}},
                {"day 癸丑", nothing, "日柱為殺印相生。", {L"", L"", L"癸丑", L""}},
                {"day 甲寅", nothing, "", {L"", L"", L"甲寅", L""}},
                // Sentences 2 and 3 have no text yet, so they print nothing, not even the title.
                {"direction and frame",
                 [](CraftedChart& c) { c.chart().hasDirection = c.chart().hasFrame = 1; }, ""},
                {"官殺 and 傷官",
                 [](CraftedChart& c) { c.hidden(月, 正官).hidden(年, 偏官).stemGod(時, 傷官); },
                 "官殺相混須細論，殺有可混不可混。傷官見官最難辨，官有可見不可見。"},
            });
}

TEST(BaiZhangGe, Sentences) {
  CheckBook(
      L"《百章歌》",
      {
          // 害 / 2 + 破 / 2 + 刑 / 2 + branch衝 + stem剋: 1 + 0 + 0 + 1 + 2 = 4, then 5.
          {"relations adding to 4",
           [](CraftedChart& c) {
             c.relations(害, 3)
                 .relations(破, 1)
                 .relations(刑, 1)
                 .relations(branch衝, 1)
                 .relations(stem剋, 2);
           },
           ""},
          {"relations adding to 5",
           [](CraftedChart& c) {
             c.relations(害, 4)
                 .relations(破, 1)
                 .relations(刑, 1)
                 .relations(branch衝, 1)
                 .relations(stem剋, 2);
           },
           "剋衝刑害多，八字兇惡濺必殃。"},
          {"男, 傷官格 without a 傷官 in the day branch",
           [](CraftedChart& c) { c.sex(L"男").truePattern(傷官格); }, "傷官旺處須妨母。"},
          {"女, 傷官格 without a 傷官 in the day branch",
           [](CraftedChart& c) { c.sex(L"女").truePattern(傷官格); }, ""},
          {"女, 傷官格 with a 傷官 in the day branch",
           [](CraftedChart& c) { c.sex(L"女").truePattern(傷官格).hidden(日, 傷官); },
           "傷官太重克夫心。"},
          {"羊刃 and no 正官", [](CraftedChart& c) { c.star(羊刃, 1); },
           "羊刃無制克妻妾。不宜陽刃天干透，運到重逢恐有傷。"},
          // Sentences 1 and 18 share their test; "刑衝" does not join. The listed 羊刃 is not
          // counted, which keeps the sentences of the count above out.
          {"year-month 刑衝 with 羊刃 in the year",
           [](CraftedChart& c) { c.BR(年月, L"刑衝").list(年, 羊刃).star(羊刃, 0); },
           "年沖月提母有損，且又必破祖居根。年沖月令須離祖。"},
          {"year-month 合水破 with 羊刃 in the year",
           [](CraftedChart& c) { c.BR(年月, L"合水破").list(年, 羊刃).star(羊刃, 0); },
           "羊刃遇合心不定。"},
          {"hour lists 羊刃, hour-day stems join",
           [](CraftedChart& c) { c.SR(時日, L"合土").list(時, 羊刃).star(羊刃, 0); },
           "羊刃遇合心不定。"},
          {"no relation, 正官 印 財",
           [](CraftedChart& c) { c.hidden(月, 正官).hidden(年, 正印).hidden(時, 偏財); },
           "四柱絕正大富貴。"},
          {"clashes of the day",
           [](CraftedChart& c) { c.BR(日時, L"衝").BR(時日, L"衝").BR(日月, L"破"); },
           "日沖時支子息難。乾遇時沖損手足。日破提綱每損妻。時日暗沖妻子克，無情多破一生低。"},
          {"女 with 合",
           [](CraftedChart& c) { c.sex(L"女").relations(branch合, 2).relations(stem合, 1); },
           "女命合多淫奔恥。"},
          {"帝旺 pillar with 祿元 and 桃煞",
           [](CraftedChart& c) { c.stage(日, L"帝旺").list(日, 祿元).list(日, 桃煞); },
           "若是桃花帶祿旺，產死不怕旁人榜。"},
          {"day 庚 with 魁罡",
           [](CraftedChart& c) { c.star(魁罡, 1); },
           "金水秋氣炎方取，魁星官殺貴分明。",
           {L"", L"", L"庚辰", L""}},
          {"偏官格, three 偏官, S = v囚",
           [](CraftedChart& c) { c.truePattern(偏官格).TG(偏官, 3).DM(2); },
           "殺重身輕休道弱，如逢印綬作魁星。"},
      });
}

TEST(LunYongShenSuoJi, Sentences) {
  CheckBook(
      L"《論用神所忌》",
      {
          {"時上偏財格", [](CraftedChart& c) { c.truePattern(時上偏財格); }, "用之為財不可劫。"},
          {"七煞格 and 拱祿格", [](CraftedChart& c) { c.truePattern(七煞格).truePattern(拱祿格); },
           "用之為祿不可沖，有祿怕見官星到。若用七殺要有制，制殺太過反為凶；七殺喜見食神刑。"},
          {"羊刃", [](CraftedChart& c) { c.star(羊刃, 1); }, "羊刃怕衝喜合迎。"},
          {"three 比肩", [](CraftedChart& c) { c.TG(比肩, 3); }, "比肩要逢七殺制。"},
      });
}

// The sentences of more than 40 characters in books 1 to 11, as their books cite them: a text,
// once a source gives it, has this length and begins and ends so; until then it is empty.
TEST(LongSentence, CitationsOfBooksOneToEleven) {
  struct Citation {
    const wchar_t* book;
    int sentence;
    std::size_t length;
    std::wstring_view first, last;
  };
  const Citation citations[] = {
      {L"《滴天髓》", 2, 48, L"方是方兮局是局，方要", L"生地庫地皆非福。"},
      {L"《滴天髓》", 3, 48, L"方是方兮局是局，方要", L"左邊右邊空碌碌。"},
      {L"《金玉賦》", 4, 43, L"寅申巳亥互依倚，不遷", L"女命得之主心不定"},
      {L"《金玉賦》", 5, 48, L"金玉賦與洪範云，子午", L"酉，定是隨人走。"},
      {L"《金玉賦》", 6, 47, L"洪範云，辰戌丑末全備", L"忌。此言女命也。"},
  };
  for (const Citation& k : citations) {
    SCOPED_TRACE(U8(k.book) + std::to_string(k.sentence));
    const std::wstring_view text = LongSentence(k.book, k.sentence);
    if (!text.empty()) {
      EXPECT_EQ(text.size(), k.length);
      EXPECT_TRUE(text.starts_with(k.first));
      EXPECT_TRUE(text.ends_with(k.last));
    }
  }
}

}  // namespace
}  // namespace interpretation
