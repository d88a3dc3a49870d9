// Opening the chart of a patient's first visit in the running application, as choosing the patient does, and
// where the chart's parts lie on the screen.
#pragma once

#include "app/QuillonApp.h"
#include "chart/RepView.h"
#include "state/PatientSelection.h"

#include <QAccessible>
#include <QImage>
#include <QMenu>
#include <QTest>

#include <cstdlib>
#include <string>

namespace quillon::testing {

// Closes every view, makes the patient current, loads visit 0 and opens the chart on a shown window;
// the sink is emptied of the loading's messages. Null when the visit cannot be loaded or shown.
inline CRepView* OpenChartOf(const std::string& regNo, const std::string& name, RecordingMessageSink& sink)
{
    CQuillonApp& app = *CQuillonApp::Instance();
    app.CloseAllViews();
    app.State().m_strPatientFile = regNo;
    app.State().m_strPatientName = name;
    if (!app.State().LoadVisitIndex() || !LoadVisitForChart(app.State(), 0))
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

// Design frame to pixels, as the form lays them out (truncating); the chart frame spans the chart's width.
inline int ChartX(const CRepView* view, int x)
{
    return x * view->Geometry().ChartWidth() / 840;
}
inline int ChartY(const CRepView* view, int y)
{
    return y * view->Geometry().ScreenHeight() / 680;
}
inline int ControlX(const CRepView* view, int x)
{
    return x * view->Geometry().ScreenWidth() / 640;
}
inline int ControlY(const CRepView* view, int y)
{
    return y * view->Geometry().ScreenHeight() / 480;
}

// Pixel rectangle of grid cell (row, column) and of symptom line k with the grid origin at x0.
inline QRect CellRect(const CRepView* view, int row, int column, int x0 = 355)
{
    const int left = x0 + 35 * column;
    const int top = 160 + 22 * row;
    return QRect(
        QPoint(ChartX(view, left), ChartY(view, top)), QPoint(ChartX(view, left + 30) - 1, ChartY(view, top + 20) - 1));
}
inline QRect LineRect(const CRepView* view, int k, int x0 = 355)
{
    const int top = 160 + 22 * k;
    return QRect(
        QPoint(ChartX(view, 75), ChartY(view, top)), QPoint(ChartX(view, x0 - 5) - 1, ChartY(view, top + 20) - 1));
}

// How many pixels of `area` in `image` lie within `tolerance` (summed over the channels) of `colour`.
inline int CountColour(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40)
{
    int found = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue())
                < tolerance)
                ++found;
        }
    return found;
}

// A popup body that triggers the item of that text.
inline auto ChooseItem(const char* text)
{
    return [text](QMenu& popup) {
        for (QAction* action : popup.actions())
            if (action->text() == QLatin1String(text))
                action->trigger();
    };
}

// The chart's table among the children of the view's entry, wherever the reading order puts it.
inline QAccessibleTableInterface* ChartTable(CRepView* view)
{
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; i < entry->childCount(); ++i)
        if (entry->child(i)->role() == QAccessible::Table)
            return entry->child(i)->tableInterface();
    return nullptr;
}

} // namespace quillon::testing
