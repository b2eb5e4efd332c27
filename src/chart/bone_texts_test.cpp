#include "chart/bone_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

std::string Utf8(std::wstring_view text) { return EncodeUtf8(text); }

TEST(BoneTexts, EntriesAreKeyedByTotalFrom21To72) {
  for (std::size_t i = 0; i < kBoneTextCount; ++i) {
    EXPECT_EQ(kBoneVerdicts[i].total, static_cast<int>(21 + i));
    EXPECT_EQ(kBonePoems[i].total, static_cast<int>(21 + i));
  }
  EXPECT_EQ(BoneVerdict(20), L"");
  EXPECT_EQ(BonePoem(73), L"");
  EXPECT_EQ(BoneVerdict(39), kBoneVerdicts[18].text);
  EXPECT_EQ(BonePoem(39), kBonePoems[18].text);
}

// The program's own wording, as quoted (62 with its doubled 命).
TEST(BoneTexts, QuotedTextsAreExact) {
  EXPECT_EQ(Utf8(BoneVerdict(21)), "一生衣食奔波勞碌之命");
  EXPECT_EQ(Utf8(BoneVerdict(62)), "官職有權柄之命命");
  EXPECT_EQ(Utf8(BoneVerdict(72)), "號令天下統御萬民帝王之命");
  EXPECT_EQ(Utf8(BonePoem(21)), "短命非業謂大凶，平生災難事重重；凶禍頻臨陷逆境，終世困苦事不成。");
  for (const int total : {21, 62, 72}) {
    EXPECT_EQ(kBoneVerdicts[static_cast<std::size_t>(total - 21)].origin, BoneTextOrigin::kFixed);
  }
  EXPECT_EQ(kBonePoems[0].origin, BoneTextOrigin::kFixed);
}

bool IsPunctuation(wchar_t c) { return c == L'，' || c == L'；' || c == L'。'; }

// A verdict is one phrase of 8 to 12 characters; a poem four lines of seven characters, the
// lines ending "，" "；" "，" "。". Only what a source gives is filled: the other entries are
// empty.
TEST(BoneTexts, FilledEntriesHaveTheirForms) {
  int verdicts = 0;
  int poems = 0;
  for (std::size_t i = 0; i < kBoneTextCount; ++i) {
    const BoneText& verdict = kBoneVerdicts[i];
    SCOPED_TRACE(verdict.total);
    EXPECT_EQ(verdict.text.empty(), verdict.origin == BoneTextOrigin::kNotFound);
    if (!verdict.text.empty()) {
      ++verdicts;
      EXPECT_GE(verdict.text.size(), 8u) << Utf8(verdict.text);
      EXPECT_LE(verdict.text.size(), 12u) << Utf8(verdict.text);
      for (const wchar_t c : verdict.text) {
        EXPECT_FALSE(IsPunctuation(c) || c < 0x3000) << Utf8(verdict.text);
      }
    }
    const BoneText& poem = kBonePoems[i];
    EXPECT_EQ(poem.text.empty(), poem.origin == BoneTextOrigin::kNotFound);
    if (!poem.text.empty()) {
      ++poems;
      ASSERT_EQ(poem.text.size(), 32u) << Utf8(poem.text);
      for (std::size_t k = 0; k < 32; ++k) {
        const wchar_t c = poem.text[k];
        switch (k) {
          case 7:
          case 23:
            EXPECT_EQ(c, L'，') << Utf8(poem.text);
            break;
          case 15:
            EXPECT_EQ(c, L'；') << Utf8(poem.text);
            break;
          case 31:
            EXPECT_EQ(c, L'。') << Utf8(poem.text);
            break;
          default:
            EXPECT_FALSE(IsPunctuation(c) || c < 0x3000) << Utf8(poem.text);
        }
      }
    }
  }
  // At least the quoted verdicts and the poems of the source are filled.
  EXPECT_GE(verdicts, 3);
  EXPECT_EQ(poems, 52);
}

}  // namespace
}  // namespace chart
