// The replay of a saved analysis.
#include "casebook/AnalysisReplay.h"

#include "casedata/MessageSink.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"

namespace quillon {

std::string VisitGoneMessage(const std::string& visitDateUtf8)
{
    return FormatText(translate("Message",
                          "The visit of %1 is no longer in the patient's recorded symptoms; the analysis cannot be "
                          "opened."),
        {Utf8ToCp1252(visitDateUtf8)});
}

int ReplaySteps(
    const std::vector<std::string>& steps, const std::function<void(const ChartCommand&)>& execute, IMessageSink& sink)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        try {
            execute(ParseChartCommand(steps[i]));
        } catch (const UsageError& e) {
            sink.Show(FormatText(translate("Message",
                                     "Step %1 of the analysis (%2) no longer applies: %3. The chart shows the analysis "
                                     "up to the step before it."),
                {std::to_string(i + 1), EscapeTextField(Utf8ToCp1252(steps[i])), e.text}));
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(steps.size());
}

} // namespace quillon
