// The drug property filter without its dialog: the 31 properties of "drugl.dat" with their labels and groups,
// the boxes the dialog shows, and what its OK writes (the required mask, the chosen properties, the description).
#pragma once

#include "casedata/Translatable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

inline constexpr int kDrugPropertyCount = 31;
// The dialog's texts are translated where they are shown (context "CDrugFilterModel").
inline constexpr const char* kDrugFilterTitle = QT_TRANSLATE_NOOP("CDrugFilterModel", "Drug Filter");
inline constexpr const char* kDrugFilterHeading
    = QT_TRANSLATE_NOOP("CDrugFilterModel", "Select Drug Properties For Repertorization");

// The kingdoms of the "Drug Source" boxes and of the chart's plant, mineral and animal buttons.
inline constexpr int kKingdomNone = 0;
inline constexpr int kKingdomPlant = 1;
inline constexpr int kKingdomMineral = 2;
inline constexpr int kKingdomAnimal = 3;
// Property numbers of the kingdom boxes; their bits (k - 1) are 19, 20 and 21.
inline constexpr int kPropertyPlant = 20;
inline constexpr int kPropertyMineral = 21;
inline constexpr int kPropertyAnimal = 22;

// Property k (1..31) is bit k - 1 of a remedy's property word.
struct DrugProperty
{
    int k = 0;
    int controlId = 0;
    const char* label = ""; // the check box's text, '&' included
};

// In property-number order: kDrugProperties[k - 1] is property k.
extern const std::array<DrugProperty, kDrugPropertyCount> kDrugProperties;

// The seven frames of the dialog, in the order they are laid out (column by column), each with its boxes
// in their visual order.
struct DrugPropertyGroup
{
    const char* title;
    int column; // 0, 1 or 2
    std::vector<int> properties; // property numbers k, top to bottom
};
extern const std::array<DrugPropertyGroup, 7> kDrugPropertyGroups;

const DrugProperty* FindDrugProperty(int k);

// What the dialog hands back after OK.
struct DrugFilterResult
{
    std::uint32_t m_nMask = 0; // bit k - 1 for every chosen property k
    std::vector<int> m_arrChosen; // property numbers k in ascending order
    int m_nKingdom = kKingdomNone; // the last of Plant, Mineral, Animal checked, 0 when none
    std::string m_strDescription; // the chosen labels, translated, joined by ", " ('&' kept)
};

// A remedy passes the filter when its property word carries every required bit.
constexpr bool PassesPropertyMask(std::uint32_t word, std::uint32_t mask) noexcept
{
    return (word & mask) == mask;
}

class CDrugFilterModel final
{
public:
    // The boxes of `lastChoice` (property numbers; those outside 1..31 are ignored) start checked.
    explicit CDrugFilterModel(const std::vector<int>& lastChoice = {});

    bool IsChecked(int k) const;
    void SetChecked(int k, bool checked);

    // The result of OK for the boxes as they stand.
    DrugFilterResult Result() const;

private:
    std::uint32_t m_nChecked = 0; // bit k - 1 for a checked box k
};

} // namespace quillon
