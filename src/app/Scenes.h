// The scenes of the window that `quillon --show WHAT` names (Screenshots.h shows them).
#pragma once

#include <QString>

namespace quillon {

// The scenes whose dialog runs over the chart.
inline bool IsDialogScene(const QString& scene)
{
    return scene == QLatin1String("weightage") || scene == QLatin1String("analyses")
        || scene == QLatin1String("mineral");
}

// What --show may name; "start" is the Select Patient dialog, taken by the start-up path itself.
inline bool IsScreenshotScene(const QString& scene)
{
    return scene == QLatin1String("start") || scene == QLatin1String("chart") || scene == QLatin1String("help")
        || IsDialogScene(scene);
}

} // namespace quillon
