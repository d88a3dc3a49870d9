// The help pages of the filter dialogs: short pages of our own, shown in a text browser beside the dialog.
#pragma once

class QDialog;
class QWidget;

namespace quillon {

// Opens the Plant Filters help page as a window of `parent` and returns it (it deletes itself when closed).
QDialog* ShowPlantFilterHelp(QWidget* parent);

} // namespace quillon
