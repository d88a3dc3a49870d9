// Quillon: opens the practice folder that is the working directory.
#include "app/QuillonApp.h"

#include <QCommandLineParser>

int main(int argc, char** argv)
{
    quillon::CQuillonApp app(argc, argv, quillon::CPracticeFolder("."));

    // Options for developers and scripts; a practitioner starts the program without any.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Case viewer and repertorisation workbench"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the start screen to <file> and quit."), QStringLiteral("file"));
    const QCommandLineOption quitWhenReady(
        QStringLiteral("quit-when-ready"), QStringLiteral("Quit as soon as the Select Patient dialog is shown."));
    parser.addOption(screenshot);
    parser.addOption(quitWhenReady);
    parser.process(app);

    if (!app.InitInstance())
        return 1;
    if (parser.isSet(screenshot))
        app.QuitWhenStartDialogShown(parser.value(screenshot));
    else if (parser.isSet(quitWhenReady))
        app.QuitWhenStartDialogShown(QString());
    app.RunStartDialog();
    if (app.QuitRequested())
        return 0;
    return quillon::CQuillonApp::exec();
}
