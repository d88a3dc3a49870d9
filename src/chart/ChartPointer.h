// The chart's left button without its window: what a press and a release do to the methods and to the picked
// symptom and remedy. The chart's mouse handlers run these routines, and quillon-report replays its clicks and
// drags through them, so both end with the same chart.
#pragma once

#include "chart/ChartGeometry.h"
#include "engine/ClipboardDrop.h"
#include "engine/RepMethods.h"

namespace quillon {

class CRepEngine;

// Where the chart's symptom and remedy bars stand.
struct ChartBarPositions
{
    int symptom = 0;
    int remedy = 0;
};

// Left button down at pixel (x, y): every press resets the method flags, even on empty space; a row label's hot
// spot sorts the chart by it; the hit test then picks the symptom line or the totality cell under the point and a
// hit starts a drag. The splitter grip starts a splitter drag. Without a chart only the flags are reset and the
// grip works. The methods' pointer records it all. Returns Refreshed when a label re-sorted the chart.
MethodOutcome ChartLeftButtonDown(CRepMethods& methods, const CRepEngine& engine, const ChartGeometry& geometry,
    bool hasChart, int x, int y, ChartBarPositions bars);

// What a left button release ended.
struct ChartRelease
{
    DropZone zone = DropZone::None; // where a drag ended (None when no drag was under way)
    DropOutcome drop = DropOutcome::NoSymptom; // a clipboard zone: what the drop of the picked symptom did
    bool releaseSplitter = false; // a splitter drag ended: release it at splitterX
    int splitterX = 0;
};

// Left button up at pixel (x, y): a drag ends over the drop zone under its sheet (the point moved by sx(4),
// sy(4)); on a clipboard's zone the picked symptom is dropped there. The symptoms-covered zone is the caller's
// to open.
ChartRelease ChartLeftButtonUp(CRepMethods& methods, const ChartGeometry& geometry, int x, int y);

// The pixel points at which a drag of active symptom nSymptom onto a drop zone is pressed and released, for a
// symptom bar at symptomPosition (the symptom must be on one of the visible lines).
struct ChartDragPoints
{
    int pressX = 0, pressY = 0;
    int releaseX = 0, releaseY = 0;
};
ChartDragPoints SymptomDragPoints(const ChartGeometry& geometry, int nSymptom, int symptomPosition, DropZone zone);

} // namespace quillon
