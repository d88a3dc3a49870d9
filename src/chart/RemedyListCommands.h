// The chart's "&Drug List" and "&Full Symptom" popup commands, which open the two remedy list dialogs.
#pragma once

namespace quillon {

class CQuillonState;
class CRepView;
class IUserChoices;

void InstallRemedyListCommands(CRepView& view, const CQuillonState& state, IUserChoices& choices);

} // namespace quillon
