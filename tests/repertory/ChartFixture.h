// Opening the chart of a patient's first visit in the running application, as choosing the patient does.
#pragma once

#include "app/QuillonApp.h"
#include "repertory/RepView.h"
#include "state/PatientSelection.h"

#include <QTest>

#include <string>

namespace quillon::testing {

// Closes every view, makes the patient current, loads visit 0 and opens the chart on a shown window;
// the sink is emptied of the loading's messages. Null when the visit cannot be loaded or shown.
inline CRepView* OpenChartOf(const std::string& regNo, const std::string& name, RecordingMessageSink& sink)
{
    CQuillonApp& app = *CQuillonApp::Instance();
    app.CloseAllViews();
    app.m_strPatientFile = regNo;
    app.m_strPatientName = name;
    if (!app.LoadVisitIndex() || !LoadVisitForChart(app, 0))
        return nullptr;
    app.OpenViewTemplate(2);
    auto* view = qobject_cast<CRepView*>(app.OpenView(kViewChart));
    if (view) {
        view->window()->show();
        if (!QTest::qWaitForWindowExposed(view->window()))
            return nullptr;
    }
    sink.Clear();
    return view;
}

} // namespace quillon::testing
