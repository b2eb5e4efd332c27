#pragma once

#include <array>
#include <string_view>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// One chart pattern's place in the chart's verdict arrays: its index in truePatternFlags and its
// index in candidatePatternFlags. Slots are shared where two patterns count alike (時上偏財格
// raises 偏財格's true slot; the two 棄命 patterns share both).
struct PatternSlots {
  std::wstring_view name;
  int trueSlot;  // kNoTrueSlot for a pattern that is shown but never flagged as true
  int candidateSlot;
};
inline constexpr int kNoTrueSlot = -1;

}  // namespace interpretation

namespace interpretation::notation {

// The 63 chart patterns in catalogue order (the order in which the judgement shows them), each
// with its true and candidate slot. Slots 3, 7, 10, 48, 49, 57, 58 and 63 of both arrays and the
// true slots 12, 17 and 43 belong to no pattern and stay 0.
// clang-format off
// name, true slot, candidate slot; the pattern's number in the catalogue.
inline constexpr PatternSlots 正官格    {L"正官格",               0,  0};  // 1
inline constexpr PatternSlots 官庫格    {L"官庫格",               1,  1};  // 2
inline constexpr PatternSlots 時上官庫格{L"時上官庫格",           2,  2};  // 3
inline constexpr PatternSlots 偏官格    {L"偏官格",               4,  4};  // 4
inline constexpr PatternSlots 七煞格    {L"七煞格",               5,  5};  // 5
inline constexpr PatternSlots 印綬格    {L"印綬格",               6,  6};  // 6
inline constexpr PatternSlots 煞印格    {L"煞印格",               8,  8};  // 7
inline constexpr PatternSlots 正財格    {L"正財格",               9,  9};  // 8
inline constexpr PatternSlots 偏財格    {L"偏財格",              11, 11};  // 9
inline constexpr PatternSlots 時上偏財格{L"時上偏財格",          11, 12};  // 10
inline constexpr PatternSlots 食神格    {L"食神格",              13, 13};  // 11
inline constexpr PatternSlots 傷官格    {L"傷官格",              14, 14};  // 12
inline constexpr PatternSlots 傷官帶煞格{L"傷官帶煞格",          59, 59};  // 13
inline constexpr PatternSlots 傷官生財格{L"傷官生財格",          60, 60};  // 14
inline constexpr PatternSlots 陽刃格    {L"陽刃格",              20, 22};  // 15
inline constexpr PatternSlots 羊刃比肩格{L"羊刃比肩格",          52, 52};  // 16
inline constexpr PatternSlots 七煞羊刃格{L"七煞羊刃格",          53, 53};  // 17
inline constexpr PatternSlots 日刃格    {L"日刃格",              54, 54};  // 18
inline constexpr PatternSlots 刑合格    {L"刑合格",              15, 15};  // 19
inline constexpr PatternSlots 倒衝格    {L"倒衝格",              51, 51};  // 20
inline constexpr PatternSlots 金神格    {L"金神格",              16, 16};  // 21
inline constexpr PatternSlots 魁罡格    {L"魁罡格",     kNoTrueSlot, 17};  // 22
inline constexpr PatternSlots 日貴格    {L"日貴格",              18, 18};  // 23
inline constexpr PatternSlots 日德格    {L"日德格",              19, 19};  // 24
inline constexpr PatternSlots 建祿格    {L"建祿格",              21, 20};  // 25
inline constexpr PatternSlots 歸祿格    {L"歸祿格",              22, 21};  // 26
inline constexpr PatternSlots 飛天祿馬格{L"飛天祿馬格",          23, 23};  // 27
inline constexpr PatternSlots 合祿格    {L"合祿格",              24, 24};  // 28
inline constexpr PatternSlots 拱祿格    {L"拱祿格",              25, 25};  // 29
inline constexpr PatternSlots 拱貴格    {L"拱貴格",              26, 26};  // 30
inline constexpr PatternSlots 井欄叉格  {L"井欄叉格",            27, 27};  // 31
inline constexpr PatternSlots 六陰朝陽格{L"六陰朝陽格",          28, 28};  // 32
inline constexpr PatternSlots 壬騎龍背格{L"壬騎龍背格",          29, 29};  // 33
inline constexpr PatternSlots 子遙巳格  {L"子遙巳格",            30, 30};  // 34
inline constexpr PatternSlots 丑遙巳格  {L"丑遙巳格",            31, 31};  // 35
inline constexpr PatternSlots 乙巳鼠貴格{L"乙巳鼠貴格",          32, 32};  // 36
inline constexpr PatternSlots 六乙鼠貴格{L"六乙鼠貴格",          33, 33};  // 37
inline constexpr PatternSlots 六甲趨乾格{L"六甲趨乾格",          34, 34};  // 38
inline constexpr PatternSlots 六壬趨艮格{L"六壬趨艮格",          35, 35};  // 39
inline constexpr PatternSlots 勾陳得位格{L"勾陳得位格",          36, 36};  // 40
inline constexpr PatternSlots 玄武當權格{L"玄武當權格",          37, 37};  // 41
inline constexpr PatternSlots 曲直格    {L"曲直格",              38, 38};  // 42
inline constexpr PatternSlots 炎上格    {L"炎上格",              39, 39};  // 43
inline constexpr PatternSlots 稼穡格    {L"稼穡格",              40, 40};  // 44
inline constexpr PatternSlots 從革格    {L"從革格",              41, 41};  // 45
inline constexpr PatternSlots 潤下格    {L"潤下格",              42, 42};  // 46
inline constexpr PatternSlots 夾坵格    {L"夾坵格",              65, 65};  // 47
inline constexpr PatternSlots 福德格    {L"福德格",              66, 66};  // 48
inline constexpr PatternSlots 棄命從煞格{L"棄命從煞格",          47, 47};  // 49
inline constexpr PatternSlots 棄命從財格{L"棄命從財格",          47, 47};  // 50
inline constexpr PatternSlots 專印合官格{L"專印合官格",          50, 50};  // 51
inline constexpr PatternSlots 專財格    {L"專財格",              55, 55};  // 52
inline constexpr PatternSlots 時馬格    {L"時馬格",              56, 56};  // 53
inline constexpr PatternSlots 日德秀氣格{L"日德秀氣格",          61, 61};  // 54
inline constexpr PatternSlots 天地德合格{L"天地德合格",          62, 62};  // 55
inline constexpr PatternSlots 祿馬同鄉格{L"祿馬同鄉格",          64, 64};  // 56
inline constexpr PatternSlots 六弱格    {L"六弱格",              69, 69};  // 57
inline constexpr PatternSlots 兩干連珠格{L"兩干連珠格",          68, 68};  // 58
inline constexpr PatternSlots 五行俱足格{L"五行俱足格", kNoTrueSlot, 43};  // 59
inline constexpr PatternSlots 一氣為垣格{L"一氣為垣格",          67, 67};  // 60
inline constexpr PatternSlots 天元一氣格{L"天元一氣格",          44, 44};  // 61
inline constexpr PatternSlots 干辰一字格{L"干辰一字格",          45, 45};  // 62
inline constexpr PatternSlots 支成一字格{L"支成一字格",          46, 46};  // 63
// clang-format on

inline constexpr auto kPatternSlotTable = std::to_array<PatternSlots>({
    正官格,     官庫格,     時上官庫格, 偏官格,     七煞格,     印綬格,     煞印格,     正財格,
    偏財格,     時上偏財格, 食神格,     傷官格,     傷官帶煞格, 傷官生財格, 陽刃格,     羊刃比肩格,
    七煞羊刃格, 日刃格,     刑合格,     倒衝格,     金神格,     魁罡格,     日貴格,     日德格,
    建祿格,     歸祿格,     飛天祿馬格, 合祿格,     拱祿格,     拱貴格,     井欄叉格,   六陰朝陽格,
    壬騎龍背格, 子遙巳格,   丑遙巳格,   乙巳鼠貴格, 六乙鼠貴格, 六甲趨乾格, 六壬趨艮格, 勾陳得位格,
    玄武當權格, 曲直格,     炎上格,     稼穡格,     從革格,     潤下格,     夾坵格,     福德格,
    棄命從煞格, 棄命從財格, 專印合官格, 專財格,     時馬格,     日德秀氣格, 天地德合格, 祿馬同鄉格,
    六弱格,     兩干連珠格, 五行俱足格, 一氣為垣格, 天元一氣格, 干辰一字格, 支成一字格,
});
static_assert(kPatternSlotTable.size() == 63);
static_assert([] {
  for (const PatternSlots& p : kPatternSlotTable) {
    if (p.trueSlot < kNoTrueSlot || p.trueSlot >= chart::kPatternSlots || p.candidateSlot < 0 ||
        p.candidateSlot >= chart::kPatternSlots) {
      return false;
    }
  }
  return true;
}());

}  // namespace interpretation::notation
