// quillon-report's chart harness: the patient selected, the visit and the chart opened as the window opens
// them, and the actions replayed through the chart session.
#include "report/ReportChart.h"
#include "report/ReportStatus.h"

#include "casedata/PatientIndex.h"
#include "casedata/TextCodec.h"
#include "chart/ChartSession.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"

#include <algorithm>

namespace quillon::report {

const PatientRow* FindPatientRow(const PatientIndex& index, const std::string& regNo)
{
    const std::string wanted = Utf8ToCp1252(regNo);
    const auto row = std::find_if(
        index.rows.begin(), index.rows.end(), [&wanted](const PatientRow& r) { return r.regNo == wanted; });
    return row == index.rows.end() ? nullptr : &*row;
}

bool SelectPatient(CQuillonState& state, const std::string& regNo, Transcript& t)
{
    const auto index = LoadPatientIndex(state.Folder(), state.Sink());
    if (!index)
        return false;
    if (const PatientRow* row = FindPatientRow(*index, regNo)) {
        SetCurrentPatient(state, *row, index->physician);
        return true;
    }
    t.Fail("no patient " + Shown(regNo) + " in the patient index");
    return false;
}

int SilentVisitFailure(Transcript& t, const CQuillonState& state, const std::string& regNo, int visit)
{
    return t.Fail("visit " + std::to_string(visit) + " of patient " + Shown(regNo)
        + (state.LiveCount() == 0 ? " holds no symptoms" : " ends before its last symptom"));
}

int WithChart(const std::string& dir, const ChartRequest& request, Transcript& t,
    const std::function<int(CQuillonState&, const CRepEngine&, const CRepMethods&)>& use)
{
    return WithChart(
        dir, request, t, [&request](CChartSession& chart) { RunActions(chart, request); }, use);
}

void RunActions(CChartSession& chart, const ChartRequest& request)
{
    for (const std::string& action : request.actions)
        chart.Execute(ParseChartCommand(action));
}

int WithChart(const std::string& dir, const ChartRequest& request, Transcript& t,
    const std::function<void(CChartSession&)>& replay,
    const std::function<int(CQuillonState&, const CRepEngine&, const CRepMethods&)>& use)
{
    if (!FindFolder(dir, t))
        return kCaseNotLoaded;
    CQuillonState state(CPracticeFolder(dir), t);
    state.LoadCatalogue();
    if (!SelectPatient(state, request.regNo, t))
        return kCaseNotLoaded;
    // As the window does: Select Patient's OK loads a one-visit patient's visit and opens the chart when it
    // holds symptoms; with several visits the Recorded Symptoms dialog loads the chosen date and Rep_Table opens it.
    const int reported = t.Reported();
    switch (ChooseCurrentPatient(state, request.visit)) {
    case PatientChoice::OpenChart: break;
    case PatientChoice::RecordedSymptoms:
        if (!OpenVisitForChart(state, request.visit))
            return t.Reported() > reported ? kCaseNotLoaded
                                           : SilentVisitFailure(t, state, request.regNo, request.visit);
        break;
    case PatientChoice::NoSuchVisit:
        return t.Fail("patient " + Shown(request.regNo) + " has no visit " + std::to_string(request.visit));
    case PatientChoice::StayOpen: return kCaseNotLoaded;
    case PatientChoice::NothingToOpen:
        return t.Reported() > reported ? kCaseNotLoaded : SilentVisitFailure(t, state, request.regNo, request.visit);
    }
    CChartSession chart(state, t);
    if (!chart.Start())
        return kCaseNotLoaded;
    replay(chart);
    return use(state, chart.Engine(), chart.Methods());
}

} // namespace quillon::report
