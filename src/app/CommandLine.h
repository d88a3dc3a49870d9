// The command line of quillon: an optional practice folder, --version, --help and two options for scripts.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillon {

struct StartOptions
{
    QString folder; // empty: the last folder opened, else the working folder
    QString screenshotFile;
    QString scene = QStringLiteral("start"); // what the screenshot shows
    QString patient; // the patient of a chart screenshot (empty: the first with a chart)
    bool quitWhenReady = false;
};

// Parses the arguments (the program name first). --help and --version print and end the program, and so does
// a usage error, with status 1, as the standard parser does.
StartOptions ParseCommandLine(const QStringList& arguments);

// The program's name and version as the application object carries them.
void SetApplicationIdentity();

// When the command line asks for the help text or the version, prints it and returns the exit status, without
// touching the window system (so that it works without a display); otherwise returns nothing.
std::optional<int> AnswerInformationRequest(int argc, char** argv);

} // namespace quillon
