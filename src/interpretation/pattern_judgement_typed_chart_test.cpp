#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "interpretation/passage_test_support.h"
#include "interpretation/pattern_judgement.h"

namespace interpretation {
namespace {

using namespace notation;

// Each pattern block of a section in order: "blue 名", "green 名" or "grey 名: reasons".
std::vector<std::string> PatternBlocks(const std::wstring& section) {
  std::vector<std::string> blocks;
  constexpr std::wstring_view kBlue = L"<br><font color = blue>[";
  constexpr std::wstring_view kGreen = L"<br><font color = #00FF00>[";
  constexpr std::wstring_view kGrey = L"<br>[";
  constexpr std::wstring_view kReasons = L"未入格原因: ";
  // The count line's "[藍色]" is not a block.
  std::size_t at = section.find(L"表示真正入格)");
  while (at != std::wstring::npos) {
    const std::size_t blue = section.find(kBlue, at);
    const std::size_t green = section.find(kGreen, at);
    const std::size_t grey = section.find(kGrey, at);
    const std::size_t next = std::min({blue, green, grey});
    if (next == std::wstring::npos) {
      break;
    }
    const std::wstring_view kind = next == blue ? kBlue : next == green ? kGreen : kGrey;
    const std::size_t nameStart = next + kind.size();
    const std::size_t nameEnd = section.find(L']', nameStart);
    const std::wstring name = section.substr(nameStart, nameEnd - nameStart);
    if (kind == kGrey) {
      const std::size_t from = section.find(kReasons, nameEnd) + kReasons.size();
      blocks.push_back("grey " + U8(name) + ":" +
                       U8(section.substr(from, section.find(L"</span>", from) - from)));
    } else {
      blocks.push_back((kind == kBlue ? "blue " : "green ") + U8(name));
    }
    at = nameEnd;
  }
  return blocks;
}

// The derived typed chart 庚辰 戊寅 甲子 甲子 (男, 年日, 土, 8 5 3 2 1) through the whole
// catalogue.
TEST(ChartPatterns, TypedChartGengchenWuyinJiaziJiazi) {
  auto chart = InterpretedTypedChart({L"庚辰", L"戊寅", L"甲子", L"甲子"});
  ASSERT_NE(chart, nullptr);
  const std::wstring section = JudgeChartPatterns(*chart, {8, 5, 3, 2, 1});

  const std::string countLine =
      "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(像入格 4；真入格1，格名變<font color = "
      "blue>[藍色]</font>表示真正入格)";
  EXPECT_EQ(U8(section).substr(0, countLine.size()), countLine);
  const std::vector<std::string> expected = {
      "grey 偏財格:"
      " .比肩剋掉了偏財 .財露於天干，必須官露以防劫財"
      " .天干出現偏官，需以合煞存財，或以食神制煞生存，或以偏印化煞",
      "grey 食神格: .食神不夠強 .印多傷食",
      "grey 魁罡格: .魁罡不是在日柱",
      "blue 建祿格",
  };
  EXPECT_EQ(PatternBlocks(section), expected);
  EXPECT_EQ(chart->truePatternList, L"建祿格");
  EXPECT_EQ(chart->candidatePatternCount, 4);
  EXPECT_EQ(chart->truePatternCount, 1);
  for (int slot :
       {偏財格.candidateSlot, 食神格.candidateSlot, 魁罡格.candidateSlot, 建祿格.candidateSlot}) {
    EXPECT_EQ(chart->candidatePatternFlags[slot], 1) << slot;
  }
  EXPECT_EQ(chart->truePatternFlags[建祿格.trueSlot], 1);
  EXPECT_EQ(chart->truePatternFlags[偏財格.trueSlot], 0);
}

}  // namespace
}  // namespace interpretation
