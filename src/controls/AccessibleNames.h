// Names for the controls of a dialog that a screen reader would otherwise announce without one.
#pragma once

class QWidget;

namespace quillon {

// Gives every list, table, text box and combo box of `dialog` that has no accessible name the text of the
// label whose buddy it is, else the title of the group box it sits in; a button without text takes its
// tooltip. Controls named already keep their names.
void NameDialogControls(QWidget* dialog);

} // namespace quillon
