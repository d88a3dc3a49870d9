// The application a widget test runs in, opened on a scratch practice folder the test writes: the folder, the
// message sink and the scripted answers to the dialogs, shared by the test's slots.
#pragma once

#include "support/AppTest.h"
#include "support/TempFolder.h"

#include <functional>

namespace quillon::testing {

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
