// Parsing quillon's command line.
#include "app/CommandLine.h"

#include "app/Scenes.h"
#include "resources/ProductInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <string_view>

namespace quillon {

StartOptions ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Case viewer and repertorisation workbench"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
        QStringLiteral("The practice folder to open (default: the last one opened, else the working folder)."),
        QStringLiteral("[FOLDER]"));
    // Options for developers and scripts; a practitioner starts the program without any.
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the screen to <file> and quit."), QStringLiteral("file"));
    const QCommandLineOption show(QStringLiteral("show"),
        QStringLiteral("What the screen shows: start (the default), chart, weightage, analyses, mineral or help. "
                       "Without --screenshot Quillon stays open on it."),
        QStringLiteral("scene"), QStringLiteral("start"));
    const QCommandLineOption patient(QStringLiteral("patient"),
        QStringLiteral("The registration number of the patient whose chart --show opens."), QStringLiteral("regno"));
    const QCommandLineOption quitWhenReady(
        QStringLiteral("quit-when-ready"), QStringLiteral("Quit as soon as the Select Patient dialog is shown."));
    parser.addOption(screenshot);
    parser.addOption(quitWhenReady);
    parser.addOption(show);
    parser.addOption(patient);
    parser.process(arguments);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        qCritical("%s: give at most one practice folder", qPrintable(QCoreApplication::applicationName()));
        parser.showHelp(1);
    }
    if (!IsScreenshotScene(parser.value(show))) {
        qCritical("%s: --show takes start, chart, weightage, analyses, mineral or help",
            qPrintable(QCoreApplication::applicationName()));
        parser.showHelp(1);
    }
    StartOptions options;
    options.folder = positional.value(0);
    options.screenshotFile = parser.value(screenshot);
    options.scene = parser.value(show);
    options.patient = parser.value(patient);
    options.quitWhenReady = parser.isSet(quitWhenReady) || parser.isSet(screenshot);
    return options;
}

void SetApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(QuillonVersion()));
}

std::optional<int> AnswerInformationRequest(int argc, char** argv)
{
    bool asks = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        asks = asks || arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v"
            || arg == "--version";
    }
    if (!asks)
        return std::nullopt;
    // A core application needs no window system; the parser prints and ends the program as it does in the window.
    QCoreApplication core(argc, argv);
    SetApplicationIdentity();
    ParseCommandLine(QCoreApplication::arguments());
    return 0;
}

} // namespace quillon
