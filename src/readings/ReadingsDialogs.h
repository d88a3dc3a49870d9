// The chart's View → "Strategies…" and "Families…" dialogs: the five readings side by side, and the families
// of the chart's remedies, whose double click narrows the chart to one of them.
#pragma once

#include "followup/FollowUpDialogs.h"
#include "readings/Families.h"
#include "readings/Strategies.h"

#include <functional>

class QComboBox;

namespace quillon {

class CRepEngine;
class CRepMethods;

class CStrategiesDialog final : public CFollowUpTableDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CStrategiesDialog)

public:
    CStrategiesDialog(const CQuillonState& state, IUserChoices& choices, const CRepEngine& engine,
        const CRepMethods& methods, QWidget* parent = nullptr);

private:
    void Fill() override;
    std::string VisitDates() const override;
    QString VisitLabel() const override;

    CStrategyReader m_reader;
    int m_nSymptoms = 0;
};

class CFamiliesDialog final : public CFollowUpTableDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFamiliesDialog)

public:
    // `apply` runs a family's filter command on the chart; the dialog then closes.
    CFamiliesDialog(const CQuillonState& state, IUserChoices& choices, const CRepEngine& engine,
        std::function<void(const ChartCommand&)> apply, QWidget* parent = nullptr);

    QComboBox* KingdomBox() const { return m_pKingdom; }
    const std::vector<Family>& Families() const { return m_families; }
    // The families as CSV (UTF-8, CRLF): a heading row, then one row per family shown.
    std::string CsvText() const;
    void SaveAsCsv();
    // Applies the family of table row `row`, then closes.
    void ApplyRow(int row);

private:
    void Fill() override;
    std::string VisitDates() const override;
    QString VisitLabel() const override;

    FamilyTables m_tables;
    std::vector<FamilyRemedy> m_chart;
    const CRemedyCatalogue* m_pCatalogue;
    std::function<void(const ChartCommand&)> m_apply;
    QComboBox* m_pKingdom = nullptr;
    std::vector<Family> m_families;
};

} // namespace quillon
