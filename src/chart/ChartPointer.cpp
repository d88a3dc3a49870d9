// The chart window's left button.
#include "chart/ChartPointer.h"

#include "engine/RepEngine.h"

namespace quillon {

void ChartPointer::Press(
    const ChartGeometry& geometry, const CRepEngine& engine, bool hasChart, int x, int y, ChartBarPositions bars)
{
    m_command = ChartCommand{ChartVerb::Click};
    m_command.pick.symptom.reset();
    if (hasChart) {
        const std::pair<ChartRect, ChartLabel> labels[] = {{geometry.TotalityHotSpot(), ChartLabel::Totality},
            {geometry.CoveredHotSpot(), ChartLabel::Covered}, {geometry.NameHotSpot(), ChartLabel::Name}};
        for (const auto& [spot, label] : labels) {
            if (spot.Contains(x, y)) {
                m_command.verb = ChartVerb::Label;
                m_command.label = label;
            }
        }
        const ChartHit hit = geometry.HitTest(
            x, y, bars.symptom, [&engine](int s) { return engine.Symptom(s) != nullptr; }, bars.remedy,
            engine.RemedyCount());
        m_command.pick.symptom = hit.onSymptom ? hit.symptom : -1;
        if (hit.remedy >= 0)
            m_command.pick.remedy = hit.remedy;
        m_bDragging = hit.hit;
    }
    m_bSplitterDragging = geometry.SplitterGrip().Contains(x, y);
    m_bPressed = true;
}

void ChartPointer::PickCell(int remedy, std::optional<int> symptom)
{
    m_command.pick.remedy = remedy;
    if (symptom)
        m_command.pick.symptom = symptom;
}

std::optional<ChartCommand> ChartPointer::TakePressCommand()
{
    if (!m_bPressed || m_bDragging)
        return std::nullopt;
    m_bPressed = false;
    return m_command;
}

ChartRelease ChartPointer::Release(const ChartGeometry& geometry, int x, int y)
{
    ChartRelease release;
    release.splitterX = x;
    if (m_bDragging) {
        m_bDragging = false;
        const int dx = x + geometry.Sx(4);
        const int dy = y + geometry.Sy(4);
        release.zone = geometry.DropZoneAt(dx, dy);
        const int clipboard = release.zone == DropZone::Clipboard1 ? 1
            : release.zone == DropZone::Clipboard2                 ? 2
            : release.zone == DropZone::Clipboard3                 ? 3
                                                                   : 0;
        if (clipboard > 0 && m_command.verb == ChartVerb::Click && m_command.pick.symptom.value_or(-1) >= 0) {
            m_command.verb = ChartVerb::Drop;
            m_command.symptom = *m_command.pick.symptom;
            m_command.clipboard = clipboard;
        }
        release.splitterX = dx;
    }
    if (m_bSplitterDragging) {
        m_bSplitterDragging = false;
        release.releaseSplitter = true;
    }
    if (m_bPressed)
        release.command = m_command;
    m_bPressed = false;
    return release;
}

} // namespace quillon
