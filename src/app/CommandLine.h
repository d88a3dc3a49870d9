// The command line of quillon: an optional practice folder, --version, --help and two options for scripts.
#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

struct StartOptions
{
    QString folder; // empty: the last folder opened, else the working folder
    QString screenshotFile;
    bool quitWhenReady = false;
};

// Parses the arguments (the program name first). --help and --version print and end the program, and so does
// a usage error, with status 1, as the standard parser does.
StartOptions ParseCommandLine(const QStringList& arguments);

} // namespace quillon
