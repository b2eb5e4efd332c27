#include "interpretation/chart_summary_passage.h"

#include <gtest/gtest.h>

#include <set>

#include "interpretation/passage_test_support.h"

namespace interpretation {
namespace {

const wchar_t kStems[] = L"甲乙丙丁戊己庚辛壬癸";
const wchar_t kBranches[] = L"子丑寅卯辰巳午未申酉戌亥";

TEST(ChartSummaryPassage, OpensWithItsKeyAndTheHourStemTheDayStemGives) {
  struct Case {
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* hour;
    const wchar_t* opening;
  };
  const Case cases[] = {
      {L"丙子", L"甲子", L"甲子", L"子月甲日甲子時。"},  // the first entry
      {L"丙子", L"乙丑", L"丙子", L"子月乙日丙子時。"},
      {L"丁亥", L"癸亥", L"癸亥", L"亥月癸日癸亥時。"},  // the last entry
      {L"丙子", L"甲子", L"丙子", L"子月甲日甲子時。"},  // a typed hour stem plays no part
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(std::wstring(c.month) + c.day + c.hour));
    const std::wstring passage =
        ChartSummaryPassage(*ChartOfPillars(L"甲子", c.month, c.day, c.hour));
    EXPECT_EQ(U8(passage.substr(0, 8)), U8(c.opening));
  }
}

// Every key reads its own entry: the passage opens with the key, the hour stem following from
// the day stem as (2 × day stem + hour branch) mod 10.
TEST(ChartSummaryPassage, EveryKeyOpensWithItsOwnPrefix) {
  std::set<std::wstring> passages;
  for (int m = 0; m < 12; ++m) {
    for (int s = 0; s < 10; ++s) {
      for (int h = 0; h < 12; ++h) {
        const std::wstring month{L'甲', kBranches[m]};
        const std::wstring day{kStems[s], kBranches[h]};
        const std::wstring hour{L'甲', kBranches[h]};
        const std::wstring passage =
            ChartSummaryPassage(*ChartOfPillars(L"甲子", month, day, hour));
        const std::wstring prefix{kBranches[m], L'月', kStems[s], L'日', kStems[(2 * s + h) % 10],
                                  kBranches[h], L'時', L'。'};
        ASSERT_EQ(U8(passage.substr(0, 8)), U8(prefix));
        passages.insert(passage);
      }
    }
  }
  EXPECT_EQ(passages.size(), 1440u);
}

TEST(ChartSummaryPassage, AKeyMemberThatIsNoNameGivesTheEmptyText) {
  struct Case {
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* hour;
  };
  const Case cases[] = {
      {L"丙", L"甲子", L"甲子"},      // an empty month branch
      {L"丙子 ", L"甲子", L"甲子"},   // a month branch with a trailing blank
      {L"丙甲", L"甲子", L"甲子"},    // a stem where the month branch belongs
      {L"丙子", L"子子", L"甲子"},    // a branch where the day stem belongs
      {L"丙子", L"", L"甲子"},        // an empty day stem
      {L"丙子", L"甲子", L"甲"},      // an empty hour branch
      {L"丙子", L"甲子", L"甲子丑"},  // an hour branch of two characters
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(std::wstring(c.month) + L"/" + c.day + L"/" + c.hour));
    EXPECT_EQ(U8(ChartSummaryPassage(*ChartOfPillars(L"甲子", c.month, c.day, c.hour))), "");
  }
}

}  // namespace
}  // namespace interpretation
