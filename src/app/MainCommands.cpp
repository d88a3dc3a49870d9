// The main frame's commands: the menus of the program with what each command runs and when it is enabled, and
// the commands that the chart's exports and the case book add to them.
#include "app/AppSettings.h"
#include "app/CaseBookCommands.h"
#include "app/ChartCommands.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "chart/RepView.h"
#include "controls/ViewRegistry.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace quillon {

void CMainFrame::DeclareCommands()
{
    const auto hasPatient = [this] { return !m_app.State().m_strPatientFile.empty(); };
    m_pFileMenu = menuBar()->addMenu(tr("&File"));
    AddCommand(m_pFileMenu, "openFolder", tr("&Open Practice Folder\u2026"), [this] {
        m_app.OnOpenPracticeFolder();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_pRecentMenu = m_pFileMenu->addMenu(tr("Recen&t Folders"));
    m_pFileMenu->addSeparator();
    QAction* select
        = AddCommand(m_pFileMenu, "selectPatient", tr("Select &Patient"), [this] { m_app.OnSelectPatient(); });
    select->setShortcut(Qt::Key_F2);
    select->setStatusTip(tr("Select Patient"));
    QAction* recorded = AddCommand(
        m_pFileMenu, "recordedSymptoms", tr("Recorded &Symptoms"), [this] { m_app.OnRecordedSymptoms(); }, hasPatient);
    recorded->setShortcut(Qt::Key_F6);
    recorded->setStatusTip(tr("Recorded Symptoms for All dates"));
    AddCommand(
        m_pFileMenu, "repertorisation", tr("&Repertorisation"), [this] { m_app.OnRepertorisation(); },
        [this] { return !m_app.State().m_mapSymptoms.empty(); })
        ->setShortcut(Qt::Key_F5);
    AddViewCommand(m_pFileMenu, "symptomList", tr("Symptom &List"));
    m_pFileMenu->addSeparator();
    AddCommand(
        m_pFileMenu, "fullCaseRecord", tr("Full Case Record"), [this] { m_app.OnFullCaseRecord(); }, hasPatient)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    AddCommand(
        m_pFileMenu, "followup", tr("Followup"), [this] { m_app.OnFollowup(); }, hasPatient)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, "exit", tr("E&xit"), [this] { close(); });

    m_pViewMenu = menuBar()->addMenu(tr("&View"));
    AddViewCommand(m_pViewMenu, "magnify", tr("&Magnify"))->setCheckable(true);
    QAction* fit = AddCommand(m_pViewMenu, "fitChart", tr("Fit Chart to &Window"), [] {});
    fit->setCheckable(true);
    fit->setChecked(m_app.Settings().FitChartToWindow());
    // Remembered for the charts to come, and the open chart laid out again at once.
    connect(fit, &QAction::toggled, this, [this](bool on) {
        m_app.Settings().SetFitChartToWindow(on);
        if (auto* chart = qobject_cast<CRepView*>(m_app.OpenView(kViewChart)))
            chart->SetFitToWindow(on);
    });
    m_pViewMenu->addSeparator();
    AddViewCommand(m_pViewMenu, "compareVisits", tr("&Compare with Visit\u2026"));
    AddViewCommand(m_pViewMenu, "stability", tr("S&tability"));
    AddViewCommand(m_pViewMenu, "strategies", tr("Strate&gies\u2026"));
    AddViewCommand(m_pViewMenu, "families", tr("&Families\u2026"));
    m_pHelpMenu = menuBar()->addMenu(tr("&Help"));
    AddCommand(m_pHelpMenu, "help", tr("Quillon &Help"), [this] { m_app.OnHelp(); })->setShortcut(Qt::Key_F1);
    m_pHelpMenu->addSeparator();
    AddCommand(m_pHelpMenu, "about", tr("&About Quillon"), [this] { m_app.OnAbout(); });

    InstallChartExportCommands(m_app, *this);
    m_pCaseBook = new CCaseBookCommands(m_app);
    m_pCaseBook->setParent(this);
    m_pCaseBook->Install(*this);
    UpdateRecentFolders(m_app.Settings().RecentFolders());
    UpdateCommandUI();
}

void CMainFrame::UpdateRecentFolders(const QStringList& folders)
{
    m_pRecentMenu->clear();
    for (qsizetype i = 0; i < folders.size(); ++i) {
        QString label = QDir::toNativeSeparators(folders[i]);
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_pRecentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(label));
        const QString folder = folders[i];
        connect(action, &QAction::triggered, this, [this, folder] { m_app.OpenPracticeFolder(folder); });
    }
    m_pRecentMenu->setEnabled(!folders.isEmpty());
}

} // namespace quillon
