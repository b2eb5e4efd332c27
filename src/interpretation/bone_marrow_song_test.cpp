#include "interpretation/bone_marrow_song.h"

#include <gtest/gtest.h>

#include "interpretation/passage_test_support.h"

namespace interpretation {
namespace {

std::wstring SongOf(std::wstring_view dayPillar, std::wstring_view monthPillar) {
  return BoneMarrowSongText(*ChartOfPillars(L"甲子", monthPillar, dayPillar, L"甲子"));
}

TEST(BoneMarrowSongText, TheVerseAndParaphraseOfDayStemAndMonthBranch) {
  EXPECT_EQ(U8(SongOf(L"甲子", L"丙子")),
            U8(L"<br>甲日子提為印綬，順行不似逆行高。官多殺盛東為美，午未相逢總徒勞。"
               L"<br>甲日子提為印授，順運不如運逆走。煞多官盛東為美，午未逢之為忌星。"));
}

TEST(BoneMarrowSongText, EachKeyReadsItsOwnEntry) {
  struct Case {
    const wchar_t* dayPillar;
    const wchar_t* monthPillar;
    const wchar_t* stem;
    const wchar_t* branch;
  };
  const Case cases[] = {
      {L"癸亥", L"癸亥", L"癸", L"亥"},  // the last key
      {L"己巳", L"丙寅", L"己", L"寅"},
      {L"庚午", L"丁酉", L"庚", L"酉"},
      {L"甲子", L"乙丑", L"甲", L"丑"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(std::wstring(c.stem) + c.branch));
    EXPECT_EQ(U8(SongOf(c.dayPillar, c.monthPillar)),
              U8(L"<br>" + PoolText(kBoneMarrowVerses, {c.stem, c.branch}) + L"<br>" +
                 PoolText(kBoneMarrowParaphrases, {c.stem, c.branch})));
  }
}

TEST(BoneMarrowSongText, ThePlaceOf丙In卯HasNoParaphrase) {
  const std::wstring text = SongOf(L"丙寅", L"乙卯");
  EXPECT_EQ(U8(text), U8(L"<br>" + PoolText(kBoneMarrowVerses, {L"丙", L"卯"}) + L"<br>"));
  EXPECT_GT(text.size(), 8u);
}

TEST(BoneMarrowSongText, TheVerseOf己In寅KeepsItsBlank) {
  const std::wstring verse = PoolText(kBoneMarrowVerses, {L"己", L"寅"});
  EXPECT_EQ(verse.size(), 33u);
  EXPECT_EQ(verse.find(L'，', verse.find(L'，') + 1) + 1, verse.find(L' '));
  EXPECT_EQ(U8(SongOf(L"己卯", L"丙寅")).find(U8(verse)), 4u);
}

TEST(BoneMarrowSongText, AKeyOutsideTheNamesGivesTwoLineBreaks) {
  struct Case {
    const wchar_t* dayPillar;
    const wchar_t* monthPillar;
  };
  const Case cases[] = {
      {L"甲子", L"丙子丑"},  // a month branch of two characters
      {L"", L"丙子"},        // an empty day stem
      {L"甲子", L"丙"},      // an empty month branch
      {L"子子", L"丙子"},    // a branch where the day stem belongs
      {L"甲子", L"丙甲"},    // a stem where the month branch belongs
      {L"甲子", L"丙子 "},   // a blank after the branch
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(std::wstring(c.dayPillar) + L"/" + c.monthPillar));
    EXPECT_EQ(U8(SongOf(c.dayPillar, c.monthPillar)), "<br><br>");
  }
}

}  // namespace
}  // namespace interpretation
