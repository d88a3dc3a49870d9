// The window's case book: File > Save Analysis, Open Analysis, Export and Import Case Book, View > Case Book and
// the chart popup's Record Prescription. The book is opened at its first use; without one the window goes on.
#pragma once

#include "casebook/CaseBookTypes.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

class CCaseBook;
class CMainFrame;
class CQuillonApp;
class CRepView;

class CCaseBookCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCaseBookCommands)

public:
    explicit CCaseBookCommands(CQuillonApp& app);
    ~CCaseBookCommands() override;

    // Offers the commands in the frame's menus; they stay this object's, by the names "saveAnalysis",
    // "openAnalysis", "exportCaseBook", "importCaseBook" and "caseBook".
    void Install(CMainFrame& frame);
    // Adds Record Prescription to a new chart's popup.
    void InstallOnChart(CRepView& view);

    void SaveAnalysis();
    void OpenAnalysis();
    // Opens a saved analysis on its visit and replays it; false when it could not be opened.
    bool RestoreAnalysis(std::int64_t id);
    void RecordPrescription(CRepView& view);
    void ShowCaseBook();
    void ExportCaseBook();
    void ImportCaseBook();

    // The case book, opened now when it is not yet (null: none can be used; the reason was shown).
    CCaseBook* Book();
    // The case book, with the practice of the open folder found in it when it was saved under another path
    // (asked once when several could be it).
    CCaseBook* BookOfPractice();
    // The saved analysis the open chart shows (0: none).
    std::int64_t CurrentAnalysis() const;

private:
    // Saves the chart's analysis through the Save Analysis dialog; its id, or 0 when cancelled or failed.
    std::int64_t SaveChart(CRepView& view);

    CQuillonApp& m_app;
    std::unique_ptr<CCaseBook> m_pBook;
    // The practice (folder and physician) looked for in the book already, so that a folder is searched once a run.
    std::optional<PracticeIdentity> m_checkedPractice;
    // The chart that shows a saved analysis, the analysis and the steps saved.
    QPointer<CRepView> m_analysisChart;
    std::int64_t m_nAnalysis = 0;
    std::vector<std::string> m_savedSteps;
};

} // namespace quillon
