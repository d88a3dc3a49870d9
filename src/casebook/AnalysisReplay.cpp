// The replay of a saved analysis.
#include "casebook/AnalysisReplay.h"

#include "casedata/MessageSink.h"
#include "casedata/TextCodec.h"

namespace quillon {

std::string VisitGoneMessage(const std::string& visitDateUtf8)
{
    return "The visit of " + Utf8ToCp1252(visitDateUtf8)
        + " is no longer in the patient's recorded symptoms; the analysis cannot be opened.";
}

int ReplaySteps(
    const std::vector<std::string>& steps, const std::function<void(const ChartCommand&)>& execute, IMessageSink& sink)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        try {
            execute(ParseChartCommand(steps[i]));
        } catch (const UsageError& e) {
            sink.Show("Step " + std::to_string(i + 1) + " of the analysis (" + EscapeTextField(Utf8ToCp1252(steps[i]))
                + ") no longer applies: " + e.text + ". The chart shows the analysis up to the step before it.");
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(steps.size());
}

} // namespace quillon
