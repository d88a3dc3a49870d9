// The Drug List dialog: the chart's remedies in chart order with their totality and symptoms covered; a search
// by abbreviation, and every selection scrolls the chart to that remedy.
#pragma once

#include "reports/DrugList.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillon {

class CDrugListDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDrugListDialog)

public:
    // rows: the chart's remedy rows in display order.
    explicit CDrugListDialog(const std::vector<ChartRow>& rows, QWidget* parent = nullptr);

    const CDrugListModel& Model() const { return m_model; }
    QListWidget* List() const { return m_pList; }
    QLineEdit* SearchEdit() const { return m_pSearch; }
    QPushButton* OkButton() const { return m_pOk; }

Q_SIGNALS:
    // A search or a selection asks the chart to scroll to a display index.
    void ScrollChart(int index);

private:
    void OnSearch(const QString& text);
    void OnSelectionChanged(int row);

    CDrugListModel m_model;
    QListWidget* m_pList = nullptr;
    QLineEdit* m_pSearch = nullptr;
    QPushButton* m_pOk = nullptr;
};

} // namespace quillon
