// The Full Remedy List dialog: every remedy of one symptom with its grade, in grade or name order, a search,
// the full name of the current remedy, and Save as a text file.
#pragma once

#include "reports/FullRemedyList.h"
#include "state/PatientContext.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quillon {

class CRemedyCatalogue;
class IMessageSink;
class IUserChoices;

class CFullRemedyListDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFullRemedyListDialog)

public:
    // The remedies of `symptom`, named from the catalogue; Save offers a file named after the patient.
    CFullRemedyListDialog(const PatientContext& patient, const CRemedyCatalogue* catalogue, IMessageSink& sink,
        IUserChoices& choices, const CSymptomRecord& symptom, QWidget* parent = nullptr);

    const CFullRemedyList& Model() const { return m_model; }
    QLineEdit* CountEdit() const { return m_pCount; }
    QListWidget* List() const { return m_pList; }
    QLineEdit* SearchEdit() const { return m_pSearch; }
    QLineEdit* FullNameEdit() const { return m_pFullName; }
    QRadioButton* RemedyButton() const { return m_pByName; }
    QPushButton* SaveButton() const { return m_pSave; }
    QPushButton* OkButton() const { return m_pOk; }

private:
    void Fill(RemedyListOrder order);
    void MakeCurrent(int row);
    void OnSave();

    const PatientContext m_patient;
    IMessageSink& m_sink;
    IUserChoices& m_choices;
    CFullRemedyList m_model;
    QPlainTextEdit* m_pSymptom = nullptr;
    QLineEdit* m_pCount = nullptr;
    QListWidget* m_pList = nullptr;
    QLineEdit* m_pSearch = nullptr;
    QLineEdit* m_pFullName = nullptr;
    QRadioButton* m_pByMark = nullptr;
    QRadioButton* m_pByName = nullptr;
    QPushButton* m_pSave = nullptr;
    QPushButton* m_pOk = nullptr;
};

} // namespace quillon
