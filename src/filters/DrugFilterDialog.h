// The "Drug Filter" dialog: 31 property check boxes in seven frames. It shows and edits a CDrugFilterModel, which
// opens with the boxes of the last OK; the caller writes the model's result after OK.
#pragma once

#include "filters/DrugFilter.h"
#include "filters/FilterTypes.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;

namespace quillon {

class CPictureButton;

class CDrugFilterDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDrugFilterDlg)

public:
    explicit CDrugFilterDlg(CDrugFilterModel& model, QWidget* parent = nullptr);

    // The box of property k (1..31), or null.
    QCheckBox* PropertyBox(int k) const;
    // The frames in the order of kDrugPropertyGroups.
    CPictureButton* OkButton() const { return m_pOk; }
    CPictureButton* CancelButton() const { return m_pCancel; }

private:
    CDrugFilterModel& m_model;
    std::array<QCheckBox*, kDrugPropertyCount> m_boxes{};
    std::array<QGroupBox*, 7> m_groups{};
    CPictureButton* m_pOk = nullptr;
    CPictureButton* m_pCancel = nullptr;
};

// The chart's Drug filter button runs the dialog through this.
class CDrugFilterDialogChooser final : public IDrugFilterChooser
{
public:
    explicit CDrugFilterDialogChooser(QWidget* parent) : m_pParent(parent) {}
    bool ChooseDrugFilter(CDrugFilterModel& model) override;

private:
    QWidget* m_pParent;
};

} // namespace quillon
