// The chart window's left button: a press and its release hit-tested once against the window's geometry and
// turned into the chart command they make (a row label, a drop on a clipboard, or a click with what it met),
// which the window runs through its chart session: at the press, or at the release of a drag.
#pragma once

#include "chart/ChartCommand.h"
#include "chart/ChartGeometry.h"

#include <optional>

namespace quillon {

class CRepEngine;

// Where the chart's symptom and remedy bars stand.
struct ChartBarPositions
{
    int symptom = 0;
    int remedy = 0;
};

// What a left button release ended.
struct ChartRelease
{
    std::optional<ChartCommand> command; // what a drag made (none when its press ran already)
    DropZone zone = DropZone::None; // where a drag ended (None when no drag was under way)
    bool releaseSplitter = false; // a splitter drag ended: release it at splitterX
    int splitterX = 0;
};

class ChartPointer final
{
public:
    // Left button down at pixel (x, y). On a chart a row label's hot spot makes a label command; the symptom
    // line or totality cell under the point is picked (nothing else keeps the symptom and the remedy picked
    // before) and starts a drag. The splitter grip starts a splitter drag. Without a chart only the grip works.
    void Press(
        const ChartGeometry& geometry, const CRepEngine& engine, bool hasChart, int x, int y, ChartBarPositions bars);
    // A cell of the chart's table under the press: it picks the cell's remedy, and a grade its symptom.
    void PickCell(int remedy, std::optional<int> symptom);
    // The command of a press that starts no drag, once: a label or a click, run at the press.
    std::optional<ChartCommand> TakePressCommand();
    // Left button up at pixel (x, y): a drag ends over the drop zone under its sheet (the point moved by sx(4),
    // sy(4)); the picked symptom dragged onto a clipboard's zone is a drop there, anything else a click. The
    // symptoms-covered zone is the caller's to open.
    ChartRelease Release(const ChartGeometry& geometry, int x, int y);

    const ChartPick& Picked() const { return m_command.pick; }
    // A symptom line or totality cell was pressed: its sheet follows the pointer until the release.
    bool Dragging() const { return m_bDragging; }
    bool SplitterDragging() const { return m_bSplitterDragging; }

private:
    ChartCommand m_command; // the press under way, while m_bPressed
    bool m_bPressed = false;
    bool m_bDragging = false;
    bool m_bSplitterDragging = false;
};

} // namespace quillon
