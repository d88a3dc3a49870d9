// Restoring a saved analysis: its steps replayed one by one on the freshly opened chart, by the window and by
// quillon-report alike.
#pragma once

#include "casedata/Translatable.h"
#include "chart/ChartCommand.h"

#include <functional>
#include <string>
#include <vector>

namespace quillon {

class IMessageSink;
struct VisitMatch;

inline constexpr const char* kMsgVisitChanged = QT_TRANSLATE_NOOP("Message",
    "The visit's recorded symptoms changed since this analysis was saved; the steps that still apply are replayed.");

// The message of an analysis whose visit date is no longer in the patient's file.
std::string VisitGoneMessage(const std::string& visitDateUtf8);

// Runs the steps through `execute` in order. A step that cannot be read, or that no longer applies (its UsageError),
// stops the replay there with a message naming the step; the chart keeps what the steps before it made. Returns
// how many steps ran.
int ReplaySteps(
    const std::vector<std::string>& steps, const std::function<void(const ChartCommand&)>& execute, IMessageSink& sink);

} // namespace quillon
