// The chart's "&Drug List" and "&Full Symptom" popup commands, which open the two remedy list dialogs.
#pragma once

namespace quillon {

class CQuillonApp;
class CRepView;

void InstallRemedyListCommands(CRepView& view, CQuillonApp& app);

} // namespace quillon
