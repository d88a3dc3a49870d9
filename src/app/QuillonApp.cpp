// The application object: start-up, exit, the open views and the top-level commands.
#include "app/QuillonApp.h"

#include "app/AppSettings.h"
#include "app/BoxMessageSink.h"
#include "app/CommandLine.h"
#include "app/MainFrame.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "chart/ChartCommand.h"
#include "chart/RepView.h"
#include "controls/UserChoices.h"
#include "resources/AppIcon.h"
#include "state/PatientSelection.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/SelectPatientDialog.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <exception>
#include <new>

namespace quillon {
namespace {

IMessageSink& BoxSink()
{
    static CBoxMessageSink sink;
    return sink;
}

// A command that failed while an event was handled: the program goes on without it.
void ShowCommandFailure(IMessageSink& sink, std::string_view why)
{
    sink.Show(FormatText(translate("Message", "The command was not carried out: %1"), {why}), {}, MessageIcon::Error);
}

} // namespace

CQuillonApp::CQuillonApp(int& argc, char** argv, CPracticeFolder folder, IMessageSink* sink, IUserChoices* choices)
    : QApplication(argc, argv), m_translatedSink(sink ? *sink : BoxSink()), m_state(std::move(folder), m_translatedSink)
{
    SetApplicationIdentity();
    setDesktopFileName(QStringLiteral("org.quillon.Quillon"));
    // Every window without an icon of its own shows this one: the main window, the charts and pages, dialogs.
    setWindowIcon(QuillonIcon());
    m_pSettings = std::make_unique<CAppSettings>();
    // Liberation Sans stands in for the Windows dialog font, and dialogs share the background colour.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    setFont(font);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, m_crBackground);
    palette.setColor(QPalette::Button, m_crBackground);
    setPalette(palette);
    if (!choices) {
        m_ownedChoices = std::make_unique<CDialogUserChoices>();
        choices = m_ownedChoices.get();
    }
    m_pChoices = choices;
}

CQuillonApp::~CQuillonApp()
{
    ExitInstance();
}

CQuillonApp* CQuillonApp::Instance()
{
    return qobject_cast<CQuillonApp*>(QCoreApplication::instance());
}

bool CQuillonApp::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        Sink().Show(kMsgInsufficientMemory);
    } catch (const UsageError& e) {
        ShowCommandFailure(Sink(), e.text);
    } catch (const std::exception& e) {
        ShowCommandFailure(Sink(), e.what());
    }
    return false;
}

bool CQuillonApp::InitInstance()
{
    m_templates = CreateDocTemplates();
    try {
        if (m_strRefusedStartFolder.isEmpty())
            m_state.LoadCatalogue();
    } catch (const std::bad_alloc&) {
        Sink().Show(kMsgInsufficientMemory);
    }
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    // Without a window manager a maximised window keeps its size: give it the whole screen first.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_pMainFrame->setGeometry(screen->availableGeometry());
    m_pMainFrame->showMaximized();
    return true;
}

CCaseBookCommands* CQuillonApp::CaseBook() const
{
    return m_pMainFrame ? m_pMainFrame->CaseBook() : nullptr;
}

void CQuillonApp::RunStartDialog()
{
    if (!m_strRefusedStartFolder.isEmpty()) {
        // The empty frame stays, with Open Practice Folder to choose another folder.
        ShowFolderRefusal(m_strRefusedStartFolder, m_arrStartFolderMissing);
        m_strRefusedStartFolder.clear();
        if (m_bQuitWhenShown)
            m_bQuitRequested = true;
        return;
    }
    RunSelectPatientDialog();
    if (m_pMainFrame)
        m_pMainFrame->repaint();
}

void CQuillonApp::QuitWhenStartDialogShown(const QString& screenshotFile)
{
    m_bQuitWhenShown = true;
    m_strScreenshotFile = screenshotFile;
}

bool CQuillonApp::RunSelectPatientDialog(const std::function<void()>& beforeLoading)
{
    CSelectPatientDialog dialog(m_state, m_pMainFrame.get());
    dialog.SetBeforeLoading(beforeLoading);
    if (m_bQuitWhenShown) {
        m_bQuitWhenShown = false;
        // Runs inside the dialog's own event loop, once it is on the screen.
        QTimer::singleShot(m_strScreenshotFile.isEmpty() ? 0 : 300, &dialog, [this, &dialog] {
            if (!m_strScreenshotFile.isEmpty()) {
                const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0);
                if (!picture.save(m_strScreenshotFile, "PNG"))
                    qWarning("Cannot save the screenshot to %s", qPrintable(m_strScreenshotFile));
            }
            m_bQuitRequested = true;
            dialog.done(QDialog::Rejected);
        });
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted) {
        switch (dialog.Choice()) {
        case PatientChoice::RecordedSymptoms: RunRecordedSymptomsDialog(0); break;
        case PatientChoice::OpenChart: OpenViewTemplate(2); break;
        case PatientChoice::StayOpen:
        case PatientChoice::NothingToOpen:
        case PatientChoice::NoSuchVisit: break;
        }
    }
    if (m_pMainFrame)
        m_pMainFrame->UpdateCommandUI();
    return accepted;
}

