#include "interpretation/text_pools.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "chart/stem_branch_basics.h"
#include "interpretation/passage_test_support.h"
#include "vocabulary/vocabulary_lists.h"

// Checks every text pool against the forms its texts must have: the exact keys, the entries that
// must stay empty, the markup each pool fixes, Big5, the lengths and the uniqueness stated for
// the program's texts, and the openings and whole texts the program is known to print. A text
// taken from a source may depart from the stated lengths, uniqueness, inner markup or openings;
// each such text stands in the "Known source deviations" list of data/README.md, and the list
// must be exact: every departure listed, every listed entry departing.

namespace interpretation {
namespace {

using Keys = std::array<std::wstring, 3>;

struct Pool {
  const char* name;
  std::span<const PoolEntry> entries;
};

const Pool kPools[] = {
    {"kSolarTermVerses", kSolarTermVerses},
    {"kBoneMarrowVerses", kBoneMarrowVerses},
    {"kBoneMarrowParaphrases", kBoneMarrowParaphrases},
    {"kElementSeasonPassages", kElementSeasonPassages},
    {"kElementMonthPassages", kElementMonthPassages},
    {"kElementNatures", kElementNatures},
    {"kPhysiognomySentences", kPhysiognomySentences},
    {"kChartSummaryPassages", kChartSummaryPassages},
    {"kMonthCommandPassages", kMonthCommandPassages},
    {"kDayStemHourPassages", kDayStemHourPassages},
    {"kDayPillarHourPassages", kDayPillarHourPassages},
    {"kSpiritStarPassages", kSpiritStarPassages},
    {"kClassicsLongSentences", kClassicsLongSentences},
};

const std::wstring kElements = L"木火土金水";

std::wstring Stem(int i) { return chart::StemName(i); }
std::wstring Branch(int i) { return chart::BranchName(i); }

// The keys of an entry as one line, "庚辰 巳".
std::string KeyText(const PoolEntry& entry) {
  std::wstring text;
  for (const std::wstring_view key : entry.keys) {
    if (!key.empty()) {
      text += (text.empty() ? L"" : L" ") + std::wstring(key);
    }
  }
  return U8(text);
}

// The prefix a 八字提要 passage opens with: month branch, 月, day stem, 日, the hour stem the day
// stem gives the hour, hour branch, 時, 。
std::wstring SummaryPrefix(int month, int stem, int hour) {
  return Branch(month) + L"月" + Stem(stem) + L"日" + Stem((2 * stem + hour) % 10) + Branch(hour) +
         L"時。";
}

// The month-command groups of each month branch 子 .. 亥.
const std::array<std::vector<std::wstring>, 12> kMonthCommandGroups = {{
    {L"甲乙", L"丙丁", L"戊己", L"庚辛", L"壬癸"},
    {L"甲乙", L"丙丁", L"戊己", L"庚辛", L"壬癸"},
    {L"甲", L"乙", L"丙丁", L"戊", L"己", L"庚辛", L"壬癸"},
    {L"甲", L"乙", L"丙丁", L"戊", L"己", L"庚辛", L"壬癸"},
    {L"甲乙", L"丙丁", L"戊己", L"庚辛", L"壬癸"},
    {L"甲乙", L"丙", L"丁", L"戊己", L"庚", L"辛", L"壬", L"癸"},
    {L"甲乙", L"丙", L"丁", L"戊己", L"庚", L"辛", L"壬", L"癸"},
    {L"甲乙", L"丙丁", L"戊己", L"庚辛", L"壬癸"},
    {L"甲", L"乙", L"丙丁", L"戊己", L"庚", L"辛", L"壬癸"},
    {L"甲", L"乙", L"丙丁", L"戊己", L"庚", L"辛", L"壬癸"},
    {L"甲乙", L"丙丁", L"戊己", L"庚辛", L"壬癸"},
    {L"甲乙", L"丙", L"丁", L"戊己", L"庚辛", L"壬癸"},
}};

// The month groups of each element 木 火 土 金 水 that have a passage; "子丑" is the winter
// passage of 木, 土 and 金.
const std::array<std::vector<std::wstring>, 5> kElementMonthGroups = {{
    {L"正", L"二", L"三", L"四", L"五 六", L"七", L"八 九", L"十", L"子丑"},
    {L"正", L"二", L"三", L"四", L"五 六", L"八 九"},
    {L"正", L"二", L"三", L"四", L"五 六", L"七", L"八 九", L"十", L"子丑"},
    {L"正", L"二 三", L"四 五 六", L"七 八", L"九", L"十", L"子丑"},
    {L"正", L"二 三", L"四", L"五 六", L"七", L"八 九", L"十 十一 十二"},
}};

// The blocks of the spirit-star explanations that print passages, with the star or star set each
// explains and its number of passages (block 2 has a pair for each of the three 三奇 sets; block
// 19's fourth passage is for women).
struct SpiritStarBlock {
  int block;
  const wchar_t* star;
  int passages;
};
const SpiritStarBlock kSpiritStarBlocks[] = {
    {1, L"空亡", 1},     {2, L"天上三奇", 2}, {2, L"地下三奇", 2}, {2, L"人中三奇", 2},
    {3, L"天乙貴人", 2}, {4, L"日貴", 2},     {5, L"祿元", 1},     {6, L"福星", 2},
    {7, L"學堂", 2},     {8, L"金輿", 2},     {9, L"正桃", 1},     {10, L"紅艷", 1},
    {11, L"流霞", 2},    {12, L"羊刃", 2},    {13, L"飛刃", 2},    {14, L"天德月德", 2},
    {15, L"血刃", 1},    {16, L"將星", 1},    {17, L"驛馬", 3},    {18, L"華蓋", 3},
    {19, L"桃煞", 4},    {20, L"劫煞", 2},    {21, L"破軍", 4},    {22, L"太白", 1},
    {23, L"孤神", 2},    {24, L"寡宿", 2},    {25, L"血支", 1},    {26, L"伏吟", 2},
    {27, L"喪門", 2},    {28, L"勾絞", 2},    {29, L"返呤", 2},    {30, L"卷舌", 2},
    {31, L"弔客", 2},    {32, L"元辰", 2},    {33, L"災煞", 2},    {34, L"進神", 1},
    {35, L"六秀", 1},    {36, L"文昌", 1},    {37, L"魁罡", 1},    {38, L"日德", 2},
    {39, L"八專", 2},    {40, L"九醜", 2},    {41, L"天赦", 1},    {42, L"隔角", 2},
    {43, L"自縊", 1},    {44, L"天屠", 1},    {45, L"天刑", 1},    {46, L"雷霆", 1},
    {47, L"戟鋒", 1},    {48, L"掛劍", 1},    {49, L"天火", 1},    {50, L"孤寡", 1},
    {51, L"差錯", 1},    {52, L"陰陽", 2},    {53, L"水溺", 1},    {54, L"病符", 1},
    {55, L"死符", 1},    {56, L"官符", 1},    {57, L"惡敗", 1},
};

// The long sentences of the classics: book, number, length in characters, first and last words.
struct LongSentenceCitation {
  const wchar_t* book;
  const wchar_t* sentence;
  std::size_t length;
  const wchar_t* begins;
  const wchar_t* ends;
};
const LongSentenceCitation kLongSentences[] = {
    {L"《滴天髓》", L"2", 48, L"方是方兮局是局，方要", L"生地庫地皆非福。"},
    {L"《滴天髓》", L"3", 48, L"方是方兮局是局，方要", L"左邊右邊空碌碌。"},
    {L"《金玉賦》", L"4", 43, L"寅申巳亥互依倚，不遷", L"女命得之主心不定"},
    {L"《金玉賦》", L"5", 48, L"金玉賦與洪範云，子午", L"酉，定是隨人走。"},
    {L"《金玉賦》", L"6", 47, L"洪範云，辰戌丑末全備", L"忌。此言女命也。"},
    {L"《子平泛論》", L"1", 68, L"傷官若傷盡，卻喜見官", L"見官，印運不妨。"},
    {L"《星平會海全書》", L"1", 63, L"劫財羊刃最無情，不帶", L"，主破耗防小人。"},
};

std::vector<Keys> ExpectedKeys(const std::string& pool) {
  std::vector<Keys> keys;
  if (pool == "kSolarTermVerses") {
    for (const std::wstring_view term : vocabulary::kSectionTermsByMonthBranch) {
      keys.push_back({std::wstring(term)});
    }
  } else if (pool == "kBoneMarrowVerses" || pool == "kBoneMarrowParaphrases") {
    for (int s = 0; s < 10; ++s) {
      for (int b = 0; b < 12; ++b) {
        keys.push_back({Stem(s), Branch(b)});
      }
    }
  } else if (pool == "kElementSeasonPassages") {
    for (const wchar_t element : kElements) {
      for (const wchar_t season : std::wstring(L"春夏秋冬")) {
        keys.push_back({std::wstring(1, element), std::wstring(1, season)});
      }
    }
  } else if (pool == "kElementMonthPassages") {
    for (int e = 0; e < 5; ++e) {
      for (const std::wstring& months : kElementMonthGroups[e]) {
        keys.push_back({std::wstring(1, kElements[e]), months});
      }
    }
  } else if (pool == "kElementNatures") {
    for (const wchar_t element : kElements) {
      keys.push_back({std::wstring(1, element)});
    }
  } else if (pool == "kPhysiognomySentences") {
    for (int row = 0; row <= 21; ++row) {
      keys.push_back({std::to_wstring(row)});
    }
  } else if (pool == "kChartSummaryPassages") {
    for (int m = 0; m < 12; ++m) {
      for (int s = 0; s < 10; ++s) {
        for (int h = 0; h < 12; ++h) {
          keys.push_back({Branch(m), Stem(s), Branch(h)});
        }
      }
    }
  } else if (pool == "kMonthCommandPassages") {
    for (int m = 0; m < 12; ++m) {
      for (const std::wstring& stems : kMonthCommandGroups[m]) {
        keys.push_back({Branch(m), stems});
      }
    }
  } else if (pool == "kDayStemHourPassages") {
    for (int s = 0; s < 10; ++s) {
      for (int h = 0; h < 12; ++h) {
        for (int n = 1; n <= 3; ++n) {
          keys.push_back({Stem(s), Branch(h), std::to_wstring(n)});
        }
      }
    }
  } else if (pool == "kDayPillarHourPassages") {
    for (const std::wstring_view pillar : vocabulary::kSexagenaryNames) {
      for (int h = 0; h < 12; ++h) {
        keys.push_back({std::wstring(pillar), Branch(h)});
      }
    }
  } else if (pool == "kSpiritStarPassages") {
    for (const SpiritStarBlock& block : kSpiritStarBlocks) {
      for (int n = 1; n <= block.passages; ++n) {
        keys.push_back({std::to_wstring(block.block), block.star, std::to_wstring(n)});
      }
    }
  } else if (pool == "kClassicsLongSentences") {
    for (const LongSentenceCitation& sentence : kLongSentences) {
      keys.push_back({sentence.book, sentence.sentence});
    }
  }
  return keys;
}

TEST(TextPools, EachPoolHoldsExactlyItsKeysInOrder) {
  for (const Pool& pool : kPools) {
    SCOPED_TRACE(pool.name);
    const std::vector<Keys> expected = ExpectedKeys(pool.name);
    ASSERT_EQ(pool.entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      for (std::size_t k = 0; k < 3; ++k) {
        ASSERT_EQ(U8(pool.entries[i].keys[k]), U8(expected[i][k])) << "entry " << i;
      }
    }
  }
  // The groups of a month cover every stem once.
  for (const std::vector<std::wstring>& groups : kMonthCommandGroups) {
    std::wstring stems;
    for (const std::wstring& group : groups) {
      stems += group;
    }
    EXPECT_EQ(U8(stems), U8(L"甲乙丙丁戊己庚辛壬癸"));
  }
}

// The entries with no text by design, and the texts of the entries no source has filled yet.
TEST(TextPools, EmptyEntriesAreThoseRequiredOrNotFound) {
  const std::set<std::pair<std::string, std::string>> requiredEmpty = {
      {"kBoneMarrowParaphrases", "丙 卯"},
      {"kElementSeasonPassages", "木 夏"},
      {"kDayPillarHourPassages", "己酉 午"},
  };
  std::set<std::pair<std::string, std::string>> found;
  for (const Pool& pool : kPools) {
    for (std::size_t i = 0; i < pool.entries.size(); ++i) {
      const PoolEntry& entry = pool.entries[i];
      SCOPED_TRACE(std::string(pool.name) + " " + KeyText(entry));
      if (entry.origin == TextOrigin::kRequiredEmpty) {
        found.insert({pool.name, KeyText(entry)});
        EXPECT_TRUE(entry.text.empty());
      } else if (entry.origin == TextOrigin::kNotFound) {
        // A 八字提要 passage keeps the prefix it opens with; any other entry stays empty.
        const std::wstring expected =
            pool.name == std::string("kChartSummaryPassages")
                ? SummaryPrefix(static_cast<int>(i / 120), static_cast<int>(i / 12 % 10),
                                static_cast<int>(i % 12))
                : L"";
        EXPECT_EQ(U8(entry.text), U8(expected));
      } else {
        EXPECT_FALSE(entry.text.empty());
      }
    }
  }
  EXPECT_EQ(found, requiredEmpty);
}

bool HasMarkup(std::wstring_view text) {
  return text.find_first_of(L"<>") != std::wstring_view::npos;
}

TEST(TextPools, FilledEntriesHaveTheMarkupTheirPoolFixes) {
  for (const Pool& pool : kPools) {
    const std::string name = pool.name;
    for (std::size_t i = 0; i < pool.entries.size(); ++i) {
      const PoolEntry& entry = pool.entries[i];
      SCOPED_TRACE(name + " " + KeyText(entry) + ": " + U8(entry.text));
      if (name == "kChartSummaryPassages") {
        const std::wstring prefix = SummaryPrefix(
            static_cast<int>(i / 120), static_cast<int>(i / 12 % 10), static_cast<int>(i % 12));
        EXPECT_EQ(U8(entry.text.substr(0, prefix.size())), U8(prefix));
      }
      if (!IsFilled(entry)) {
        continue;
      }
      const std::wstring_view text = entry.text;
      if (name == "kElementSeasonPassages") {
        // Each passage carries its own closing line break.
        EXPECT_TRUE(text.ends_with(L"<br>"));
        EXPECT_FALSE(HasMarkup(text.substr(0, text.size() - 4)));
      } else if (name == "kDayStemHourPassages") {
        // Each passage carries its own leading line break.
        EXPECT_TRUE(text.starts_with(L"<br>"));
        EXPECT_FALSE(HasMarkup(text.substr(4)));
      } else if (name == "kSpiritStarPassages") {
        // The first passage of a block carries its own leading line break; a later one may.
        if (entry.keys[2] == L"1") {
          EXPECT_TRUE(text.starts_with(L"<br>"));
        }
        EXPECT_FALSE(HasMarkup(text.starts_with(L"<br>") ? text.substr(4) : text));
      } else if (name == "kDayPillarHourPassages") {
        // Plain text; the one inner "<br>" a passage may hold is checked with the deviations.
        EXPECT_FALSE(text.starts_with(L"<br>"));
        std::wstring rest(text);
        if (const std::size_t at = rest.find(L"<br>"); at != std::wstring::npos) {
          rest.erase(at, 4);
        }
        EXPECT_FALSE(HasMarkup(rest));
      } else {
        EXPECT_FALSE(HasMarkup(text));
      }
      if (name == "kMonthCommandPassages") {
        // A passage opens by naming the stems of its group.
        EXPECT_TRUE(text.starts_with(entry.keys[1]));
      }
    }
  }
}

// A transcription's character reference (&KR0636;) would reach the page as it stands; the texts
// hold no "&" at all, the pattern verses included.
TEST(TextPools, NoTextHoldsAnAmpersand) {
  std::vector<Pool> pools(std::begin(kPools), std::end(kPools));
  pools.push_back({"kPatternVerses", kPatternVerses});
  for (const Pool& pool : pools) {
    for (const PoolEntry& entry : pool.entries) {
      EXPECT_EQ(entry.text.find(L'&'), std::wstring_view::npos)
          << pool.name << " " << KeyText(entry) << ": " << U8(entry.text);
    }
  }
}

// Whether a text converts to code page 950 (Big5) whole, as the page writer converts it.
bool ConvertsToBig5(std::wstring_view text) {
  const iconv_t converter = iconv_open("CP950", "WCHAR_T");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "no converter to code page 950";
    return false;
  }
  std::string out(text.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
  std::size_t inLeft = text.size() * sizeof(wchar_t);
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const bool whole =
      iconv(converter, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
      inLeft == 0;
  iconv_close(converter);
  return whole;
}

TEST(TextPools, EveryTextAndKeyConvertsToBig5) {
  for (const Pool& pool : kPools) {
    for (const PoolEntry& entry : pool.entries) {
      std::wstring all(entry.text);
      for (const std::wstring_view key : entry.keys) {
        all += key;
      }
      EXPECT_TRUE(ConvertsToBig5(all)) << pool.name << " " << KeyText(entry);
    }
  }
}

// The texts whose whole wording the program prints, which a source's wording does not replace
// (its punctuation and single characters differ). Every other fixed entry is a section-term
// verse, checked by the verse's own test.
struct WholeText {
  const char* pool;
  const char* key;
  const wchar_t* text;
};
const WholeText kWholeTexts[] = {
    {"kBoneMarrowVerses", "甲 子",
     L"甲日子提為印綬，順行不似逆行高。官多殺盛東為美，午未相逢總徒勞。"},
    {"kBoneMarrowParaphrases", "甲 子",
     L"甲日子提為印授，順運不如運逆走。煞多官盛東為美，午未逢之為忌星。"},
    {"kElementSeasonPassages", "木 春", L"正春木，令木也，晴則花葉敷榮，雨則寒其萌櫱。<br>"},
    {"kElementSeasonPassages", "水 夏", L"夏水失令，逢火則乾涸矣，所以忌晴而喜雨也。<br>"},
    {"kPhysiognomySentences", "0", L"人居六合，心相五行；欲曉一生，辨形察性。"},
    {"kPhysiognomySentences", "3", L"食神善能飲食，體厚而喜謳歌。"},
    {"kPhysiognomySentences", "9", L"日德心善身穩厚，而作事慈祥"},
    {"kPhysiognomySentences", "13", L"井欄飛天，其心傲物。"},
    {"kPhysiognomySentences", "21", L"土氣厚重，信在四時。"},
    {"kSpiritStarPassages", "5 祿元 1", L"<br>祿元：官祿官元，又名祿神。"},
};

TEST(TextPools, WholeTextsAreTheProgramsWordingByteForByte) {
  std::set<std::pair<std::string, std::string>> fixed;
  for (const Pool& pool : kPools) {
    for (const PoolEntry& entry : pool.entries) {
      if (entry.origin == TextOrigin::kFixed && pool.name != std::string("kSolarTermVerses")) {
        fixed.insert({pool.name, KeyText(entry)});
      }
    }
  }
  std::set<std::pair<std::string, std::string>> quoted;
  for (const WholeText& whole : kWholeTexts) {
    quoted.insert({whole.pool, whole.key});
    for (const Pool& pool : kPools) {
      for (const PoolEntry& entry : pool.entries) {
        if (pool.name == std::string(whole.pool) && KeyText(entry) == whole.key) {
          SCOPED_TRACE(std::string(whole.pool) + " " + whole.key);
          EXPECT_EQ(entry.origin, TextOrigin::kFixed);
          EXPECT_EQ(U8(entry.text), U8(whole.text));
        }
      }
    }
  }
  EXPECT_EQ(fixed, quoted);
  for (const PoolEntry& entry : kSolarTermVerses) {
    EXPECT_EQ(entry.origin, TextOrigin::kFixed) << KeyText(entry);
  }
}

// A departure of a filled text from what is stated for its pool: (pool, keys, check).
using Departure = std::tuple<std::string, std::string, std::string>;

// The openings the program is known to print, compared with the entries' texts byte for byte,
// punctuation included.
struct Opening {
  const char* pool;
  const char* key;
  const wchar_t* opening;
};
const Opening kOpenings[] = {
    {"kMonthCommandPassages", "子 甲乙", L"甲乙日。得子月為印綬，"},
    {"kMonthCommandPassages", "寅 甲", L"甲日。得寅建祿，"},
    {"kMonthCommandPassages", "寅 乙", L"乙日。旺相，"},
    {"kDayStemHourPassages", "甲 子 1", L"<br>六甲日生甲子時，"},
    {"kDayStemHourPassages", "甲 子 2", L"<br>甲日甲子時，"},
    {"kDayStemHourPassages", "甲 子 3", L"<br>甲子相逢甲子連，"},
    {"kDayPillarHourPassages", "甲子 子", L"子遙巳格，"},
    {"kChartSummaryPassages", "子 甲 子", L"子月甲日甲子時。天干兩甲，地支兩子，"},
    {"kChartSummaryPassages", "子 乙 子", L"子月乙日丙子時。仲冬嚴寒凜冽，"},
    {"kChartSummaryPassages", "亥 癸 亥", L"亥月癸日癸亥時。日時兩幹皆癸，"},
    {"kElementNatures", "木", L"木曰曲直"},
    {"kElementNatures", "火", L"火曰炎上"},
    {"kElementNatures", "土", L"土曰稼稿勾陳"},
    {"kElementNatures", "金", L"金曰從革"},
    {"kElementNatures", "水", L"水曰潤下"},
    {"kPhysiognomySentences", "1", L"正官官星愷悌"},
    {"kPhysiognomySentences", "2", L"印綬主多智慧"},
    {"kPhysiognomySentences", "3", L"食神善能飲食"},
    {"kPhysiognomySentences", "4", L"偏官七煞"},
    {"kPhysiognomySentences", "5", L"梟印當權"},
    {"kPhysiognomySentences", "6", L"偏印劫刃"},
    {"kPhysiognomySentences", "7", L"偏正財露"},
    {"kPhysiognomySentences", "8", L"傷官傷盡"},
    {"kPhysiognomySentences", "9", L"日德心善"},
    {"kPhysiognomySentences", "10", L"魁罡性嚴"},
    {"kPhysiognomySentences", "11", L"日貴夜貴"},
    {"kPhysiognomySentences", "12", L"乙己鼠貴"},
    {"kPhysiognomySentences", "13", L"井欄飛天"},
    {"kPhysiognomySentences", "14", L"壬騎龍背"},
    {"kPhysiognomySentences", "15", L"六甲趨乾"},
    {"kPhysiognomySentences", "16", L"五陰會局"},
    {"kPhysiognomySentences", "17", L"二德印生"},
    {"kPhysiognomySentences", "18", L"火炎土燥"},
    {"kPhysiognomySentences", "19", L"水清潤下"},
    {"kPhysiognomySentences", "20", L"金白水清"},
    {"kPhysiognomySentences", "21", L"土氣厚重"},
    {"kSpiritStarPassages", "1 空亡 1", L"<br>空亡："},
    {"kSpiritStarPassages", "2 天上三奇 1", L"<br>天上三奇甲戊庚："},
    {"kSpiritStarPassages", "2 地下三奇 1", L"<br>地下三奇乙丙丁："},
    {"kSpiritStarPassages", "2 人中三奇 1", L"<br>人中三奇壬癸辛："},
    {"kSpiritStarPassages", "3 天乙貴人 1", L"<br>天乙貴人："},
    {"kSpiritStarPassages", "4 日貴 1", L"<br>日貴："},
    {"kSpiritStarPassages", "5 祿元 1", L"<br>祿元：官祿官元，又名祿神。"},
    {"kSpiritStarPassages", "6 福星 1", L"<br>福星貴人："},
    {"kSpiritStarPassages", "7 學堂 1", L"<br>學堂："},
    {"kSpiritStarPassages", "8 金輿 1", L"<br>金輿："},
    {"kSpiritStarPassages", "9 正桃 1", L"<br>正桃花："},
    {"kSpiritStarPassages", "10 紅艷 1", L"<br>紅艷煞："},
    {"kSpiritStarPassages", "11 流霞 1", L"<br>流霞殺："},
    {"kSpiritStarPassages", "12 羊刃 1", L"<br>羊刃："},
    {"kSpiritStarPassages", "13 飛刃 1", L"<br>飛刃："},
    {"kSpiritStarPassages", "14 天德月德 1", L"<br>天德月德："},
    {"kSpiritStarPassages", "15 血刃 1", L"<br>血刃："},
    {"kSpiritStarPassages", "16 將星 1", L"<br>將星："},
    {"kSpiritStarPassages", "17 驛馬 1", L"<br>驛馬："},
    {"kSpiritStarPassages", "18 華蓋 1", L"<br>華蓋："},
    {"kSpiritStarPassages", "19 桃煞 1", L"<br>桃花煞："},
    {"kSpiritStarPassages", "19 桃煞 4", L"女命詩訣云"},
    {"kSpiritStarPassages", "20 劫煞 1", L"<br>劫煞："},
    {"kSpiritStarPassages", "21 破軍 1", L"<br>破軍："},
    {"kSpiritStarPassages", "22 太白 1", L"<br>太白："},
    {"kSpiritStarPassages", "23 孤神 1", L"<br>孤神："},
    {"kSpiritStarPassages", "24 寡宿 1", L"<br>寡宿："},
    {"kSpiritStarPassages", "25 血支 1", L"<br>血支："},
    {"kSpiritStarPassages", "26 伏吟 1", L"<br>伏吟："},
    {"kSpiritStarPassages", "27 喪門 1", L"<br>喪門："},
    {"kSpiritStarPassages", "28 勾絞 1", L"<br>勾絞："},
    {"kSpiritStarPassages", "29 返呤 1", L"<br>返呤："},
    {"kSpiritStarPassages", "30 卷舌 1", L"<br>卷舌："},
    {"kSpiritStarPassages", "31 弔客 1", L"<br>弔客："},
    {"kSpiritStarPassages", "32 元辰 1", L"<br>元辰："},
    {"kSpiritStarPassages", "33 災煞 1", L"<br>災煞："},
    {"kSpiritStarPassages", "34 進神 1", L"<br>進神："},
    {"kSpiritStarPassages", "35 六秀 1", L"<br>六秀："},
    {"kSpiritStarPassages", "36 文昌 1", L"<br>文昌："},
    {"kSpiritStarPassages", "37 魁罡 1", L"<br>魁罡："},
    {"kSpiritStarPassages", "38 日德 1", L"<br>日德："},
    {"kSpiritStarPassages", "39 八專 1", L"<br>八專："},
    {"kSpiritStarPassages", "40 九醜 1", L"<br>九醜："},
    {"kSpiritStarPassages", "41 天赦 1", L"<br>天赦："},
    {"kSpiritStarPassages", "42 隔角 1", L"<br>隔角："},
    {"kSpiritStarPassages", "43 自縊 1", L"<br>自縊煞。"},
    {"kSpiritStarPassages", "44 天屠 1", L"<br>天屠煞。"},
    {"kSpiritStarPassages", "45 天刑 1", L"<br>天刑煞。"},
    {"kSpiritStarPassages", "46 雷霆 1", L"<br>雷霆煞。"},
    {"kSpiritStarPassages", "47 戟鋒 1", L"<br>戟鋒煞。"},
    {"kSpiritStarPassages", "48 掛劍 1", L"<br>掛劍煞。"},
    {"kSpiritStarPassages", "49 天火 1", L"<br>天火煞。"},
    {"kSpiritStarPassages", "50 孤寡 1", L"<br>孤鸞寡鵲煞。"},
    {"kSpiritStarPassages", "51 差錯 1", L"<br>陰陽差錯煞。"},
    {"kSpiritStarPassages", "52 陰陽 1", L"<br>陰陽煞。"},
    {"kSpiritStarPassages", "53 水溺 1", L"<br>水溺煞。"},
    {"kSpiritStarPassages", "54 病符 1", L"<br>病符煞。"},
    {"kSpiritStarPassages", "55 死符 1", L"<br>死符煞。"},
    {"kSpiritStarPassages", "56 官符 1", L"<br>官符煞。"},
    {"kSpiritStarPassages", "57 惡敗 1", L"<br>十惡大敗。"},
};

// Lengths stated for the texts of a pool, in characters ("<br>" counting four); 0 for none.
struct LengthRange {
  const char* pool;
  std::size_t shortest;
  std::size_t longest;
};
const LengthRange kLengthRanges[] = {
    {"kBoneMarrowVerses", 32, 32},       {"kBoneMarrowParaphrases", 32, 32},
    {"kElementNatures", 63, 123},        {"kChartSummaryPassages", 50, 212},
    {"kMonthCommandPassages", 20, 118},  {"kDayStemHourPassages", 35, 134},
    {"kDayPillarHourPassages", 10, 139}, {"kSpiritStarPassages", 12, 261},
};

// Every departure of the filled texts from the stated lengths, uniqueness, inner markup, verse
// form and openings.
std::set<Departure> FindDepartures() {
  std::set<Departure> departures;
  for (const Pool& pool : kPools) {
    const std::string name = pool.name;
    std::map<std::wstring_view, std::vector<std::string>> keysOfText;
    for (const PoolEntry& entry : pool.entries) {
      if (!IsFilled(entry)) {
        continue;
      }
      const std::string key = KeyText(entry);
      const std::wstring_view text = entry.text;
      keysOfText[text].push_back(key);
      for (const LengthRange& range : kLengthRanges) {
        // The verse of 己 in 寅 has 33 characters: a blank after its second comma.
        const std::size_t extra = name == "kBoneMarrowVerses" && key == "己 寅" ? 1 : 0;
        if (name == range.pool &&
            (text.size() < range.shortest + extra || text.size() > range.longest + extra)) {
          departures.insert({name, key, "length"});
        }
      }
      if (name == "kPhysiognomySentences" && key != "0" && (text.size() < 10 || text.size() > 44)) {
        departures.insert({name, key, "length"});
      }
      if (name == "kBoneMarrowVerses") {
        std::wstring verse(text);
        if (key == "己 寅") {
          const std::size_t secondComma = verse.find(L'，', verse.find(L'，') + 1);
          if (secondComma == std::wstring::npos || verse.substr(secondComma + 1, 1) != L" ") {
            departures.insert({name, key, "verse-form"});
          }
          verse.erase(secondComma + 1, 1);
        }
        if (verse.size() != 32 || verse[7] != L'，' || verse[15] != L'。' || verse[23] != L'，' ||
            verse[31] != L'。') {
          departures.insert({name, key, "verse-form"});
        }
      }
      if (name == "kBoneMarrowParaphrases" && entry.keys[0] == L"己" && !text.starts_with(L"已")) {
        departures.insert({name, key, "opening"});
      }
      if (name == "kDayPillarHourPassages") {
        const bool oneInner = text.find(L"<br>") != std::wstring_view::npos &&
                              text.find(L"<br>") == text.rfind(L"<br>") &&
                              !text.starts_with(L"<br>") && !text.ends_with(L"<br>");
        const bool none = text.find(L"<br>") == std::wstring_view::npos;
        if (key == "庚辰 巳" ? !oneInner : !none) {
          departures.insert({name, key, "inner-br"});
        }
      }
    }
    if (name == "kClassicsLongSentences") {
      // Each is one string of the length its book cites, beginning and ending as cited.
      for (const PoolEntry& entry : pool.entries) {
        for (const LongSentenceCitation& cited : kLongSentences) {
          if (IsFilled(entry) && entry.keys[0] == cited.book && entry.keys[1] == cited.sentence) {
            const std::string key = KeyText(entry);
            if (entry.text.size() != cited.length) {
              departures.insert({name, key, "length"});
            }
            if (!entry.text.starts_with(cited.begins)) {
              departures.insert({name, key, "opening"});
            }
            if (!entry.text.ends_with(cited.ends)) {
              departures.insert({name, key, "ending"});
            }
          }
        }
      }
    }
    if (name == "kChartSummaryPassages" || name == "kMonthCommandPassages") {
      for (const auto& [text, keys] : keysOfText) {
        if (keys.size() > 1) {
          for (const std::string& key : keys) {
            departures.insert({name, key, "unique"});
          }
        }
      }
    }
  }
  for (const Opening& opening : kOpenings) {
    for (const Pool& pool : kPools) {
      for (const PoolEntry& entry : pool.entries) {
        if (pool.name == std::string(opening.pool) && KeyText(entry) == opening.key &&
            IsFilled(entry) && !entry.text.starts_with(opening.opening)) {
          departures.insert({opening.pool, opening.key, "opening"});
        }
      }
    }
  }
  return departures;
}

// The lines of a section of the data README ("## <title>" up to the next "## "), as table rows
// split at "|" with the cells trimmed; other lines are left out.
std::vector<std::vector<std::string>> ReadmeTableRows(const std::string& title) {
  std::ifstream readme(std::string(TAVREL_TEXT_POOL_DIR) + "/README.md");
  EXPECT_TRUE(readme.is_open());
  std::vector<std::vector<std::string>> rows;
  bool inSection = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.starts_with("## ")) {
      inSection = line == "## " + title;
      continue;
    }
    if (!inSection || !line.starts_with("| k")) {
      continue;
    }
    std::vector<std::string> cells;
    std::stringstream stream(line.substr(1));
    for (std::string cell; std::getline(stream, cell, '|');) {
      const std::size_t first = cell.find_first_not_of(' ');
      const std::size_t last = cell.find_last_not_of(' ');
      cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    }
    rows.push_back(cells);
  }
  return rows;
}

TEST(TextPools, DeparturesFromTheStatedFormsAreExactlyTheKnownSourceDeviations) {
  std::set<Departure> listed;
  for (const std::vector<std::string>& row : ReadmeTableRows("Known source deviations")) {
    ASSERT_GE(row.size(), 3u);
    listed.insert({row[0], row[1], row[2]});
  }
  EXPECT_FALSE(listed.empty());
  const std::set<Departure> found = FindDepartures();
  for (const Departure& departure : found) {
    EXPECT_TRUE(listed.contains(departure))
        << "not listed: " << std::get<0>(departure) << " | " << std::get<1>(departure) << " | "
        << std::get<2>(departure);
  }
  for (const Departure& departure : listed) {
    EXPECT_TRUE(found.contains(departure))
        << "listed but not departing: " << std::get<0>(departure) << " | " << std::get<1>(departure)
        << " | " << std::get<2>(departure);
  }
  // Only texts taken from a source may depart; the program's own wording never does.
  for (const Departure& departure : found) {
    for (const Pool& pool : kPools) {
      for (const PoolEntry& entry : pool.entries) {
        if (pool.name == std::get<0>(departure) && KeyText(entry) == std::get<1>(departure)) {
          EXPECT_EQ(entry.origin, TextOrigin::kSource)
              << std::get<0>(departure) << " " << std::get<1>(departure);
        }
      }
    }
  }
}

// Prints how many entries of each pool are filled, and checks the counts the data README states.
TEST(TextPools, FilledCountsAreTheReadmes) {
  std::map<std::string, std::pair<std::string, std::string>> stated;
  for (const std::vector<std::string>& row : ReadmeTableRows("Filled entries")) {
    ASSERT_GE(row.size(), 3u);
    stated[row[0]] = {row[1], row[2]};
  }
  for (const Pool& pool : kPools) {
    std::size_t filled = 0;
    std::size_t required = 0;
    for (const PoolEntry& entry : pool.entries) {
      filled += IsFilled(entry) ? 1 : 0;
      required += entry.origin == TextOrigin::kRequiredEmpty ? 0 : 1;
    }
    std::cout << pool.name << ": " << filled << " of " << required << " texts filled\n";
    EXPECT_EQ(stated[pool.name], std::make_pair(std::to_string(filled), std::to_string(required)))
        << pool.name;
  }
}

}  // namespace
}  // namespace interpretation
