#pragma once

#include <vector>

#include "interpretation/pattern_judgement.h"

// The pattern catalogue in its eight groups, each a list of records in catalogue order, written
// with the pattern notation in a file of its own.
namespace interpretation {

std::vector<PatternRecord> OfficerAndSealPatterns();         // 正官格 .. 煞印格
std::vector<PatternRecord> WealthAndOutputPatterns();        // 正財格 .. 傷官生財格
std::vector<PatternRecord> BladeAndClashPatterns();          // 陽刃格 .. 魁罡格
std::vector<PatternRecord> DayPillarAndSalaryPatterns();     // 日貴格 .. 拱貴格
std::vector<PatternRecord> SpecialPillarPatterns();          // 井欄叉格 .. 玄武當權格
std::vector<PatternRecord> ElementPatterns();                // 曲直格 .. 潤下格
std::vector<PatternRecord> FollowingAndSolitaryPatterns();   // 夾坵格 .. 兩干連珠格
std::vector<PatternRecord> UniformPatterns();                // 五行俱足格 .. 支成一字格

}  // namespace interpretation
