// The real file and printer dialogs.
#include "controls/UserChoices.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTreeView>

namespace quillon {

std::optional<QString> CDialogUserChoices::ChooseSaveFile(
    QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter)
{
    QFileDialog dialog(parent, caption, suggestedName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setViewMode(QFileDialog::Detail);
    // Room for the name, size, type and date columns; the name takes what the others leave.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() * 9 / 10 : QSize(800, 520);
    dialog.resize(QSize(820, 520).boundedTo(room));
    for (auto* tree : dialog.findChildren<QTreeView*>()) {
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool CDialogUserChoices::ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CDialogUserChoices::PreviewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* device) {
        if (device)
            paint(*device);
    });
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dialog.resize(screen->availableSize() * 4 / 5);
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

std::optional<QString> CDialogUserChoices::ChooseOpenFile(
    QWidget* parent, const QString& caption, const QString& filter)
{
    const QString chosen = QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

bool CDialogUserChoices::Confirm(QWidget* parent, const QString& caption, const QString& question)
{
    return QMessageBox::question(parent, caption, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<int> CDialogUserChoices::ChooseItem(
    QWidget* parent, const QString& caption, const QString& label, const QStringList& items)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, caption, label, items, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    const int index = static_cast<int>(items.indexOf(chosen));
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

std::optional<QString> ChooseSaveFileWithSuffix(IUserChoices& choices, QWidget* parent, const QString& caption,
    const QString& suggestedName, const QString& filter, const char* suffix)
{
    std::optional<QString> chosen = choices.ChooseSaveFile(parent, caption, suggestedName, filter);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    if (QFileInfo(*chosen).suffix().isEmpty())
        *chosen += QLatin1Char('.') + QLatin1String(suffix);
    return chosen;
}

std::optional<std::filesystem::path> ChooseTextFile(
    IUserChoices& choices, QWidget* parent, const QString& suggestedName)
{
    const std::optional<QString> path
        = ChooseSaveFileWithSuffix(choices, parent, QCoreApplication::translate("CDialogUserChoices", "Save As"),
            suggestedName, QCoreApplication::translate("CDialogUserChoices", "Text Files (*.txt)"), "txt");
    if (!path)
        return std::nullopt;
    const QByteArray local = QFile::encodeName(*path);
    return std::filesystem::path(std::string(local.constData(), static_cast<std::size_t>(local.size())));
}

} // namespace quillon
