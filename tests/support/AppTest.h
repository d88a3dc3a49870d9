// What the widget tests that run inside the application share: the application, its state before any patient is
// chosen, the save and print dialogs answered by the test, and the run of a test object in an application.
#pragma once

#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "controls/UserChoices.h"

#include <QMdiArea>
#include <QPrinter>
#include <QStringList>
#include <QTest>

#include <filesystem>
#include <optional>

namespace quillon::testing {

inline CQuillonApp& App()
{
    return *CQuillonApp::Instance();
}

// Closes every view and forgets the patient and the visits, as before the first choice of a patient.
inline void ResetToNoPatient()
{
    App().CloseAllViews();
    App().MainFrame()->MdiArea()->closeAllSubWindows();
    App().State().ClearCaseStore();
    App().State().m_strPatientFile.clear();
    App().State().m_arrVisitDates.clear();
    App().State().m_arrVisitOffsets.clear();
    App().MainFrame()->UpdateCommandUI();
}

// The save dialog answers `saveFile` (none: cancelled), keeps the name it was offered and counts the questions;
// the print dialog prints to the PDF file `printFile`, as its "Print to File" does, or is cancelled without one;
// the folder dialog answers `folder`; a list of items answers `item` and keeps what it offered.
class ScriptedChoices final : public IUserChoices
{
public:
    std::optional<QString> ChooseSaveFile(
        QWidget*, const QString&, const QString& suggestedName, const QString&) override
    {
        ++asked;
        suggested = suggestedName;
        return saveFile;
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override
    {
        printer.setOutputFileName(printFile.value_or(QString()));
        return printFile.has_value();
    }
    std::optional<QString> ChooseFolder(QWidget*, const QString&, const QString&) override { return folder; }
    std::optional<QString> ChooseOpenFile(QWidget*, const QString&, const QString&) override { return openFile; }
    bool Confirm(QWidget*, const QString&, const QString& question) override
    {
        questions << question;
        return confirm;
    }
    std::optional<int> ChooseItem(QWidget*, const QString&, const QString&, const QStringList& items) override
    {
        offeredItems.push_back(items);
        return item;
    }

    std::optional<QString> saveFile, printFile, folder, openFile;
    bool confirm = false; // the answer to every yes-or-no question
    QStringList questions; // the questions asked, in order
    QString suggested;
    int asked = 0;
    // The item chosen when a list is offered (none: cancelled), and the lists offered.
    std::optional<int> item;
    std::vector<QStringList> offeredItems;
};

// Runs the QtTest object T in an application opened on the practice folder.
template <typename T>
int RunInApp(int& argc, char** argv, const std::filesystem::path& folder, RecordingMessageSink& sink,
    IUserChoices* choices = nullptr)
{
    CQuillonApp app(argc, argv, CPracticeFolder(folder), &sink, choices);
    app.InitInstance();
    T test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace quillon::testing
