// The chart's final state as plain text (UTF-8, LF): the caption, the six counters, the active symptom lines and
// the remedies in display order with their grades. The chart view and the command-line tool print the same text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillon {

class CRepEngine;
class CRepMethods;

// The texts under the six list buttons, in the order mind, general, rest, clipboard 1, 2, 3.
using ChartCounterTexts = std::array<std::string, 6>;

// caption<TAB>CAPTION
// counters<TAB>MIND<TAB>GENERAL<TAB>REST<TAB>CLIP1<TAB>CLIP2<TAB>CLIP3
// symptoms<TAB>N, then S<TAB>INDEX<TAB>LINE for each active symptom (the chart's line with the repertory prefix,
// composed from the whole text: the chart may clip what it draws, the dump does not)
// remedies<TAB>M, then R<TAB>RANK<TAB>ABBREV<TAB>TOTALITY<TAB>COVERED<TAB>G0 G1 ... G(N-1) in display order
// The caption and counters are given in UTF-8; symptom texts and remedy names are converted from the data files.
// Texts are escaped as fields (EscapeTextField): a TAB, CR, LF or backslash in a rubric never breaks its line.
// `firstRemedies` >= 0 writes the R lines of the first remedies only (M still counts them all).
std::string DumpChart(
    const CRepEngine& engine, std::string_view captionUtf8, const ChartCounterTexts& counters, int firstRemedies = -1);

// The same with the caption and counters the methods compose (what the chart shows after each handler).
std::string DumpChart(const CRepEngine& engine, const CRepMethods& methods, int firstRemedies = -1);

} // namespace quillon
