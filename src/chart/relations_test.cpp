#include "chart/relations.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <sstream>
#include <string>

namespace chart {
namespace {

const std::wstring kStems = L"甲乙丙丁戊己庚辛壬癸";
const std::wstring kBranches = L"子丑寅卯辰巳午未申酉戌亥";

template <typename Array>
int Sum(const Array& values) {
  return std::accumulate(values.begin(), values.end(), 0);
}

TEST(Relations, StemCases) {
  FourPillarsChart chart;
  // Day 甲, hour 己: both orders combine.
  EXPECT_EQ(StemRelation(L"甲", L"己", chart), L"合土");
  EXPECT_EQ(StemRelation(L"己", L"甲", chart), L"合土");
  EXPECT_EQ(chart.relationCounts[kStemCombinations], 2);
  EXPECT_EQ(chart.elementCombinationCounts[4], 2);
  EXPECT_EQ(chart.elementCombinationCounts[9], 2);
  EXPECT_EQ(chart.transformationCount, 1);

  FourPillarsChart control;
  EXPECT_EQ(StemRelation(L"庚", L"甲", control), L"剋");  // year 庚 to day 甲
  EXPECT_EQ(StemRelation(L"甲", L"庚", control), L"");
  EXPECT_EQ(control.relationCounts[kStemOvercomings], 1);
  EXPECT_EQ(control.transformationCount, 0);

  FourPillarsChart none;
  EXPECT_EQ(StemRelation(L"甲", L"甲", none), L"");
  EXPECT_EQ(StemRelation(L"", L"甲", none), L"");
  EXPECT_EQ(StemRelation(L"甲", L"子", none), L"");
  EXPECT_EQ(StemRelation(L"甲乙", L"己", none), L"");
  EXPECT_EQ(Sum(none.relationCounts), 0);
}

// Every ordered stem pair against the five combinations and the ten controls.
TEST(Relations, EveryStemPair) {
  const std::map<std::wstring, std::wstring> expected = {
      {L"甲己", L"合土"}, {L"己甲", L"合土"}, {L"乙庚", L"合金"}, {L"庚乙", L"合金"},
      {L"丙辛", L"合水"}, {L"辛丙", L"合水"}, {L"丁壬", L"合木"}, {L"壬丁", L"合木"},
      {L"戊癸", L"合火"}, {L"癸戊", L"合火"}, {L"甲戊", L"剋"},   {L"乙己", L"剋"},
      {L"丙庚", L"剋"},   {L"丁辛", L"剋"},   {L"戊壬", L"剋"},   {L"己癸", L"剋"},
      {L"庚甲", L"剋"},   {L"辛乙", L"剋"},   {L"壬丙", L"剋"},   {L"癸丁", L"剋"},
  };
  for (int a = 0; a < 10; ++a) {
    for (int b = 0; b < 10; ++b) {
      const std::wstring pair = kStems.substr(a, 1) + kStems.substr(b, 1);
      SCOPED_TRACE(testing::Message() << a << "," << b);
      FourPillarsChart chart;
      const auto found = expected.find(pair);
      const std::wstring text = found == expected.end() ? L"" : found->second;
      EXPECT_EQ(StemRelation(pair.substr(0, 1), pair.substr(1, 1), chart), text);
      EXPECT_EQ(chart.relationCounts[kStemOvercomings], text == L"剋" ? 1 : 0);
      EXPECT_EQ(chart.relationCounts[kStemCombinations], text.size() == 2 ? 1 : 0);
      EXPECT_EQ(Sum(chart.elementCombinationCounts), text.size() == 2 ? 2 : 0);
    }
  }
}

TEST(Relations, BranchCases) {
  FourPillarsChart clash;  // month 子, day 午
  EXPECT_EQ(BranchRelation(L"子", L"午", clash), L"衝");
  EXPECT_EQ(BranchRelation(L"午", L"子", clash), L"沖");
  EXPECT_EQ(clash.relationCounts[kBranchClashes衝], 1);
  EXPECT_EQ(clash.relationCounts[kBranchClashes沖], 1);

  FourPillarsChart punishHarm;  // month 寅, day 巳
  EXPECT_EQ(BranchRelation(L"寅", L"巳", punishHarm), L"刑害");
  EXPECT_EQ(BranchRelation(L"巳", L"寅", punishHarm), L"害");
  EXPECT_EQ(punishHarm.relationCounts[kBranchPunishments], 1);
  EXPECT_EQ(punishHarm.relationCounts[kBranchHarms], 2);

  FourPillarsChart combineBreak;  // year 寅, month 亥
  EXPECT_EQ(BranchRelation(L"寅", L"亥", combineBreak), L"合水破");
  EXPECT_EQ(BranchRelation(L"亥", L"寅", combineBreak), L"合水");
  EXPECT_EQ(combineBreak.relationCounts[kBranchCombinations], 2);
  EXPECT_EQ(combineBreak.relationCounts[kBranchBreaks], 1);
  EXPECT_EQ(combineBreak.elementCombinationCounts[2], 2);
  EXPECT_EQ(combineBreak.elementCombinationCounts[12], 2);
  EXPECT_EQ(combineBreak.transformationCount, 0);  // only stems transform

  FourPillarsChart breakOnly;  // year 丑, hour 辰
  EXPECT_EQ(BranchRelation(L"丑", L"辰", breakOnly), L"破");
  EXPECT_EQ(BranchRelation(L"辰", L"丑", breakOnly), L"");
  EXPECT_EQ(breakOnly.relationCounts[kBranchBreaks], 1);
  EXPECT_EQ(breakOnly.relationCounts[kBranchHarms], 0);

  FourPillarsChart self;  // two 午
  EXPECT_EQ(BranchRelation(L"午", L"午", self), L"刑");
  EXPECT_EQ(BranchRelation(L"午", L"午", self), L"刑");
  EXPECT_EQ(self.relationCounts[kBranchPunishments], 2);

  FourPillarsChart none;
  EXPECT_EQ(BranchRelation(L"子", L"", none), L"");
  EXPECT_EQ(BranchRelation(L"甲", L"己", none), L"");
  EXPECT_EQ(BranchRelation(L"子子", L"午", none), L"");
  EXPECT_EQ(Sum(none.relationCounts), 0);
}

// The branch table as the rule book writes it, by first branch; every other pair has none.
const std::map<wchar_t, std::wstring> kBranchTable = {
    {L'子', L"丑合土 卯刑 午衝 未害 酉破"}, {L'丑', L"子合土 辰破 午害 未衝 戌刑"},
    {L'寅', L"巳刑害 申沖 亥合水破"},       {L'卯', L"子刑 辰害 午破 酉沖 戌合火"},
    {L'辰', L"卯害 辰刑 酉合金 戌沖"},      {L'巳', L"寅害 申合水破 亥沖"},
    {L'午', L"子沖 丑害 午刑 未合木"},      {L'未', L"子害 丑沖 午合木 戌破"},
    {L'申', L"寅刑衝 巳合水 亥害"},         {L'酉', L"卯衝 辰合金 酉刑 戌害"},
    {L'戌', L"卯合火 辰衝 未刑 酉害"},      {L'亥', L"寅合水 巳衝 申害 亥刑"},
};

TEST(Relations, EveryBranchPairAndItsCounters) {
  const std::wstring elements = L"金木水火土";
  for (int a = 0; a < 12; ++a) {
    std::map<wchar_t, std::wstring> row;
    std::wstringstream words(kBranchTable.at(kBranches[a]));
    for (std::wstring word; words >> word;) {
      row[word[0]] = word.substr(1);
    }
    for (int b = 0; b < 12; ++b) {
      SCOPED_TRACE(testing::Message() << a << "," << b);
      const auto found = row.find(kBranches[b]);
      const std::wstring text = found == row.end() ? L"" : found->second;
      FourPillarsChart chart;
      EXPECT_EQ(BranchRelation(kBranches.substr(a, 1), kBranches.substr(b, 1), chart), text);
      const bool combines = text.size() >= 2 && text[0] == L'合';
      const std::wstring rest = combines ? text.substr(2) : text;
      EXPECT_EQ(chart.relationCounts[kBranchCombinations], combines ? 1 : 0);
      EXPECT_EQ(chart.relationCounts[kBranchPunishments], rest.find(L'刑') != rest.npos);
      EXPECT_EQ(chart.relationCounts[kBranchClashes衝], rest.find(L'衝') != rest.npos);
      EXPECT_EQ(chart.relationCounts[kBranchClashes沖], rest.find(L'沖') != rest.npos);
      EXPECT_EQ(chart.relationCounts[kBranchBreaks], rest.find(L'破') != rest.npos);
      EXPECT_EQ(chart.relationCounts[kBranchHarms], rest.find(L'害') != rest.npos);
      EXPECT_EQ(chart.relationCounts[kRelationUnused], 0);
      EXPECT_EQ(chart.relationCounts[kStemCombinations] + chart.relationCounts[kStemOvercomings],
                0);
      for (int e = 0; e < 5; ++e) {
        const int expected = combines && text[1] == elements[e] ? 1 : 0;
        EXPECT_EQ(chart.elementCombinationCounts[e], expected);
        EXPECT_EQ(chart.elementCombinationCounts[5 + e], 0);
        EXPECT_EQ(chart.elementCombinationCounts[10 + e], expected);
      }
    }
  }
}

// Both orders of every branch pair, as the chart page evaluates them: combinations and harms
// count twice, breaks and the one-way punishments once, a clash once in each clash counter.
TEST(Relations, BothOrdersOfAPair) {
  struct Case {
    const wchar_t* pair;
    int combinations, punishments, clashes衝, clashes沖, breaks, harms;
  };
  const Case cases[] = {
      {L"子丑", 2, 0, 0, 0, 0, 0}, {L"子卯", 0, 2, 0, 0, 0, 0}, {L"辰辰", 0, 2, 0, 0, 0, 0},
      {L"子午", 0, 0, 1, 1, 0, 0}, {L"寅申", 0, 1, 1, 1, 0, 0}, {L"丑戌", 0, 1, 0, 0, 0, 0},
      {L"戌未", 0, 1, 0, 0, 1, 0}, {L"巳申", 2, 0, 0, 0, 1, 0}, {L"子未", 0, 0, 0, 0, 0, 2},
      {L"子子", 0, 0, 0, 0, 0, 0}, {L"寅卯", 0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    const std::wstring pair = c.pair;
    FourPillarsChart chart;
    BranchRelation(pair.substr(0, 1), pair.substr(1, 1), chart);
    BranchRelation(pair.substr(1, 1), pair.substr(0, 1), chart);
    EXPECT_EQ(chart.relationCounts[kBranchCombinations], c.combinations);
    EXPECT_EQ(chart.relationCounts[kBranchPunishments], c.punishments);
    EXPECT_EQ(chart.relationCounts[kBranchClashes衝], c.clashes衝);
    EXPECT_EQ(chart.relationCounts[kBranchClashes沖], c.clashes沖);
    EXPECT_EQ(chart.relationCounts[kBranchBreaks], c.breaks);
    EXPECT_EQ(chart.relationCounts[kBranchHarms], c.harms);
  }
}

}  // namespace
}  // namespace chart
