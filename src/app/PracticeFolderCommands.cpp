// The practice folder of the run: choosing it at start, switching it from the File menu, and what is
// remembered between runs (recent folders, window geometry, the last visit of each patient).
#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "casedata/PracticeFolderCheck.h"
#include "controls/HelpViewer.h"
#include "controls/UserChoices.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <new>

namespace quillon {
namespace {

std::filesystem::path ToPath(const QString& folder)
{
    return std::filesystem::path(folder.toStdString());
}

QString FolderKey(const CPracticeFolder& folder)
{
    return QString::fromStdString(folder.Root().string());
}

} // namespace

void CQuillonApp::SetPracticeFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    m_state.m_folder = CPracticeFolder(ToPath(path));
    // Save dialogs start in the practice folder too.
    QDir::setCurrent(path);
}

void CQuillonApp::UseStartFolder(const QString& given)
{
    QString folder = given;
    if (folder.isEmpty()) {
        const QString last = Settings().LastFolder();
        folder = !last.isEmpty() && MissingPracticeFiles(ToPath(last)).empty() ? last : QStringLiteral(".");
    }
    SetPracticeFolder(folder);
    m_arrStartFolderMissing = MissingPracticeFiles(m_state.m_folder.Root());
    m_bPracticeFolderOpen = m_arrStartFolderMissing.empty();
    if (m_bPracticeFolderOpen) {
        m_strRefusedStartFolder.clear();
        Settings().AddRecentFolder(FolderKey(m_state.m_folder));
    } else {
        // The refusal names the folder by its full path, whatever spelling it was given in (".", "../x").
        m_strRefusedStartFolder = FolderKey(m_state.m_folder);
    }
}

void CQuillonApp::ShowFolderRefusal(const QString& folder, const std::vector<std::string>& missing)
{
    QString text;
    if (!QFileInfo(folder).isDir()) {
        text = tr("\"%1\" is not a folder.").arg(folder);
    } else {
        QStringList names;
        for (const std::string& name : missing)
            names << QString::fromStdString(name);
        const QString folderName = QDir::toNativeSeparators(folder);
        if (names.size() == 1) {
            text = tr("The folder \"%1\" cannot be opened as a practice folder: %2 is missing.")
                       .arg(folderName, names.front());
        } else {
            const QString list
                = tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.back());
            text = tr("The folder \"%1\" cannot be opened as a practice folder: %2 are missing.").arg(folderName, list);
        }
    }
    Sink().Show(ToData(text), QT_TRANSLATE_NOOP("Message", "Open Practice Folder"), MessageIcon::Warning);
}

bool CQuillonApp::OpenPracticeFolder(const QString& folder)
{
    const std::vector<std::string> missing = MissingPracticeFiles(ToPath(folder));
    if (!missing.empty()) {
        ShowFolderRefusal(folder, missing);
        return false;
    }

    // As Select Patient does: every view goes before the case it reads.
    CloseViewsForCommand();
    if (m_pMainFrame)
        for (QMdiSubWindow* sub : m_pMainFrame->MdiArea()->subWindowList())
            delete sub;
    m_state.ClearCaseStore();
    m_state.m_strPatientFile.clear();
    m_state.m_arrVisitOffsets.clear();
    m_state.m_arrVisitDates.clear();
    m_state.m_szVisitDate.clear();
    m_state.m_strPatientName.clear();
    m_state.m_strPatientAge.clear();
    m_state.m_strListVisitDate.clear();
    m_state.m_strPhysicianName.clear();
    m_state.ForgetRunChoices();
    m_state.m_pRemedyCatalogue.reset();

    SetPracticeFolder(folder);
    m_bPracticeFolderOpen = true;
    try {
        m_state.LoadCatalogue();
    } catch (const std::bad_alloc&) {
        Sink().Show(kMsgInsufficientMemory);
    }
    Settings().AddRecentFolder(FolderKey(m_state.m_folder));
    if (m_pMainFrame) {
        m_pMainFrame->UpdateRecentFolders(Settings().RecentFolders());
        m_pMainFrame->UpdateCommandUI();
    }
    RunSelectPatientDialog();
    return true;
}

void CQuillonApp::OnOpenPracticeFolder()
{
    const auto chosen
        = Choices().ChooseFolder(m_pMainFrame.get(), tr("Open Practice Folder"), FolderKey(m_state.m_folder));
    if (chosen)
        OpenPracticeFolder(*chosen);
}

void CQuillonApp::OnAbout()
{
    CAboutDialog dialog(m_bPracticeFolderOpen ? FolderKey(m_state.m_folder) : QString(), m_pMainFrame.get());
    dialog.exec();
}

void CQuillonApp::OnHelp()
{
    CHelpViewer::ShowManual(applicationDirPath(), m_pMainFrame.get());
}

void CQuillonApp::SaveWindowState()
{
    if (m_pMainFrame)
        Settings().SaveWindowGeometry(*m_pMainFrame);
}

void CQuillonApp::RestoreWindowState()
{
    if (m_pMainFrame)
        Settings().RestoreWindowGeometry(*m_pMainFrame);
}

void CQuillonApp::RestoreLastVisit(QComboBox* visits)
{
    const auto nVisit
        = Settings().LastVisit(FolderKey(m_state.m_folder), m_state.m_strPatientFile, m_state.m_arrVisitDates);
    // Choosing the date loads that visit, as the user's choice does.
    if (nVisit && *nVisit < visits->count())
        visits->setCurrentIndex(*nVisit);
}

void CQuillonApp::RememberVisit(const QComboBox* visits)
{
    const int nVisit = visits->currentIndex();
    if (nVisit >= 0 && nVisit < m_state.VisitCount())
        Settings().SetLastVisit(FolderKey(m_state.m_folder), m_state.m_strPatientFile, nVisit,
            m_state.m_arrVisitDates[static_cast<std::size_t>(nVisit)]);
}

} // namespace quillon
