// The "Mineral Filter" dialog: draws the periodic table of CMineralFilterModel and forwards the mouse, the
// "Vertical"/"Horizontal" boxes and the "Basic Group" list to it. The chart reads Result() after OK.
#pragma once

#include "controls/GridAccessible.h"
#include "filters/MineralFilter.h"
#include "filters/PeriodicTableAccessible.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPainter;

namespace quillon {

class CPictureButton;

// Draws the table as the dialog shows it; `withGroupNumbers` adds the main group numbers above the columns.
void PaintPeriodicTable(QPainter& painter, const CMineralFilterModel& model, bool withGroupNumbers);

class CMineralFilterDlg final : public QDialog, public IAccessibleGridOwner
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMineralFilterDlg)

public:
    CMineralFilterDlg(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies, IMessageSink& sink,
        KingdomFilterState& state, QWidget* parent = nullptr);

    // kFilterOk after OK, kFilterCancel after Cancel.
    int exec() override;
    void accept() override;
    void reject() override;

    const MineralFilterResult& Result() const { return m_result; }
    const CMineralFilterModel& Model() const { return m_model; }
    // The periodic table for assistive technology.
    const IAccessibleGrid& AccessibleGrid() const override { return m_grid; }

    QComboBox* GroupList() const { return m_pGroups; }
    QCheckBox* VerticalBox() const { return m_pVertical; }
    QLabel* ElementLabel() const { return m_pElement; }
    CPictureButton* OkButton() const { return m_pOk; }
    CPictureButton* CancelButton() const { return m_pCancel; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    CMineralFilterModel m_model;
    CPeriodicTableGrid m_grid{m_model};
    KingdomFilterState& m_state;
    MineralFilterResult m_result;
    QComboBox* m_pGroups = nullptr;
    QCheckBox* m_pVertical = nullptr;
    QCheckBox* m_pHorizontal = nullptr;
    QLabel* m_pElement = nullptr;
    CPictureButton* m_pOk = nullptr;
    CPictureButton* m_pCancel = nullptr;
};

} // namespace quillon
