// The Recorded Symptoms dialog: a visit's recorded symptoms with the remedies of the selected one; in its
// symptom-list mode it deletes and restores symptoms before repertorising.
#pragma once

#include "symptoms/RecordedSymptoms.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace quillon {

class CPictureButton;
class CQuillonState;
class IUserChoices;

class CRecordedSymptomsDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CRecordedSymptomsDialog)

public:
    // nMode: kModeRecordedSymptoms or kModeSymptomList.
    CRecordedSymptomsDialog(CQuillonState& state, IUserChoices& choices, int nMode, QWidget* parent = nullptr);

    // Returns Rejected at once when opening found nothing to show.
    int exec() override;

    // True once Rep_Table closed the dialog: the caller opens the chart.
    bool OpenChartRequested() const { return m_bOpenChart; }

    const CRecordedSymptoms& Model() const { return m_model; }
    QLineEdit* PhysicianEdit() const { return m_pPhysician; }
    QLineEdit* PatientEdit() const { return m_pPatient; }
    QLabel* VisitLabel() const { return m_pVisitLabel; }
    QComboBox* VisitList() const { return m_pVisits; }
    QListWidget* SymptomList() const { return m_pSymptoms; }
    QLabel* DrugCaption() const { return m_pDrugCaption; }
    QListWidget* DrugList() const { return m_pDrugs; }
    CPictureButton* DeleteButton() const { return m_pDelete; }
    CPictureButton* UnDeleteButton() const { return m_pUnDelete; }
    CPictureButton* RepTableButton() const { return m_pRepTable; }
    CPictureButton* SaveAsButton() const { return m_pSaveAs; }
    CPictureButton* OkButton() const { return m_pOk; }

private:
    void BuildControls();
    void OnVisitChosen(int index);
    void OnSymptomSelectionChanged();
    void OnRepTable();
    void OnSaveAs();
    void OnDelete();
    void OnUnDelete();
    void ShowSymptoms();
    void ShowDrugList();
    int SelectedSymptomLine() const;

    CQuillonState& m_state;
    IUserChoices& m_choices;
    CRecordedSymptoms m_model;
    bool m_bOpened = false;
    bool m_bOpenChart = false;

    QLineEdit* m_pPhysician = nullptr;
    QLineEdit* m_pPatient = nullptr;
    QLabel* m_pVisitLabel = nullptr;
    QComboBox* m_pVisits = nullptr;
    QGroupBox* m_pGroup = nullptr;
    QListWidget* m_pSymptoms = nullptr;
    QLabel* m_pDrugCaption = nullptr;
    QListWidget* m_pDrugs = nullptr;
    CPictureButton* m_pDelete = nullptr;
    CPictureButton* m_pUnDelete = nullptr;
    CPictureButton* m_pRepTable = nullptr;
    CPictureButton* m_pSaveAs = nullptr;
    CPictureButton* m_pOk = nullptr;
};

} // namespace quillon
