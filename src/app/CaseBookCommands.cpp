// The window's case book commands.
#include "app/CaseBookCommands.h"

#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "casebook/AnalysisReplay.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookDialogs.h"
#include "casebook/CaseBookHistory.h"
#include "casebook/CaseBookJson.h"
#include "casebook/CaseBookVisit.h"
#include "casedata/TextCodec.h"
#include "chart/RepView.h"
#include "controls/DisplayText.h"
#include "controls/UserChoices.h"
#include "engine/RepEngine.h"
#include "state/PatientSelection.h"
#include "state/SaveNames.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QStatusBar>

namespace quillon {
namespace {

// Since the visit was opened: what was done before the chart opened, then the chart's own operations.
std::vector<std::string> StepsOf(const CQuillonState& state, const CRepView& view)
{
    std::vector<std::string> steps = StepsBeforeChart(state, view.Session().AtStart());
    for (const ChartCommand& command : view.Operations())
        steps.push_back(FormatChartCommand(command));
    return steps;
}

} // namespace

CCaseBookCommands::CCaseBookCommands(CQuillonApp& app) : m_app(app) {}

CCaseBookCommands::~CCaseBookCommands() = default;

CCaseBook* CCaseBookCommands::Book()
{
    if (!m_pBook)
        m_pBook = CCaseBook::Open(DefaultCaseBookPath(), m_app.Sink());
    return m_pBook.get();
}

CCaseBook* CCaseBookCommands::BookOfPractice()
{
    CCaseBook* book = Book();
    const PracticeIdentity here = CurrentPractice(m_app.State().Patient());
    if (!book || m_checkedPractice == here)
        return book;
    m_checkedPractice = here;
    FindPracticeOfFolder(*book, m_app.State().Folder(), here, [this](const std::vector<std::string>& folders) {
        QStringList items;
        for (const std::string& folder : folders)
            items << QString::fromStdString(folder);
        items << tr("None of them: this folder is another practice");
        const auto chosen = m_app.Choices().ChooseItem(m_app.MainFrame(), tr("Case Book"),
            tr("The case book holds analyses of this physician saved in other folders that hold these patients' "
               "visits. Which folder was this practice's?"),
            items);
        return chosen && *chosen >= 0 && *chosen < static_cast<int>(folders.size())
            ? std::optional<std::size_t>(static_cast<std::size_t>(*chosen))
            : std::nullopt;
    });
    return book;
}

std::int64_t CCaseBookCommands::CurrentAnalysis() const
{
    return m_analysisChart && m_analysisChart == m_app.OpenChart() ? m_nAnalysis : 0;
}

void CCaseBookCommands::Install(CMainFrame& frame)
{
    QMenu* file = frame.FileMenu();
    QAction* exitAction = frame.Action("exit");
    const auto hasPatient = [this] { return !m_app.State().m_strPatientFile.empty(); };
    const auto add = [this, &frame](QMenu* menu, QAction* before, const char* name, const QString& text,
                         void (CCaseBookCommands::*run)(), std::function<bool()> enabledWhen = {}) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        menu->insertAction(before, action);
        frame.Declare(
            action, [this, run] { (this->*run)(); }, std::move(enabledWhen));
        return action;
    };
    add(file, exitAction, "saveAnalysis", tr("Save &Analysis\u2026"), &CCaseBookCommands::SaveAnalysis, [this] {
        return m_app.OpenChart() != nullptr;
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    add(file, exitAction, "openAnalysis", tr("Op&en Analysis\u2026"), &CCaseBookCommands::OpenAnalysis, hasPatient);
    file->insertSeparator(exitAction);
    add(file, exitAction, "exportCaseBook", tr("Export Case &Book\u2026"), &CCaseBookCommands::ExportCaseBook);
    add(file, exitAction, "importCaseBook", tr("I&mport Case Book\u2026"), &CCaseBookCommands::ImportCaseBook);
    file->insertSeparator(exitAction);
    frame.ViewMenu()->addSeparator();
    add(frame.ViewMenu(), nullptr, "caseBook", tr("Case &Book"), &CCaseBookCommands::ShowCaseBook, hasPatient);
    frame.UpdateCommandUI();
}

void CCaseBookCommands::InstallOnChart(CRepView& view)
{
    connect(view.Actions().recordPrescription, &QAction::triggered, this, [this, &view] { RecordPrescription(view); });
    view.Actions().recordPrescription->setEnabled(true);
}

std::int64_t CCaseBookCommands::SaveChart(CRepView& view)
{
    CCaseBook* book = BookOfPractice();
    if (!book)
        return 0;
    const bool current = CurrentAnalysis() != 0;
    std::optional<AnalysisRecord> saved = current ? book->LoadAnalysis(m_nAnalysis) : std::nullopt;
    const QString name
        = saved ? QString::fromStdString(saved->name) : tr("Analysis of %1").arg(FromData(m_app.State().m_szVisitDate));
    CSaveAnalysisDialog dialog(name, saved ? QString::fromStdString(saved->notes) : QString(), m_app.MainFrame());
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    AnalysisRecord analysis;
    analysis.id = saved ? saved->id : 0;
    analysis.visit = CurrentVisit(m_app.State());
    analysis.name = dialog.Name().toStdString();
    analysis.notes = dialog.Notes().toStdString();
    analysis.caption = Cp1252ToUtf8(view.Methods().RecordCaption());
    analysis.topRemedies = TopRemedies(view.Engine());
    analysis.steps = StepsOf(m_app.State(), view);
    const auto id = book->SaveAnalysis(CurrentPatient(m_app.State().Patient()), analysis);
    if (!id)
        return 0;
    m_analysisChart = &view;
    m_nAnalysis = *id;
    m_savedSteps = analysis.steps;
    if (m_app.MainFrame())
        m_app.MainFrame()->statusBar()->showMessage(
            tr("Analysis \"%1\" saved in the case book").arg(dialog.Name()), 5000);
    return *id;
}

void CCaseBookCommands::SaveAnalysis()
{
    if (CRepView* view = m_app.OpenChart())
        SaveChart(*view);
}

void CCaseBookCommands::OpenAnalysis()
{
    if (m_app.State().m_strPatientFile.empty())
        return;
    CCaseBook* book = BookOfPractice();
    if (!book)
        return;
    COpenAnalysisDialog dialog(*book, CurrentPractice(m_app.State().Patient()),
        Cp1252ToUtf8(m_app.State().m_strPatientFile), m_app.Choices(), m_app.MainFrame());
    if (dialog.exec() == QDialog::Accepted && dialog.Chosen())
        RestoreAnalysis(*dialog.Chosen());
}

bool CCaseBookCommands::RestoreAnalysis(std::int64_t id)
{
    CCaseBook* book = Book();
    const auto analysis = book ? book->LoadAnalysis(id) : std::nullopt;
    if (!analysis)
        return false;
    if (m_app.State().VisitCount() == 0 && !m_app.State().LoadVisitIndex())
        return false;
    const VisitMatch match = FindVisit(m_app.State(), analysis->visit);
    if (match.index < 0) {
        m_app.Sink().Show(VisitGoneMessage(analysis->visit.date));
        return false;
    }
    // As Recorded Symptoms then Rep_Table: every view closes, the visit loads afresh and the chart opens on it.
    m_app.CloseViewsForCommand();
    if (!LoadVisitForChart(m_app.State(), match.index))
        return false;
    auto* view = qobject_cast<CRepView*>(m_app.OpenViewTemplate(kViewChart));
    if (!view || !view->HasChart())
        return false;
    if (match.changed)
        m_app.Sink().Show(kMsgVisitChanged);
    // Silent but for what went wrong: the steps' own messages (a symptom dropped on a clipboard) were seen when
    // they were made; a step that no longer applies is said.
    ReplaySteps(
        analysis->steps,
        [this, view](const ChartCommand& command) {
            struct Held
            {
                CQuillonApp& app;
                ~Held() { app.HoldMessages(false); }
            } held{m_app};
            m_app.HoldMessages(true);
            view->Replay(command);
        },
        m_app.Sink());
    m_analysisChart = view;
    m_nAnalysis = id;
    m_savedSteps = analysis->steps;
    return true;
}

void CCaseBookCommands::RecordPrescription(CRepView& view)
{
    const RemedyResult* remedy = view.Engine().SortedRemedy(view.Methods().SelectedRemedyRow());
    if (!remedy)
        return;
    const int code = remedy->code;
    // A prescription is kept with the analysis it came from: the chart is saved first when it is not saved as it
    // stands.
    std::int64_t analysis = CurrentAnalysis();
    if (analysis == 0 || m_savedSteps != StepsOf(m_app.State(), view))
        analysis = SaveChart(view);
    CCaseBook* book = Book();
    if (analysis == 0 || !book)
        return;
    const RemedyEntry* entry = m_app.State().Catalogue() ? m_app.State().Catalogue()->Entry(code) : nullptr;
    const std::string name = entry && !entry->fullName.empty() ? entry->fullName : remedy->name;
    const auto saved = book->LoadAnalysis(analysis);
    CPrescriptionDialog dialog(
        FromData(name), saved ? QString::fromStdString(saved->name) : QString(), m_app.MainFrame());
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrescriptionRecord p = dialog.Answers();
    p.analysisId = analysis;
    p.remedyCode = code;
    p.remedyName = Cp1252ToUtf8(name);
    if (book->RecordPrescription(p) && m_app.MainFrame())
        m_app.MainFrame()->statusBar()->showMessage(
            tr("Prescription of %1 recorded in the case book").arg(FromData(name)), 5000);
}

void CCaseBookCommands::ShowCaseBook()
{
    if (m_app.State().m_strPatientFile.empty())
        return;
    CCaseBook* book = BookOfPractice();
    if (!book)
        return;
    const PatientIdentity patient = CurrentPatient(m_app.State().Patient());
    const QStringList header{tr("Case Book"),
        tr("Patient: %1    Reg No: %2")
            .arg(FromData(m_app.State().m_strPatientName), FromData(m_app.State().m_strPatientFile))};
    const QString suggested = FromData(SuggestedFileName(
        m_app.State().m_strPatientFile, m_app.State().m_strPatientName, {}, ToData(tr("Case Book")), "pdf"));
    CCaseBookDialog dialog(std::make_unique<CHistoryPage>(*book, patient), header, suggested, m_app.Choices(),
        m_app.Sink(), m_app.MainFrame());
    dialog.exec();
}

void CCaseBookCommands::ExportCaseBook()
{
    const bool opening = !m_pBook;
    CCaseBook* book = Book();
    if (!book)
        return;
    if (opening && book->ReadFailures() != 0) {
        // The book found was damaged: the new one in its place is not what the user means to export.
        m_app.Sink().Show(kMsgCaseBookNotWhole);
        return;
    }
    const std::optional<QString> path = ChooseSaveFileWithSuffix(m_app.Choices(), m_app.MainFrame(),
        tr("Export Case Book"), tr("Quillon case book.json"), tr("JSON files (*.json)"), "json");
    if (!path)
        return;
    // Written as the book is read, record by record; the export shows why when it fails.
    if (ExportCaseBookFile(*book, std::filesystem::path(QFile::encodeName(*path).toStdString())) && m_app.MainFrame())
        m_app.MainFrame()->statusBar()->showMessage(
            tr("Case book exported to %1").arg(QDir::toNativeSeparators(*path)), 5000);
}

void CCaseBookCommands::ImportCaseBook()
{
    CCaseBook* book = Book();
    if (!book)
        return;
    const auto chosen
        = m_app.Choices().ChooseOpenFile(m_app.MainFrame(), tr("Import Case Book"), tr("JSON files (*.json)"));
    if (!chosen || chosen->isEmpty())
        return;
    if (const auto summary
        = ImportCaseBookFile(*book, std::filesystem::path(QFile::encodeName(*chosen).toStdString()))) {
        // The imported practices may be the open folder's under another path.
        m_checkedPractice.reset();
        m_app.Sink().Show(ImportSummaryMessage(*summary), {}, MessageIcon::Information);
    }
}

} // namespace quillon
