// The chart's follow-up dialogs: the comparison of the chart's visit with another visit of the patient, and
// the stability of the first remedies when any one symptom is left out.
#pragma once

#include "controls/PageOutput.h"
#include "followup/FollowUpAnalysis.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace quillon {

class CQuillonState;
class IUserChoices;

// A table dialog with Copy (Ctrl+C as tab-separated text), Print and Save as PDF.
class CFollowUpTableDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFollowUpTableDialog)

public:
    QTableWidget* Table() const { return m_pTable; }
    QSpinBox* TopBox() const { return m_pTop; }
    // The heading lines and the table as tab-separated text, one line per row (LF).
    QString TableText() const;
    void CopyTable() const;
    void Print();
    void SaveAsPdf();

protected:
    CFollowUpTableDialog(const CQuillonState& state, IUserChoices& choices, const QString& title, QWidget* parent);
    // Ctrl+C on the table copies the whole table rather than the current cell.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Fills the heading and the table again (the first K changed, or the other visit).
    virtual void Fill() = 0;
    void SetHeading(const QString& text);
    // A cell that cannot be edited; a number stands right-aligned.
    static QTableWidgetItem* Cell(const QString& text, bool number);
    // The visit or visits the table is of: their dates as the data files hold them, and as the printed pages
    // name them.
    virtual std::string VisitDates() const = 0;
    virtual QString VisitLabel() const = 0;

    const CQuillonState& m_state;
    IUserChoices& m_choices;
    QLabel* m_pHeading = nullptr;
    QSpinBox* m_pTop = nullptr;
    QTableWidget* m_pTable = nullptr;
    QLayout* m_pControls = nullptr;

private:
    QString PageHtml() const;
    // The lines above the table on every printed page: the title, then the patient and the visits.
    QStringList PageHeader() const;
    void Output(PageTarget target);
};

class CCompareVisitsDialog final : public CFollowUpTableDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCompareVisitsDialog)

public:
    // Compares visit chartVisit of the current patient with another (at first the latest visit before it, or else
    // the earliest after it); the earlier of the two by date is always the first side.
    CCompareVisitsDialog(const CQuillonState& state, IUserChoices& choices, int chartVisit, QWidget* parent = nullptr);

    void SetOtherVisit(int visit);
    const std::optional<VisitComparison>& Comparison() const { return m_comparison; }

private:
    void Fill() override;
    std::string VisitDates() const override;
    QString VisitLabel() const override;

    QComboBox* m_pVisit = nullptr;
    std::optional<VisitSide> m_chartSide;
    std::optional<VisitSide> m_otherSide;
    int m_nOtherVisit = -1;
    std::optional<VisitComparison> m_comparison;
};

class CStabilityDialog final : public CFollowUpTableDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CStabilityDialog)

public:
    // The stability of the Normal repertorisation of the recorded symptoms still in the case store; the remedy of
    // code selectCode is selected when it is among the rows.
    CStabilityDialog(const CQuillonState& state, IUserChoices& choices, int selectCode = -1, QWidget* parent = nullptr);

    const std::vector<StabilityRow>& Rows() const { return m_rows; }

private:
    void Fill() override;
    std::string VisitDates() const override;
    QString VisitLabel() const override;

    int m_nSelectCode;
    std::vector<const CSymptomRecord*> m_symptoms;
    std::optional<std::vector<RankedRemedy>> m_ranking;
    std::vector<StabilityRow> m_rows;
};

} // namespace quillon
