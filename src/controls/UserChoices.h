// The questions the program asks through standard dialogs (where to save, which printer), behind an
// interface so that tests can answer them without a dialog.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace quillon {

class IUserChoices
{
public:
    virtual ~IUserChoices() = default;
    // The file to save to, or nothing when the user cancels.
    virtual std::optional<QString> ChooseSaveFile(
        QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter)
        = 0;
    // Sets up the printer; false when the user cancels.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the pages that `paint` draws in a print preview, where the printer is chosen and the pages printed;
    // false when it is closed without printing. Without a preview: the printer's question, then the printing.
    virtual bool PreviewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
    {
        if (!ChoosePrinter(parent, printer))
            return false;
        paint(printer);
        return true;
    }
    // The file to open, or nothing when the user cancels (answered "cancel" unless overridden).
    virtual std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& caption, const QString& filter)
    {
        (void)parent, (void)caption, (void)filter;
        return std::nullopt;
    }
    // Asks a question answered yes or no (as before a deletion); true for yes (answered "no" unless overridden).
    virtual bool Confirm(QWidget* parent, const QString& caption, const QString& question)
    {
        (void)parent, (void)caption, (void)question;
        return false;
    }
    // The folder to open, or nothing when the user cancels (answered "cancel" unless overridden).
    virtual std::optional<QString> ChooseFolder(QWidget* parent, const QString& caption, const QString& startFolder)
    {
        (void)parent, (void)caption, (void)startFolder;
        return std::nullopt;
    }
    // One of the items (its index), or nothing when the user cancels (answered "cancel" unless overridden).
    virtual std::optional<int> ChooseItem(
        QWidget* parent, const QString& caption, const QString& label, const QStringList& items)
    {
        (void)parent, (void)caption, (void)label, (void)items;
        return std::nullopt;
    }
};

// The real dialogs.
class CDialogUserChoices final : public IUserChoices
{
public:
    std::optional<QString> ChooseSaveFile(
        QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    bool PreviewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    std::optional<QString> ChooseFolder(QWidget* parent, const QString& caption, const QString& startFolder) override;
    std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& caption, const QString& filter) override;
    bool Confirm(QWidget* parent, const QString& caption, const QString& question) override;
    std::optional<int> ChooseItem(
        QWidget* parent, const QString& caption, const QString& label, const QStringList& items) override;
};

// The file to save to, asked through `choices`: a name typed without an extension gets `suffix` ("pdf");
// nothing when the user cancels or chooses no name.
std::optional<QString> ChooseSaveFileWithSuffix(IUserChoices& choices, QWidget* parent, const QString& caption,
    const QString& suggestedName, const QString& filter, const char* suffix);

// The "Save As" question of the text exports, offering `suggestedName`: a ".txt" file name (the extension added
// when none is typed), as a path of the local file system; nothing when the user cancels.
std::optional<std::filesystem::path> ChooseTextFile(
    IUserChoices& choices, QWidget* parent, const QString& suggestedName);

} // namespace quillon
