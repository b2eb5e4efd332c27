#include "interpretation/classics_judgement.h"

#include <array>

#include "interpretation/classics_books.h"
#include "interpretation/text_pools.h"
#include "vocabulary/number_text.h"

namespace interpretation {
namespace {

// The 31 books in the order of the judgement, with their readers and sentences.
// clang-format off
constexpr auto kClassicsBooks = std::to_array<ClassicsBook>({
    {L"《五言獨步》",     {Readers::kEveryone, WuYanDuBu}},
    {L"《滴天髓》",       {Readers::kEveryone, DiTianSui}},
    {L"《百章歌》",       {Readers::kEveryone, BaiZhangGe}},
    {L"《論用神所忌》",   {Readers::kEveryone, LunYongShenSuoJi}},
    {L"《碧淵賦》",       {Readers::kEveryone, BiYuanFu}},
    {L"《論喜忌總歌》",   {Readers::kEveryone, LunXiJiZongGe}},
    {L"《諸論口訣》",     {Readers::kEveryone, ZhuLunKouJue}},
    {L"《寸金搜髓論》",   {Readers::kEveryone, CunJinSouSuiLun}},
    {L"《金玉賦》",       {Readers::kEveryone, JinYuFu}},
    {L"《繼善篇》",       {Readers::kEveryone, JiShanPian}},
    {L"《四言獨步》",     {Readers::kEveryone, SiYanDuBu}},
    {L"《幽微賦》",       {Readers::kEveryone, YouWeiFu}},
    {L"《幽微天干賦》",   {Readers::kEveryone, YouWeiTianGanFu}},
    {L"《金不換看命繩尺》", {Readers::kEveryone, JinBuHuanKanMingShengChi}},
    {L"《淵源集說》",     {Readers::kEveryone, YuanYuanJiShuo}},
    {L"《愛憎賦》",       {Readers::kEveryone, AiZengFu}},
    {L"《五行元理消息賦》", {Readers::kEveryone, WuXingYuanLiXiaoXiFu}},
    {L"《喜忌》",         {Readers::kEveryone, XiJi}},
    {L"《子平泛論》",     {Readers::kEveryone, ZiPingFanLun}},
    {L"《子平舉要》",     {Readers::kEveryone, ZiPingJuYao}},
    {L"《講命捷徑賦》",   {Readers::kEveryone, JiangMingJieJingFu}},
    {L"《人鑒論》",       {Readers::kEveryone, RenJianLun}},
    {L"《仙機賦》",       {Readers::kMen, XianJiFuForMen}, {Readers::kWomen, XianJiFuForWomen}},
    {L"《子平真銓評注》", {Readers::kEveryone, ZiPingZhenQuanPingZhu}},
    {L"《星平會海全書》", {Readers::kEveryone, XingPingHuiHaiQuanShu}},
    {L"《氣象篇》",       {Readers::kEveryone, QiXiangPian}},
    {L"《崖泉女命賦》",   {Readers::kWomen, YaQuanNuMingFu}},
    {L"《其他》",         {Readers::kEveryone, QiTa}},
    {L"《女命賤格》",     {Readers::kWomen, NuMingJianGe}},
    {L"《女命總斷歌》",   {Readers::kWomen, NuMingZongDuanGe}},
    {L"《女命詩訣》",     {Readers::kWomen, NuMingShiJue}},
});
// clang-format on
static_assert(kClassicsBooks.size() == 31);

bool Reads(Readers readers, const std::wstring& sexText) {
  switch (readers) {
    case Readers::kMen:
      return sexText == L"男";
    case Readers::kWomen:
      return sexText == L"女";
    case Readers::kEveryone:
      break;
  }
  return true;
}

}  // namespace

SentenceTest BookText::say(bool holds, std::wstring_view sentence) {
  if (holds) {
    text_ += sentence;
  }
  return SentenceTest(*this, holds);
}

SentenceTest SentenceTest::otherwise(bool holds, std::wstring_view sentence) const {
  if (held_) {
    return *this;
  }
  return book_.say(holds, sentence);
}

SentenceTest SentenceTest::nested(bool holds, std::wstring_view sentence) const {
  if (!held_) {
    return *this;
  }
  return book_.say(holds, sentence);
}

std::span<const ClassicsBook> ClassicsBooks() { return kClassicsBooks; }

std::wstring_view LongSentence(std::wstring_view bookHeader, int sentence) {
  const std::wstring number = vocabulary::DecimalText(sentence);
  for (const PoolEntry& entry : kClassicsLongSentences) {
    if (entry.keys[0] == bookHeader && entry.keys[1] == number) {
      return entry.text;
    }
  }
  return {};
}

std::wstring JudgeByClassics(const chart::FourPillarsChart& chart,
                             const chart::SeasonalStrengthValues& values,
                             std::span<const ClassicsBook> books) {
  const notation::ChartNotation c(chart, values);
  std::wstring result = L"<br>";
  for (const ClassicsBook& book : books) {
    BookText w;
    for (const BookPart& part : {book.part, book.secondPart}) {
      if (part.sentences != nullptr && Reads(part.readers, chart.sexText)) {
        part.sentences(c, w);
      }
    }
    if (!w.text().empty()) {
      result.append(book.header).append(w.text()).append(L"<br>");
    }
  }
  return result;
}

std::wstring ClassicsJudgement(const chart::FourPillarsChart& chart,
                               const chart::SeasonalStrengthValues& values) {
  return JudgeByClassics(chart, values, ClassicsBooks());
}

}  // namespace interpretation
