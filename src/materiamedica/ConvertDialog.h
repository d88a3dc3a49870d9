// The "Convert Repertory To Materia Medica" dialog, its opening from the chart's "&Conv. Rep To MM" and the
// opening of the materia medica view on OK.
#pragma once

#include "materiamedica/ConversionModel.h"

#include <QDialog>

#include <functional>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quillon {

class CQuillonState;

enum ConvertDialogControl : int {
    IDC_MARK_ONE = 1624, // .. 1628 "Five"
    IDC_MARK_ALL = 1629,
    IDC_FULL_DRUG_LIST = 2095,
    IDC_SEARCH_DRUG = 2096,
    IDC_SELECTED_DRUG_LIST = 1609,
    IDC_CLEAR_DRUG = 1612,
    IDC_DRUG_FULL_NAME = 2097,
    IDC_OPTION_FIRST = 1420, // .. 1425, in the order of ConversionOption
    IDC_CONVERT_OK = 1915,
};

class CConvertDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CConvertDialog)

public:
    // Offers the chart's rows; the remedies chosen are the state's, kept from one conversion to the next.
    CConvertDialog(CQuillonState& state, std::vector<ChartRow> rows, QWidget* parent = nullptr);

    CConversionModel& Model() { return m_model; }
    // The dialog's controls by their ids (null for an unknown id).
    QWidget* Control(int id) const;

    void reject() override;

private:
    void Refresh();
    void RefreshSelected();
    void OnOk();

    CConversionModel m_model;
    QListWidget* m_pFullList = nullptr;
    QListWidget* m_pSelectedList = nullptr;
    QLineEdit* m_pSearch = nullptr;
    QLabel* m_pFullName = nullptr;
    std::array<QCheckBox*, kMarkBoxCount + 1> m_marks{};
    std::array<QRadioButton*, kConversionOptionCount> m_options{};
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pClear = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bRefreshing = false;
};

// Runs the dialog modally over `parent`; the request of its OK, nothing when it was cancelled.
std::optional<CMateriaMedicaRequest> RunConversionDialog(
    CQuillonState& state, std::vector<ChartRow> rows, QWidget* parent);

} // namespace quillon
