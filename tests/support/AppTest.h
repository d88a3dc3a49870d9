// What the widget tests that run inside the application share: the application, its state before any patient is
// chosen, the save and print dialogs answered by the test, and the run of a test object in an application, on a
// practice folder of its own or on a scratch one the test writes.
#pragma once

#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "controls/UserChoices.h"
#include "support/TempFolder.h"

#include <QMdiArea>
#include <QPrinter>
#include <QStringList>
#include <QTest>

#include <filesystem>
#include <functional>
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

// The scratch practice folder a test object runs on, the message sink and the scripted answers to the dialogs.
struct PracticeRun
{
    TempFolder folder;
    RecordingMessageSink sink;
    ScriptedChoices choices;

    // A file of that name in the practice folder, as the dialogs take it.
    QString File(const std::filesystem::path& name) const
    {
        return QString::fromStdString((folder.Path() / name).string());
    }
};

inline PracticeRun*& CurrentRun()
{
    static PracticeRun* run = nullptr;
    return run;
}

// The run of the test object in progress.
inline PracticeRun& Run()
{
    return *CurrentRun();
}

// Writes the practice with `write`, then runs the QtTest object T in an application opened on it.
template <typename T> int RunInPractice(int& argc, char** argv, const std::function<void(const TempFolder&)>& write)
{
    PracticeRun run;
    CurrentRun() = &run;
    write(run.folder);
    return RunInApp<T>(argc, argv, run.folder.Path(), run.sink, &run.choices);
}

} // namespace quillon::testing
