// Quillon: opens the practice folder given on the command line, else the last one opened, else the
// working folder.
#include "app/CommandLine.h"
#include "app/QuillonApp.h"
#include "app/Screenshots.h"
#include "controls/Translation.h"

int main(int argc, char** argv)
{
    if (const std::optional<int> status = quillon::AnswerInformationRequest(argc, argv))
        return *status;
    quillon::CQuillonApp app(argc, argv, quillon::CPracticeFolder("."));
    // The menus, dialogs and messages in the user's language when Quillon has it; English otherwise.
    quillon::InstallTranslations(app, QLocale(), QCoreApplication::applicationDirPath());
    const quillon::StartOptions options = quillon::ParseCommandLine(QCoreApplication::arguments());
    app.UseStartFolder(options.folder);
    app.RememberVisits();

    if (!app.InitInstance())
        return 1;
    if (!options.screenshotFile.isEmpty() && options.scene != QLatin1String("start"))
        return quillon::TakeSceneScreenshot(app, options.scene, options.patient, options.screenshotFile);
    if (options.scene != QLatin1String("start"))
        return quillon::ShowScene(app, options.scene, options.patient) ? quillon::CQuillonApp::exec() : 1;
    app.RestoreWindowState();
    if (options.quitWhenReady)
        app.QuitWhenStartDialogShown(options.screenshotFile);
    app.RunStartDialog();
    if (app.QuitRequested())
        return 0;
    const int status = quillon::CQuillonApp::exec();
    app.SaveWindowState();
    return status;
}
