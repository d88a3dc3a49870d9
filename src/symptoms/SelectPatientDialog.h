// The Select Patient dialog: the patient list of "PatDet.txt" under the physician's name.
#pragma once

#include "casedata/PatientIndex.h"
#include "state/PatientSelection.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QTableView;

namespace quillon {

class CQuillonState;
class CPatientListModel;
class CPatientFilter;

class CSelectPatientDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSelectPatientDialog)

public:
    explicit CSelectPatientDialog(CQuillonState& state, QWidget* parent = nullptr);

    int exec() override;

    QTableView* List() const { return m_pList; }
    // The search: a registration number's start or any part of a name, without regard to case or accents.
    QLineEdit* SearchEdit() const { return m_pSearch; }
    QLabel* PhysicianLabel() const { return m_pPhysician; }

    void accept() override;

    // What OK decided; the caller opens what follows once the dialog is closed.
    PatientChoice Choice() const { return m_choice; }
    // Runs when OK has found the chosen patient's visits, before the first of them loads.
    void SetBeforeLoading(std::function<void()> beforeLoading) { m_beforeLoading = std::move(beforeLoading); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnSelectionChanged();
    bool FillList();

    CQuillonState& m_state;
    QTableView* m_pList = nullptr;
    CPatientListModel* m_pModel = nullptr;
    CPatientFilter* m_pFilter = nullptr;
    QLineEdit* m_pSearch = nullptr;
    QLabel* m_pPhysician = nullptr;
    PatientIndex m_index;
    bool m_bLoaded = false;
    PatientChoice m_choice = PatientChoice::NothingToOpen;
    std::function<void()> m_beforeLoading;
};

} // namespace quillon
