// The chart's final state as plain text.
#include "engine/ChartDump.h"

#include "casedata/TextCodec.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "engine/RepertoryTable.h"

namespace quillon {

std::string DumpChart(
    const CRepEngine& engine, std::string_view captionUtf8, const ChartCounterTexts& counters, int firstRemedies)
{
    std::string out;
    out += "caption\t";
    out += EscapeTextField(captionUtf8);
    out += '\n';
    out += "counters";
    for (const std::string& counter : counters) {
        out += '\t';
        out += counter;
    }
    out += '\n';

    const int symptoms = engine.SymptomCount();
    out += "symptoms\t" + std::to_string(symptoms) + '\n';
    for (int s = 0; s < symptoms; ++s) {
        const CSymptomRecord* record = engine.Symptom(s);
        out += "S\t" + std::to_string(s) + '\t';
        if (record)
            out += Cp1252ToUtf8(
                EscapeTextField(ComposeSymptomLine(record->m_pszText, record->m_nType, std::string_view::npos)));
        if (engine.IsEliminating(s))
            out += "\teliminating";
        out += '\n';
    }

    const int remedies = engine.RemedyCount();
    out += "remedies\t" + std::to_string(remedies) + '\n';
    const int written = firstRemedies >= 0 && firstRemedies < remedies ? firstRemedies : remedies;
    for (int r = 0; r < written; ++r) {
        out += "R\t" + std::to_string(r + 1) + '\t';
        out += Cp1252ToUtf8(EscapeTextField(engine.RemedyName(r)));
        out += '\t' + std::to_string(engine.RemedyTotality(r));
        out += '\t' + std::to_string(engine.RemedyCovered(r));
        out += '\t';
        for (int s = 0; s < symptoms; ++s) {
            if (s > 0)
                out += ' ';
            out += std::to_string(engine.Grade(r, s));
        }
        out += '\n';
    }
    return out;
}

std::string DumpChart(const CRepEngine& engine, const CRepMethods& methods, int firstRemedies)
{
    const ChartCounterTexts counters{std::to_string(methods.MindCount()), std::to_string(methods.GeneralCount()),
        std::to_string(methods.RestCount()), std::to_string(methods.ClipCount(0)), std::to_string(methods.ClipCount(1)),
        std::to_string(methods.ClipCount(2))};
    return DumpChart(engine, Cp1252ToUtf8(methods.BuildCaption()), counters, firstRemedies);
}

} // namespace quillon
