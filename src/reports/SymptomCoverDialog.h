// The "Symptom Covered and Not Covered" dialog: for one remedy of the chart, the symptoms that name it with
// their grades and the symptoms that do not; another remedy can be chosen, and the report printed or saved as
// a PDF file.
#pragma once

#include "controls/PageOutput.h"
#include "reports/SymptomCover.h"

#include <QColor>
#include <QDialog>

#include <map>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillon {

class CQuillonState;
class CRepEngine;
class IMessageSink;
class IUserChoices;

// The colour of a list line by its symptom's level.
QColor CoverLineColour(int level);

class CSymptomCoverDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSymptomCoverDlg)

public:
    // engine: the chart's results (null when no chart is open: "Error in Symptom Covered", no remedy to
    // choose); code: the remedy picked in the chart, shown first.
    CSymptomCoverDlg(const CQuillonState& state, const CRepEngine* engine, int code, IUserChoices& choices,
        IMessageSink& sink, QWidget* parent = nullptr);
    ~CSymptomCoverDlg() override;

    const SymptomCoverReport& Report() const { return m_report; }
    const std::vector<CoverRemedy>& Remedies() const { return m_remedies; }
    QComboBox* RemedyCombo() const { return m_cboRemedy; }
    QListWidget* CoveredList() const { return m_lstCovered; }
    QListWidget* NotCoveredList() const { return m_lstNotCovered; }
    QLabel* FullName() const { return m_pFullName; }
    QPushButton* PrintButton() const { return m_pPrint; }
    QPushButton* SavePdfButton() const { return m_pSavePdf; }
    QPushButton* CloseButton() const { return m_pClose; }

    // Print and Save as PDF.
    void OnPrint();
    void OnSavePdf();

private:
    void CreateControls();
    void ShowRemedy(int item);
    void FillList(QListWidget* list, const std::vector<CoverLine>& lines);
    CoverPrintHeader PrintHeader() const;
    void Output(PageTarget target);

    const CQuillonState& m_state;
    const CRepEngine* m_pEngine;
    IUserChoices& m_choices;
    IMessageSink& m_sink;
    std::vector<CoverRemedy> m_remedies;
    SymptomCoverReport m_report;

    QComboBox* m_cboRemedy = nullptr;
    QLabel* m_pFullName = nullptr;
    QGroupBox* m_pCoveredGroup = nullptr;
    QGroupBox* m_pNotCoveredGroup = nullptr;
    QListWidget* m_lstCovered = nullptr;
    QListWidget* m_lstNotCovered = nullptr;
    QPushButton* m_pPrint = nullptr;
    QPushButton* m_pSavePdf = nullptr;
    QPushButton* m_pClose = nullptr;
};

} // namespace quillon