void CQuillonApp::ExitInstance()
{
    if (!m_pMainFrame && !m_state.m_pRemedyCatalogue && m_mapOpenViews.empty())
        return;
    m_state.m_pRemedyCatalogue.reset();
    CloseAllViews();
    m_state.ClearCaseStore();
    m_pMainFrame.reset();
}

QWidget* CQuillonApp::OpenViewTemplate(int n)
{
    m_pCurrentTemplate = nullptr;
    for (const CDocTemplate& docTemplate : m_templates)
        if (docTemplate.number == n)
            m_pCurrentTemplate = &docTemplate;
    if (!m_pCurrentTemplate || n < 2 || n > 4 || !m_pMainFrame)
        return nullptr;

    QWidget* view = m_pCurrentTemplate->createView(*this);
    if (!view)
        return nullptr;
    auto* frame = new CChildFrame();
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->SetView(view);
    if (view->windowTitle().isEmpty())
        view->setWindowTitle(tr("Untitled"));
    frame->setWindowTitle(view->windowTitle());
    connect(view, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
    QMdiArea* area = m_pMainFrame->MdiArea();
    area->addSubWindow(frame);
    // Restored from maximised, the frame has the view's own size, as far as the area has room for it.
    frame->resize(area->isVisible() ? frame->sizeHint().boundedTo(area->viewport()->size()) : frame->sizeHint());
    frame->showMaximized();
    m_pMainFrame->UpdateCommandUI();
    return view;
}

void CQuillonApp::RegisterView(int key, QWidget* view)
{
    m_mapOpenViews[key] = view;
}

void CQuillonApp::UnregisterView(int key, QWidget* view)
{
    const auto it = m_mapOpenViews.find(key);
    if (it != m_mapOpenViews.end() && (it->second == view || it->second.isNull()))
        m_mapOpenViews.erase(it);
}

QWidget* CQuillonApp::OpenView(int key) const
{
    const auto it = m_mapOpenViews.find(key);
    return it == m_mapOpenViews.end() ? nullptr : it->second.data();
}

CRepView* CQuillonApp::OpenChart() const
{
    auto* view = qobject_cast<CRepView*>(OpenView(kViewChart));
    return view && view->HasChart() ? view : nullptr;
}

void CQuillonApp::CloseAllViews()
{
    // Views remove themselves from the map when they are destroyed, so walk a copy.
    const auto views = m_mapOpenViews;
    for (const auto& [key, view] : views) {
        if (view.isNull())
            continue;
        QWidget* frame = view->parentWidget();
        while (frame && !qobject_cast<QMdiSubWindow*>(frame))
            frame = frame->parentWidget();
        if (frame) {
            frame->close();
            delete frame;
        } else {
            delete view.data();
        }
    }
    m_mapOpenViews.clear();
    if (m_pMainFrame)
        m_pMainFrame->UpdateCommandUI();
}

void CQuillonApp::CloseViewsForCommand()
{
    m_bClosingAllViews = true;
    CloseAllViews();
    m_bClosingAllViews = false;
}

void CQuillonApp::OnSelectPatient()
{
    // The views close once a patient is chosen, so that Cancel leaves the chart and its steps open; the patient
    // that choosing rows made current on the way gives way to the one that was.
    CurrentPatientState before = CurrentPatientOf(m_state);
    if (!RunSelectPatientDialog([this] { CloseViewsForCommand(); })) {
        RestoreCurrentPatient(m_state, std::move(before));
        if (m_pMainFrame)
            m_pMainFrame->UpdateCommandUI();
    }
}

void CQuillonApp::OnRecordedSymptoms()
{
    if (m_state.m_strPatientFile.empty())
        return;
    CloseViewsForCommand();
    RunRecordedSymptomsDialog(0);
    if (m_pMainFrame)
        m_pMainFrame->UpdateCommandUI();
}

void CQuillonApp::RunRecordedSymptomsDialog(int nMode)
{
    bool openChart = false;
    {
        CRecordedSymptomsDialog dialog(m_state, Choices(), nMode, m_pMainFrame.get());
        const bool remember = m_bRememberVisits && nMode == kModeRecordedSymptoms;
        if (remember)
            RestoreLastVisit(dialog.VisitList());
        openChart = dialog.exec() == QDialog::Accepted && dialog.OpenChartRequested();
        if (remember)
            RememberVisit(dialog.VisitList());
    }
    // Rep_Table closes the dialog first, then the chart opens over the frame.
    if (openChart)
        OpenViewTemplate(2);
    if (m_pMainFrame)
        m_pMainFrame->UpdateCommandUI();
}

void CQuillonApp::OnRepertorisation()
{
    if (m_state.m_mapSymptoms.empty()) {
        Sink().Show(QT_TRANSLATE_NOOP("Message", "No Symptom recorded"));
        return;
    }
    CloseAllViews();
    OpenViewTemplate(2);
}

void CQuillonApp::OnFullCaseRecord()
{
    if (m_state.m_strPatientFile.empty())
        return;
    m_bCaseRecordMode = true;
    CloseViewsForCommand();
    OpenViewTemplate(4);
}

void CQuillonApp::OnFollowup()
{
    if (m_state.m_strPatientFile.empty())
        return;
    m_bCaseRecordMode = false;
    CloseViewsForCommand();
    OpenViewTemplate(4);
}

} // namespace quillon
