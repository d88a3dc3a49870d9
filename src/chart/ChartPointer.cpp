// The chart's left button.
#include "chart/ChartPointer.h"

#include "engine/RepEngine.h"

namespace quillon {

MethodOutcome ChartLeftButtonDown(CRepMethods& methods, const CRepEngine& engine, const ChartGeometry& geometry,
    bool hasChart, int x, int y, ChartBarPositions bars)
{
    ChartPointer& pointer = methods.Pointer();
    methods.ResetMethodFlagsForClick();
    MethodOutcome outcome = MethodOutcome::Unchanged;
    if (hasChart) {
        const auto sortBy = [&](SortMode mode) { outcome = methods.OnSortLabel(mode); };
        if (geometry.TotalityHotSpot().Contains(x, y))
            sortBy(SortByTotality);
        if (geometry.CoveredHotSpot().Contains(x, y))
            sortBy(SortBySymptomsCovered);
        if (geometry.NameHotSpot().Contains(x, y))
            sortBy(SortByName);

        pointer.m_nSelSymptom = -1;
        const ChartHit hit = geometry.HitTest(
            x, y, bars.symptom, [&engine](int s) { return engine.Symptom(s) != nullptr; }, bars.remedy,
            engine.RemedyCount());
        if (hit.onSymptom)
            pointer.m_nSelSymptom = hit.symptom;
        if (hit.remedy >= 0)
            pointer.m_nSelRemedy = hit.remedy;
        if (hit.hit)
            pointer.m_bDragging = true;
    }
    if (geometry.SplitterGrip().Contains(x, y))
        pointer.m_bSplitterDragging = true;
    return outcome;
}

ChartRelease ChartLeftButtonUp(CRepMethods& methods, const ChartGeometry& geometry, int x, int y)
{
    ChartPointer& pointer = methods.Pointer();
    ChartRelease release;
    release.splitterX = x;
    if (pointer.m_bDragging) {
        pointer.m_bDragging = false;
        const int dx = x + geometry.Sx(4);
        const int dy = y + geometry.Sy(4);
        release.zone = geometry.DropZoneAt(dx, dy);
        const int k = release.zone == DropZone::Clipboard1 ? 0
            : release.zone == DropZone::Clipboard2         ? 1
            : release.zone == DropZone::Clipboard3         ? 2
                                                           : -1;
        if (k >= 0)
            release.drop = methods.DropOnClipboard(k);
        release.splitterX = dx;
    }
    if (pointer.m_bSplitterDragging) {
        pointer.m_bSplitterDragging = false;
        release.releaseSplitter = true;
    }
    return release;
}

ChartDragPoints SymptomDragPoints(const ChartGeometry& geometry, int nSymptom, int symptomPosition, DropZone zone)
{
    const ChartRect line = geometry.SymptomLineRect(kFirstSymptomLine + nSymptom - symptomPosition);
    const ChartRect target = geometry.DropZoneRect(zone);
    return {(line.left + line.right) / 2, (line.top + line.bottom) / 2,
        (target.left + target.right) / 2 - geometry.Sx(4), (target.top + target.bottom) / 2 - geometry.Sy(4)};
}

} // namespace quillon
