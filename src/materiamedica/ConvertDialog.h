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

class CConvertDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CConvertDialog)

public:
    // Offers the chart's rows; the remedies chosen are the state's, kept from one conversion to the next.
    CConvertDialog(CQuillonState& state, std::vector<ChartRow> rows, QWidget* parent = nullptr);

    CConversionModel& Model() { return m_model; }
    QListWidget* FullList() const { return m_pFullList; }
    QListWidget* SelectedList() const { return m_pSelectedList; }
    QLabel* FullName() const { return m_pFullName; }
    // Mark box i (0..4), then "All".
    QCheckBox* MarkBox(int i) const { return m_marks.at(static_cast<std::size_t>(i)); }
    QRadioButton* OptionButton(ConversionOption option) const { return m_options.at(static_cast<std::size_t>(option)); }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

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
