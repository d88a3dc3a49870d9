// What the report's chart commands share: their arguments, and the chart opened and replayed as the window
// opens it.
#pragma once

#include "casedata/MessageSink.h"
#include "chart/ChartCommand.h"

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {
class CChartSession;
class CQuillonState;
class CRepEngine;
class CRepMethods;
struct PatientIndex;
struct PatientRow;
} // namespace quillon

namespace quillon::report {

// A wrong command line: Run prints the text and ends with kUsageError.
using quillon::UsageError;

// What one command prints, held back until it ends. A command that succeeds prints its output on standard output
// with its messages where its contract puts them (in the output, or on standard error); one that fails prints
// only its messages and failures, all on standard error, and never ends silently. Control characters never reach
// either stream raw.
class Transcript final : public IMessageSink
{
public:
    // Messages are "message<TAB>TEXT" lines; `inOutput` puts them in the output of a successful run, in order.
    void MessagesInOutput(bool inOutput) { m_messagesInOutput = inOutput; }
    // The output is text of the data's code page (a file image) rather than UTF-8.
    void OutputInCodePage(bool codePage) { m_outputInCodePage = codePage; }
    std::ostream& Out() { return m_out; }

    using IMessageSink::Show;
    void Show(const Message& message) override;
    // A failure the tool reports itself: "quillon-report: TEXT". Returns the status of a case not loaded.
    int Fail(const std::string& text);
    // Messages and failures so far, to tell a silent failure from a reported one.
    int Reported() const { return m_reported; }

    // Writes what the command left for its status and returns the status.
    int Finish(int status, std::ostream& out, std::ostream& err);
    // The same for a wrong command line: the messages so far, then the usage text.
    int FinishWithUsageError(const std::string& text, std::ostream& err);

private:
    std::ostringstream m_out;
    std::string m_messages;
    int m_reported = 0;
    bool m_messagesInOutput = false;
    bool m_outputInCodePage = false;
};

// A text of the data files as one field of a line (UTF-8, escaped).
std::string Field(std::string_view cp1252);
// An argument of the command line as shown in a line (escaped).
std::string Shown(std::string_view argument);

// True when DIR is a folder; otherwise the failure is reported.
bool FindFolder(const std::string& dir, Transcript& t);

// A whole number from 0, or a UsageError naming `what`.
int ParseReportIndex(const std::string& text, const char* what);
// A command line of `count` words (the command included), or the command's usage line as a UsageError.
void ExpectArgs(const std::vector<std::string>& args, std::size_t count, const char* usage);
// The usage error of a command: "usage: quillon-report [--dir DIR] " and the command's usage.
[[noreturn]] void ThrowUsage(const std::string& usage);

// The row of the index with this registration number (UTF-8, as given on the command line), or none.
const PatientRow* FindPatientRow(const PatientIndex& index, const std::string& regNo);
// The patient of the index with this registration number, made current as a selection in the Select Patient
// dialog does.
bool SelectPatient(CQuillonState& state, const std::string& regNo, Transcript& t);
// The reason a visit loaded nothing, or less than all of it, when its loader gave none.
int SilentVisitFailure(Transcript& t, const CQuillonState& state, const std::string& regNo, int visit);

struct ChartRequest
{
    std::string regNo;
    int visit = 0;
    std::vector<std::string> actions;
    // The other arguments in order: an option of the command's value options with its value, anything else
    // alone (with an empty value).
    std::vector<std::pair<std::string, std::string>> extra;
};

// args: the command, REGNO, then --visit N, --do ACTION and the command's own arguments.
ChartRequest ParseChartRequest(const std::vector<std::string>& args, const std::string& usage,
    std::initializer_list<std::string_view> valueOptions = {});

// Selects the patient, opens the chart of the visit as the window does, replays the actions and hands the chart
// to `use`, whose status is returned. A patient, visit or chart that cannot be opened fails with its reason.
int WithChart(const std::string& dir, const ChartRequest& request, Transcript& transcript,
    const std::function<int(CQuillonState&, const CRepEngine&, const CRepMethods&)>& use);
// Runs the request's actions on the chart.
void RunActions(CChartSession& chart, const ChartRequest& request);
// The same with the steps run by `replay` instead of the request's actions.
int WithChart(const std::string& dir, const ChartRequest& request, Transcript& transcript,
    const std::function<void(CChartSession&)>& replay,
    const std::function<int(CQuillonState&, const CRepEngine&, const CRepMethods&)>& use);

} // namespace quillon::report
