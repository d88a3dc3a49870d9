// Drawing of the repertorisation chart: one function that the view's paint, a grab and printing share.
#pragma once

#include "chart/ChartGeometry.h"
#include "controls/FormLook.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

namespace quillon {

class CRepEngine;

// Where the chart is scrolled to when it is drawn.
struct ChartPaintState
{
    int symptomPosition = 0; // first visible symptom
    int remedyPosition = 0; // first visible remedy column
    int textPosition = 0; // first character of the symptom lines after a symptom-text scroll
    bool textScrolled = false; // the symptom-text bar was moved: lines follow its rule
};

// The parts of the chart; a partial repaint draws only some of them.
enum ChartPart : unsigned {
    kPartFrames = 1u << 0,
    kPartSymptomLines = 1u << 1,
    kPartRemedyNames = 1u << 2,
    kPartRowLabels = 1u << 3,
    kPartGrades = 1u << 4,
    kPartHeaderRows = 1u << 5,
    kPartAll = 0x3Fu,
};

inline QRect ToQRect(const ChartRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// Colours of the chart.
inline const QColor kChartBackground = kWindowBackground;
inline const QColor kRemedyNameColour(192, 32, 23);
inline const QColor kTotalityColour(103, 167, 101);
inline const QColor kCoveredColour(206, 139, 66);
inline const QColor kGradeColour(5, 67, 250);

// Fonts of the chart, with the faces that stand in for the design's.
struct ChartFonts
{
    QFont remedyName; // sans 13, weight 600, written at 32 degrees
    QFont symptomLine; // serif 16, weight 500
    QFont rowLabel; // serif 15, weight 600
    QFont count; // sans 12 with an average width of 8, weight 600

    static const ChartFonts& Get();
};

// The line of a symptom as the chart shows it (the symptom-text rule once that bar was moved).
QString ChartSymptomLine(const CRepEngine& engine, int s, const ChartPaintState& state);

// Draws the chart parts given by `parts`. The background behind the chart is the caller's.
void PaintChart(QPainter& painter, const ChartGeometry& geometry, const CRepEngine& engine,
    const ChartPaintState& state, unsigned parts = kPartAll);

} // namespace quillon
