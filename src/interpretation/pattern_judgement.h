#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"
#include "interpretation/pattern_chart.h"
#include "interpretation/pattern_slots.h"
#include "interpretation/text_pools.h"

namespace interpretation {

// A test of a pattern rule on the chart; rules are written as captureless lambdas:
//   [](PC c) { return c.hiddenTG(月, 正官) > 0 || (c.stemTG(正官) > 0 && c.TG(正官) >= 3); }
using PC = const notation::PatternChart&;
using PatternTest = bool (*)(PC);

// A reason why a candidate is not entered: its text, written when its own condition holds
// (whatever the true test found).
struct PatternReason {
  std::wstring_view text;
  PatternTest when;
};

// A literal appended after a pattern's verses when its condition holds (a verse for women, the
// transformation note of an element pattern).
struct PatternClosing {
  PatternTest when = nullptr;
  std::wstring_view text = {};
};

// How a pattern that holds is headed and counted: blue, counted and listed; or green, neither
// counted nor listed (its true slot, if it has one, is still raised).
enum class PatternHeading { kBlue, kGreen };

// One pattern of the catalogue. Only the name, slots and candidate test are required; every
// other field has the common form as its default.
struct PatternRecord {
  PatternSlots pattern;
  // The candidate test; when `precounted` is set, the pattern is a candidate when the chart's
  // star rules have already counted into its true slot, which the judgement then rewrites.
  PatternTest candidate = nullptr;
  bool precounted = false;
  // The true test; a pattern without one is true whenever it is a candidate.
  PatternTest isTrue = nullptr;
  std::vector<PatternReason> reasons = {};
  // The verses, each a literal opening with "<br>", shown after either heading.
  std::vector<std::wstring_view> verses = {};
  PatternHeading heading = PatternHeading::kBlue;
  // Headings in place of the common "<br><font color = blue>[name]</font>" and "<br>[name]".
  std::wstring_view trueHeading = {};
  std::wstring_view greyHeading = {};
  // Whether the grey block opens with "&nbsp;&nbsp;未入格原因: " before its reasons.
  bool reasonLine = true;
  // A verse for some charts only, after the verses.
  PatternClosing extraVerse = {};
  // The transformation note, after the verses (and extra verse); writing it sets
  // transformationEntered.
  PatternClosing transformationNote = {};
};

// A verse that a pattern's rule quotes whole: its number (1 ..) in the pattern's list and its text.
struct QuotedVerse {
  int number;
  std::wstring_view text;
};

// The verses of a pattern for a record's `verses`, in the order of their numbers: the filled
// entries of a verse pool keyed (pattern name, verse number), an entry no source has given yet
// left out, and each quoted verse in its own place: it stands for the pool's entry of that number
// (a source's other wording of it) or fills the gap where the pool has none.
std::vector<std::wstring_view> VersesOf(std::span<const PoolEntry> pool, std::wstring_view pattern,
                                        std::initializer_list<QuotedVerse> quoted = {});

// The pattern section of the interpretation over a catalogue: the count line, the balance
// warnings and each pattern of the catalogue that is a candidate, in order, with its heading,
// reasons and verses. Writes the chart's pattern flags, counts, list and transformationEntered
// as it goes, then applies the final override of the count and list. Runs once per chart: it
// rewrites the pre-counted slots 20 to 22.
std::wstring JudgePatterns(chart::FourPillarsChart& chart,
                           const chart::SeasonalStrengthValues& values,
                           std::span<const PatternRecord> catalogue);

// The catalogue of chart patterns, in catalogue order.
std::span<const PatternRecord> PatternCatalogue();

// JudgePatterns over the catalogue of chart patterns: the fifth section of the interpretation.
std::wstring JudgeChartPatterns(chart::FourPillarsChart& chart,
                                const chart::SeasonalStrengthValues& values);

}  // namespace interpretation
