// Pictures of the window for the manual.
#include "app/Screenshots.h"

#include "app/CaseBookCommands.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "app/Scenes.h"
#include "casedata/PatientIndex.h"
#include "chart/RepView.h"
#include "controls/PictureButton.h"
#include "state/PatientSelection.h"

#include <QAction>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace quillon {

namespace {

constexpr int kSettleMs = 400;

void Settle()
{
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

bool SavePicture(const QString& file)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->grabWindow(0).save(file, "PNG"))
        return true;
    qWarning("Cannot save the screenshot to %s", qPrintable(file));
    return false;
}

CRepView* OpenChart(CQuillonApp& app, const QString& regNo)
{
    const auto index = LoadPatientIndex(app.State().Folder(), app.Sink());
    if (!index)
        return nullptr;
    for (const PatientRow& row : index->rows) {
        if (!regNo.isEmpty() && QString::fromLatin1(row.regNo).compare(regNo, Qt::CaseInsensitive) != 0)
            continue;
        SetCurrentPatient(app.State(), row, index->physician);
        if (app.State().LoadVisitIndex() && LoadVisitForChart(app.State(), 0)) {
            app.OpenViewTemplate(kViewChart);
            return qobject_cast<CRepView*>(app.OpenView(kViewChart));
        }
    }
    qWarning("No patient %s with a chart in the practice folder", qPrintable(regNo));
    return nullptr;
}

void PressKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

// Opens the scene's dialog over the chart, as its button or its menu command does; the dialog runs modally.
void OpenSceneDialog(CQuillonApp& app, CRepView* chart, const QString& scene)
{
    if (scene == QLatin1String("weightage")) {
        chart->Button(FormPart::Weightage)->click();
    } else if (scene == QLatin1String("analyses")) {
        if (QAction* open = app.MainFrame()->Action("openAnalysis"))
            open->trigger();
    } else {
        chart->Button(FormPart::MineralFilter)->click();
    }
}

} // namespace

bool ShowScene(CQuillonApp& app, const QString& scene, const QString& regNo)
{
    if (scene == QLatin1String("help")) {
        app.OnHelp();
        return true;
    }
    CRepView* chart = OpenChart(app, regNo);
    if (!chart)
        return false;
    if (IsDialogScene(scene))
        QTimer::singleShot(0, chart, [&app, chart, scene] { OpenSceneDialog(app, chart, scene); });
    return true;
}

int TakeSceneScreenshot(CQuillonApp& app, const QString& scene, const QString& regNo, const QString& file)
{
    if (scene == QLatin1String("help")) {
        app.OnHelp();
        Settle();
        return SavePicture(file) ? 0 : 1;
    }
    CRepView* chart = OpenChart(app, regNo);
    if (!chart)
        return 1;
    if (scene == QLatin1String("chart")) {
        // The cell cursor on the second remedy of the first symptom, as the arrow keys leave it.
        Settle();
        chart->window()->activateWindow();
        chart->setFocus(Qt::OtherFocusReason);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
            PressKey(chart, key);
        Settle();
        return SavePicture(file) ? 0 : 1;
    }
    // The dialog runs modally: the picture is taken inside its loop, which is then left.
    bool saved = false;
    QTimer::singleShot(kSettleMs, chart, [&saved, &file] {
        saved = SavePicture(file);
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    OpenSceneDialog(app, chart, scene);
    return saved ? 0 : 1;
}

} // namespace quillon
