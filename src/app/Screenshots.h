// Pictures of the window for the manual: the start screen, a patient's chart, the mineral filter over it and the
// help viewer, each saved by `quillon --screenshot FILE --show WHAT`.
#pragma once

#include <QString>

namespace quillon {

class CQuillonApp;

// What --show may name; "start" is the Select Patient dialog, taken by the start-up path itself.
bool IsScreenshotScene(const QString& scene);

// Shows `scene` ("chart", "mineral" or "help") for the patient with registration number regNo (empty: the first
// patient whose first visit opens a chart), saves a picture of the screen to `file` and returns the exit status.
int TakeSceneScreenshot(CQuillonApp& app, const QString& scene, const QString& regNo, const QString& file);

} // namespace quillon
