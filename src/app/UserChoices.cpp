// The real file and printer dialogs.
#include "app/UserChoices.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace quillon {

std::optional<QString> CDialogUserChoices::ChooseSaveFile(
    QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter)
{
    const QString chosen = QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

bool CDialogUserChoices::ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> CDialogUserChoices::ChooseFolder(
    QWidget* parent, const QString& caption, const QString& startFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent, caption, startFolder);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace quillon
