// The application object: owns the shared state of the run and the windows, templates and top-level commands.
#pragma once

#include "controls/DisplayText.h"
#include "controls/FormLook.h"
#include "controls/Translation.h"
#include "controls/ViewRegistry.h"
#include "state/QuillonState.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QComboBox;
class QWidget;

namespace quillon {

class CAppSettings;
class CCaseBookCommands;

class CMainFrame;
class CRepView;
class IUserChoices;

// A document template: the number it is opened by and the view it creates in a new child frame.
struct CDocTemplate
{
    int number = 0;
    std::function<QWidget*(class CQuillonApp&)> createView;
};

// The four templates in their order: default view, chart, materia medica, case record.
std::vector<CDocTemplate> CreateDocTemplates();

class CQuillonApp final : public QApplication, public IViewRegistry
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CQuillonApp)

public:
    // sink and choices may be null: message boxes and the real file and printer dialogs are then used.
    CQuillonApp(
        int& argc, char** argv, CPracticeFolder folder, IMessageSink* sink = nullptr, IUserChoices* choices = nullptr);
    ~CQuillonApp() override;

    static CQuillonApp* Instance();

    // The state the windows share: the case store, the patient, the catalogue and the choices of the run.
    CQuillonState& State() { return m_state; }
    const CQuillonState& State() const { return m_state; }
    IMessageSink& Sink() const { return m_state.Sink(); }

    // Delivers every event; an exception while one is handled ends that event, not the program: a failed
    // allocation with the "Insufficient memory" message, any other with a message that names what went wrong.
    bool notify(QObject* receiver, QEvent* event) override;

    // Start-up up to the shown main frame (everything but the Select Patient dialog).
    bool InitInstance();
    // Runs the Select Patient dialog modally over the main frame, as start-up does last.
    void RunStartDialog();
    // Runs the Select Patient dialog and opens what the choice calls for; `beforeLoading` runs once a patient is
    // chosen, before its visit loads. False when the dialog was cancelled.
    bool RunSelectPatientDialog(const std::function<void()>& beforeLoading = {});
    void ExitInstance();

    // For scripts: once the start dialog is shown, save a picture of the screen (when a file is given)
    // and end the run instead of waiting for the user.
    void QuitWhenStartDialogShown(const QString& screenshotFile);
    bool QuitRequested() const { return m_bQuitRequested; }

    QWidget* OpenViewTemplate(int n);
    void CloseAllViews();
    // Closes every view for a command that opens another: the materia medica view does not return to the
    // conversion dialog meanwhile.
    void CloseViewsForCommand();
    bool ClosingAllViews() const { return m_bClosingAllViews; }
    void RegisterView(int key, QWidget* view) override;
    void UnregisterView(int key, QWidget* view) override;
    QWidget* OpenView(int key) const;
    // The open chart when it shows one, else null.
    CRepView* OpenChart() const;
    // Whether the case-record view shows the full case record (Full Case Record) or the follow-up (Followup).
    bool CaseRecordMode() const { return m_bCaseRecordMode; }
    // The request of the conversion dialog's last OK, which the materia medica view shows.
    const CMateriaMedicaRequest& MateriaMedicaRequest() const { return m_mmRequest; }
    void SetMateriaMedicaRequest(CMateriaMedicaRequest request) { m_mmRequest = std::move(request); }

    void OnSelectPatient();
    void OnRecordedSymptoms();
    void OnRepertorisation();
    void OnFullCaseRecord();
    void OnFollowup();

    // Runs the Recorded Symptoms dialog in the given mode (0 recorded symptoms, 1 symptom list).
    void RunRecordedSymptomsDialog(int nMode);

    // The practice folder (PracticeFolderCommands.cpp). Before InitInstance: the folder given on the command
    // line, else the last one opened, else the working folder; a folder that cannot be used is refused
    // once the main frame is shown.
    void UseStartFolder(const QString& given);
    // Closes the views, empties the case store and makes `folder` the working folder, reloads the
    // catalogue and runs Select Patient; a folder lacking a required file is refused and nothing changes.
    bool OpenPracticeFolder(const QString& folder);
    void OnOpenPracticeFolder();
    void OnAbout();
    // Help > Quillon Help (F1): the manual in the help viewer.
    void OnHelp();
    // The program remembers the last visit chosen per patient from here on (tests of other behaviour leave
    // it off, so the Recorded Symptoms dialog opens at the first visit as it always did).
    void RememberVisits() { m_bRememberVisits = true; }
    void SaveWindowState();
    void RestoreWindowState();
    CAppSettings& Settings() const { return *m_pSettings; }
    // Holds back the messages of the state while set: a saved analysis replays its steps without the messages
    // they gave when they were made.
    void HoldMessages(bool held) { m_translatedSink.SetHeld(held); }

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    // The case book's commands (null before InitInstance).
    CCaseBookCommands* CaseBook() const;
    IUserChoices& Choices() const { return *m_pChoices; }
    const CDocTemplate* CurrentTemplate() const { return m_pCurrentTemplate; }

private:
    void SetPracticeFolder(const QString& folder);
    void ShowFolderRefusal(const QString& folder, const std::vector<std::string>& missing);
    void RestoreLastVisit(QComboBox* visits);
    void RememberVisit(const QComboBox* visits);

    // The sink the state reports to: the given one behind the translation of every message text.
    CTranslatingMessageSink m_translatedSink;
    CQuillonState m_state;
    std::map<int, QPointer<QWidget>> m_mapOpenViews;
    bool m_bClosingAllViews = false;
    bool m_bCaseRecordMode = false;
    CMateriaMedicaRequest m_mmRequest;

    std::unique_ptr<CAppSettings> m_pSettings;
    QString m_strRefusedStartFolder;
    // False while the folder of the run was refused and no other has been opened.
    bool m_bPracticeFolderOpen = true;
    bool m_bRememberVisits = false;
    std::vector<std::string> m_arrStartFolderMissing;

    std::unique_ptr<IUserChoices> m_ownedChoices;
    IUserChoices* m_pChoices = nullptr;
    std::vector<CDocTemplate> m_templates;
    const CDocTemplate* m_pCurrentTemplate = nullptr;
    bool m_bQuitWhenShown = false;
    bool m_bQuitRequested = false;
    QString m_strScreenshotFile;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    const QColor m_crBackground{kWindowBackground};
};

} // namespace quillon
