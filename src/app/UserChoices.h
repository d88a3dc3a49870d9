// The questions the program asks through standard dialogs (where to save, which printer), behind an
// interface so that tests can answer them without a dialog.
#pragma once

#include <QString>

#include <filesystem>
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
    // The folder to open, or nothing when the user cancels (answered "cancel" unless overridden).
    virtual std::optional<QString> ChooseFolder(QWidget* parent, const QString& caption, const QString& startFolder)
    {
        (void)parent, (void)caption, (void)startFolder;
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
    std::optional<QString> ChooseFolder(QWidget* parent, const QString& caption, const QString& startFolder) override;
};

// The "Save As" question of the text exports: a ".txt" file name (the extension added when none is typed), as a
// path of the local file system; nothing when the user cancels.
std::optional<std::filesystem::path> ChooseTextFile(IUserChoices& choices, QWidget* parent);

} // namespace quillon
