// The small types the chart and the filters share: the remedy key, what the chart hands the filter dialogs, what
// they hand back, and the dialogs as the chart asks them.
#pragma once

#include "filters/DrugFilter.h"
#include "state/KingdomFilterState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

// Key of a remedy in the result map and in the lists the filters hand back: 10 x remedy code.
// Thirty-two bits wide, so that every code a remedy entry can encode (at most 49,505) has its own key.
using RemedyKey = std::uint32_t;

constexpr RemedyKey MakeRemedyKey(int nCode) noexcept
{
    return 10u * static_cast<RemedyKey>(nCode);
}
constexpr int RemedyCodeOfKey(RemedyKey key) noexcept
{
    return static_cast<int>(key / 10u);
}

// Results of the kingdom dialogs' runs, as the chart tests them.
inline constexpr int kFilterOk = 1;
inline constexpr int kFilterCancel = 2;

// One remedy still shown in the chart, in the chart's result order.
struct FilterRemedy
{
    RemedyKey key = 0; // 10 x code
    int code = 0; // remedy code: the record number in the filters' code files
    std::string abbreviation;
};

// Builds the list from remedy codes (the key is always 10 x code).
std::vector<FilterRemedy> FilterRemediesFromCodes(const std::vector<int>& codes);

// Handed back by the plant and animal dialogs' OK.
struct ClassFilterResult
{
    std::vector<RemedyKey> m_arrExcluded; // remedies that do not match, in result order
    std::string m_strClass; // the selected class, "" when none
    std::string m_strTypes; // checked types, each followed by ", "
};

// Handed back by the mineral dialog's OK.
struct MineralFilterResult
{
    std::vector<RemedyKey> m_arrExcluded;
    std::string m_strElements;
    std::string m_strGroup;
};

// The Drug Filter dialog: edits the model (opened with the last OK's boxes) and returns true for OK.
class IDrugFilterChooser
{
public:
    virtual ~IDrugFilterChooser() = default;
    virtual bool ChooseDrugFilter(CDrugFilterModel& model) = 0;
};

// What a kingdom dialog's OK hands back: the result keys to drop and its two description texts.
struct KingdomDialogResult
{
    std::vector<RemedyKey> m_arrExcluded;
    std::string m_strFirst; // mineral: the element text; plant and animal: the class
    std::string m_strSecond; // mineral: the group text; plant and animal: the types
    // The answer as the user gave it, for the chart's log: the class line from 1 (0 for none) and the checked
    // types of a plant or animal dialog; the steps of a mineral dialog.
    int m_nClassLine = 0;
    std::vector<int> m_arrTypes;
    std::vector<std::string> m_arrMineralSteps;

    static KingdomDialogResult FromClass(const ClassFilterResult& result);
    static KingdomDialogResult FromMineral(const MineralFilterResult& result);
};

// The plant (kind 1), mineral (2) and animal (3) dialogs. They get the remedies of the chart in result order;
// the mineral dialog's OK writes m_bMineralNoSelection into `state`. Nothing for Cancel (or a dialog that
// could not open).
class IKingdomChooser
{
public:
    virtual ~IKingdomChooser() = default;
    virtual std::optional<KingdomDialogResult> ChooseKingdom(
        int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state)
        = 0;
};

} // namespace quillon
