// The drug property filter's table and the Drug Filter dialog's model.
#include "filters/DrugFilter.h"

#include "state/QuillonState.h"

namespace quillon {

const std::array<DrugProperty, kDrugPropertyCount> kDrugProperties{{
    {1, 1069, "Psoric"},
    {2, 1070, "Sycotic"},
    {3, 1071, "Tubercular"},
    {4, 1072, "S&yphilitic"},
    {5, 1061, "Chilly"},
    {6, 1062, "Hot"},
    {7, 1063, "Ambithermal"},
    {8, 1088, "Nosode"},
    {9, 1089, "Sarcode"},
    {10, 1082, "No Polychrest"},
    {11, 1083, "Only Polychrest"},
    {12, 1074, "Right"},
    {13, 1075, "Left"},
    {14, 1057, "Acute"},
    {15, 1058, "Chronic"},
    {16, 1059, "Inter Current"},
    {17, 1065, "Male"},
    {18, 1066, "Female"},
    {19, 1067, "Child"},
    {20, 1085, "Plant"},
    {21, 1086, "Mineral"},
    {22, 1087, "Animal"},
    {23, 1090, "Tautopathic"},
    {24, 1076, "U. Rt. Low Lt."},
    {25, 1077, "U. Lt. Low Rt."},
    {26, 1078, "Rt. to Lt."},
    {27, 1079, "Lt. to Rt."},
    {28, 1080, "Alternate Sides"},
    {29, 1091, "Bach Flower"},
    {30, 1092, "Bowel Nosode"},
    {31, 1093, "Imponderablia"},
}};

const std::array<DrugPropertyGroup, 7> kDrugPropertyGroups{{
    {"Stage", 0, {14, 15, 16}},
    {"Miasm", 0, {1, 2, 3, 4}},
    {"Sex", 0, {17, 18, 19}},
    {"Thermal State", 1, {5, 6, 7}},
    {"Side", 1, {12, 13, 24, 25, 26, 27, 28}},
    {"Polychrest", 2, {11, 10}},
    {"Drug Source", 2, {20, 21, 22, 8, 9, 23, 29, 30, 31}},
}};

const DrugProperty* FindDrugProperty(int k)
{
    if (k < 1 || k > kDrugPropertyCount)
        return nullptr;
    return &kDrugProperties[static_cast<std::size_t>(k - 1)];
}

namespace {

constexpr std::uint32_t BitOf(int k) noexcept
{
    return 1u << static_cast<unsigned>(k - 1);
}

} // namespace

CDrugFilterModel::CDrugFilterModel(const std::vector<int>& lastChoice)
{
    for (const int k : lastChoice)
        SetChecked(k, true);
}

bool CDrugFilterModel::IsChecked(int k) const
{
    return FindDrugProperty(k) != nullptr && (m_nChecked & BitOf(k)) != 0;
}

void CDrugFilterModel::SetChecked(int k, bool checked)
{
    if (!FindDrugProperty(k))
        return;
    if (checked)
        m_nChecked |= BitOf(k);
    else
        m_nChecked &= ~BitOf(k);
}

DrugFilterResult CDrugFilterModel::Result() const
{
    DrugFilterResult result;
    for (int k = 1; k <= kDrugPropertyCount; ++k) {
        if (!IsChecked(k))
            continue;
        result.m_arrChosen.push_back(k);
        result.m_nMask |= BitOf(k);
        if (!result.m_strDescription.empty())
            result.m_strDescription += ", ";
        result.m_strDescription += kDrugProperties[static_cast<std::size_t>(k - 1)].label;
        // Tested in this order, so with several kingdoms checked the last one wins.
        if (k == kPropertyPlant)
            result.m_nKingdom = kKingdomPlant;
        else if (k == kPropertyMineral)
            result.m_nKingdom = kKingdomMineral;
        else if (k == kPropertyAnimal)
            result.m_nKingdom = kKingdomAnimal;
    }
    return result;
}

DrugFilterResult CDrugFilterModel::Ok(CQuillonState& state) const
{
    DrugFilterResult result = Result();
    state.m_nDrugPropertyMask = result.m_nMask;
    state.m_mapDrugProperties = result.m_arrChosen;
    state.m_arrDrugFilterChoice = result.m_arrChosen;
    return result;
}

} // namespace quillon
