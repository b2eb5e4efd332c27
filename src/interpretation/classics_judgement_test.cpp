#include "interpretation/classics_judgement.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "testing/utf8.h"

namespace interpretation {
namespace {

using namespace notation;
using test_text::EncodeUtf8;

constexpr chart::SeasonalStrengthValues kValues = {8, 5, 3, 2, 1};

std::string Judge(const chart::FourPillarsChart& chart, const std::vector<ClassicsBook>& books) {
  return EncodeUtf8(JudgeByClassics(chart, kValues, books));
}

// Made-up books whose sentences read one counter each.
void OfficerBook(CC c, BookText& w) {
  w.say(c.TG(正官) > 0, L"有官。");
  w.say(c.TG(財) > 0, L"有財。");
}
void TwiceBook(CC c, BookText& w) {
  w.say(c.star(羊刃) > 0, L"刃。");
  w.say(c.TG(正官) > 0, L"官。");
  w.say(c.star(羊刃) > 0, L"刃。");  // the same sentence from a second place
}
void ChainBook(CC c, BookText& w) {
  w.say(c.TG(財) >= 4, L"財多。").nested(c.TG(正官) > 0, L"見官。");
  w.say(c.S >= c.v旺, L"身旺。").otherwise(c.S <= c.v囚, L"身弱。").otherwise(true, L"身中。");
}
void PillarBook(CC c, BookText& w) {
  w.sayForEachPillar([&](Pillar p) { return c.lists(p, 華蓋); }, L"華蓋。");
  w.say(c.somePillar([&](Pillar p) { return c.lists(p, 華蓋); }), L"有華蓋。");
}
void MenPart(CC, BookText& w) { w.say(true, L"男詞。"); }
void WomenPart(CC, BookText& w) { w.say(true, L"女詞。"); }
void AnyoneBook(CC c, BookText& w) {
  w.say(c.男, L"男。");
  w.say(c.女, L"女。");
  w.say(!c.男 && !c.女, L"無。");
}

std::unique_ptr<chart::FourPillarsChart> EmptyChart() { return chart::NewFourPillarsChart(); }

TEST(JudgeByClassics, NothingHoldsGivesOneBreak) {
  auto chart = EmptyChart();
  EXPECT_EQ(Judge(*chart, {{L"《甲書》", {Readers::kEveryone, OfficerBook}}}), "<br>");
}

TEST(JudgeByClassics, BooksArePrintedInOrderOnlyWithSentences) {
  auto chart = EmptyChart();
  chart->tenGodCounts[chart::kCountZhengCai] = 1;
  const std::vector<ClassicsBook> books = {
      {L"《甲書》", {Readers::kEveryone, OfficerBook}},
      {L"《乙書》", {Readers::kEveryone, TwiceBook}},
      {L"《丙書》", {Readers::kEveryone, nullptr}},
      {L"《丁書》", {Readers::kEveryone, OfficerBook}},
  };
  EXPECT_EQ(Judge(*chart, books), "<br>《甲書》有財。<br>《丁書》有財。<br>");
}

TEST(JudgeByClassics, ASentenceAppendedTwicePrintsItsTitleOnce) {
  auto chart = EmptyChart();
  chart->starCounts[chart::kStar羊刃] = 1;
  EXPECT_EQ(Judge(*chart, {{L"《乙書》", {Readers::kEveryone, TwiceBook}}}),
            "<br>《乙書》刃。刃。<br>");
}

TEST(JudgeByClassics, OtherwiseAndNestedSentences) {
  struct Case {
    int wealth, officer, strength;
    std::string expected;
  };
  const Case cases[] = {
      {4, 1, 8, "財多。見官。身旺。"},
      {4, 0, 2, "財多。身弱。"},
      {3, 1, 3, "身中。"},  // no nested sentence without the first
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.expected);
    auto chart = EmptyChart();
    chart->tenGodCounts[chart::kCountPianCai] = k.wealth;
    chart->tenGodCounts[chart::kCountZhengGuan] = k.officer;
    chart->dayMasterStrengthValue = k.strength;
    EXPECT_EQ(Judge(*chart, {{L"《戊書》", {Readers::kEveryone, ChainBook}}}),
              "<br>《戊書》" + k.expected + "<br>");
  }
}

TEST(JudgeByClassics, PillarLoopsAppendPerPillarOrOnce) {
  auto chart = EmptyChart();
  chart::AppendStarName(chart->pillars[chart::kYearPillar].starNames, L"華蓋");
  auto& hour = chart->pillars[chart::kHourPillar].starNames;
  for (int i = 0; i < 12; ++i) {
    chart::AppendStarName(hour, L"空亡");
  }
  chart::AppendStarName(hour, L"華蓋");  // past the twelfth entry
  EXPECT_EQ(Judge(*chart, {{L"《己書》", {Readers::kEveryone, PillarBook}}}),
            "<br>《己書》華蓋。華蓋。有華蓋。<br>");
}

TEST(JudgeByClassics, SexTextSelectsWomensBooksAndTheParts) {
  const std::vector<ClassicsBook> books = {
      {L"《庚書》", {Readers::kEveryone, AnyoneBook}},
      {L"《仙機賦》", {Readers::kMen, MenPart}, {Readers::kWomen, WomenPart}},
      {L"《女書》", {Readers::kWomen, AnyoneBook}},
  };
  struct Case {
    const wchar_t* sex;
    std::string expected;
  };
  const Case cases[] = {
      {L"女", "<br>《庚書》女。<br>《仙機賦》女詞。<br>《女書》女。<br>"},
      {L"男", "<br>《庚書》男。<br>《仙機賦》男詞。<br>"},
      {L"", "<br>《庚書》無。<br>"},
      {L"女 ", "<br>《庚書》無。<br>"},  // compared whole
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(EncodeUtf8(k.sex));
    auto chart = EmptyChart();
    chart->sexText = k.sex;
    EXPECT_EQ(Judge(*chart, books), k.expected);
  }
}

TEST(LongSentence, SentencesFoundInASourceAndTheEmptyRest) {
  EXPECT_EQ(LongSentence(L"《子平泛論》", 1).size(), 68u);
  EXPECT_TRUE(LongSentence(L"《子平泛論》", 1).starts_with(L"傷官若傷盡，卻喜見官"));
  EXPECT_EQ(LongSentence(L"《滴天髓》", 2), L"");
  EXPECT_EQ(LongSentence(L"《滴天髓》", 9), L"");
}

TEST(ClassicsBooks, TheThirtyOneBooksInOrder) {
  const std::vector<std::wstring> headers = {
      L"《五言獨步》",       L"《滴天髓》",         L"《百章歌》",     L"《論用神所忌》",
      L"《碧淵賦》",         L"《論喜忌總歌》",     L"《諸論口訣》",   L"《寸金搜髓論》",
      L"《金玉賦》",         L"《繼善篇》",         L"《四言獨步》",   L"《幽微賦》",
      L"《幽微天干賦》",     L"《金不換看命繩尺》", L"《淵源集說》",   L"《愛憎賦》",
      L"《五行元理消息賦》", L"《喜忌》",           L"《子平泛論》",   L"《子平舉要》",
      L"《講命捷徑賦》",     L"《人鑒論》",         L"《仙機賦》",     L"《子平真銓評注》",
      L"《星平會海全書》",   L"《氣象篇》",         L"《崖泉女命賦》", L"《其他》",
      L"《女命賤格》",       L"《女命總斷歌》",     L"《女命詩訣》"};
  const auto books = ClassicsBooks();
  ASSERT_EQ(books.size(), headers.size());
  for (std::size_t i = 0; i < books.size(); ++i) {
    SCOPED_TRACE(EncodeUtf8(headers[i]));
    EXPECT_EQ(books[i].header, headers[i]);
    const bool forWomen = i == 26 || i >= 28;
    EXPECT_EQ(books[i].part.readers, i == 22    ? Readers::kMen
                                     : forWomen ? Readers::kWomen
                                                : Readers::kEveryone);
    EXPECT_EQ(books[i].secondPart.readers, i == 22 ? Readers::kWomen : Readers::kEveryone);
  }
}

}  // namespace
}  // namespace interpretation
