// Scenes of the window for the manual and for reading the window as a screen reader does: the start screen, a
// patient's chart, the Weightage, Open Analysis or mineral filter dialog over it and the help viewer, each saved
// by `quillon --screenshot FILE --show WHAT` or left open by `quillon --show WHAT`.
#pragma once

#include <QString>

namespace quillon {

class CQuillonApp;

// Shows `scene` for the patient with registration number regNo, as TakeSceneScreenshot does, and leaves it open
// for the user: a dialog opens once the event loop runs. False when the scene cannot be shown.
bool ShowScene(CQuillonApp& app, const QString& scene, const QString& regNo);

// Shows `scene` ("chart", "weightage", "analyses", "mineral" or "help") for the patient with registration number regNo
// (empty: the first patient whose first visit opens a chart), saves a picture of the screen to `file` and returns the
// exit status.
int TakeSceneScreenshot(CQuillonApp& app, const QString& scene, const QString& regNo, const QString& file);

} // namespace quillon
