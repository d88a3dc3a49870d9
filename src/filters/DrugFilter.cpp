// The drug property filter's table and the Drug Filter dialog's model.
#include "filters/DrugFilter.h"

#include "casedata/Translatable.h"

namespace quillon {

const std::array<DrugProperty, kDrugPropertyCount> kDrugProperties{{
    {1, 1069, QT_TRANSLATE_NOOP("CDrugFilterModel", "Psoric")},
    {2, 1070, QT_TRANSLATE_NOOP("CDrugFilterModel", "Sycotic")},
    {3, 1071, QT_TRANSLATE_NOOP("CDrugFilterModel", "Tubercular")},
    {4, 1072, QT_TRANSLATE_NOOP("CDrugFilterModel", "S&yphilitic")},
    {5, 1061, QT_TRANSLATE_NOOP("CDrugFilterModel", "Chilly")},
    {6, 1062, QT_TRANSLATE_NOOP("CDrugFilterModel", "Hot")},
    {7, 1063, QT_TRANSLATE_NOOP("CDrugFilterModel", "Ambithermal")},
    {8, 1088, QT_TRANSLATE_NOOP("CDrugFilterModel", "Nosode")},
    {9, 1089, QT_TRANSLATE_NOOP("CDrugFilterModel", "Sarcode")},
    {10, 1082, QT_TRANSLATE_NOOP("CDrugFilterModel", "No Polychrest")},
    {11, 1083, QT_TRANSLATE_NOOP("CDrugFilterModel", "Only Polychrest")},
    {12, 1074, QT_TRANSLATE_NOOP("CDrugFilterModel", "Right")},
    {13, 1075, QT_TRANSLATE_NOOP("CDrugFilterModel", "Left")},
    {14, 1057, QT_TRANSLATE_NOOP("CDrugFilterModel", "Acute")},
    {15, 1058, QT_TRANSLATE_NOOP("CDrugFilterModel", "Chronic")},
    {16, 1059, QT_TRANSLATE_NOOP("CDrugFilterModel", "Inter Current")},
    {17, 1065, QT_TRANSLATE_NOOP("CDrugFilterModel", "Male")},
    {18, 1066, QT_TRANSLATE_NOOP("CDrugFilterModel", "Female")},
    {19, 1067, QT_TRANSLATE_NOOP("CDrugFilterModel", "Child")},
    {20, 1085, QT_TRANSLATE_NOOP("CDrugFilterModel", "Plant")},
    {21, 1086, QT_TRANSLATE_NOOP("CDrugFilterModel", "Mineral")},
    {22, 1087, QT_TRANSLATE_NOOP("CDrugFilterModel", "Animal")},
    {23, 1090, QT_TRANSLATE_NOOP("CDrugFilterModel", "Tautopathic")},
    {24, 1076, QT_TRANSLATE_NOOP("CDrugFilterModel", "U. Rt. Low Lt.")},
    {25, 1077, QT_TRANSLATE_NOOP("CDrugFilterModel", "U. Lt. Low Rt.")},
    {26, 1078, QT_TRANSLATE_NOOP("CDrugFilterModel", "Rt. to Lt.")},
    {27, 1079, QT_TRANSLATE_NOOP("CDrugFilterModel", "Lt. to Rt.")},
    {28, 1080, QT_TRANSLATE_NOOP("CDrugFilterModel", "Alternate Sides")},
    {29, 1091, QT_TRANSLATE_NOOP("CDrugFilterModel", "Bach Flower")},
    {30, 1092, QT_TRANSLATE_NOOP("CDrugFilterModel", "Bowel Nosode")},
    {31, 1093, QT_TRANSLATE_NOOP("CDrugFilterModel", "Imponderablia")},
}};

const std::array<DrugPropertyGroup, 7> kDrugPropertyGroups{{
    {QT_TRANSLATE_NOOP("CDrugFilterModel", "Stage"), 0, {14, 15, 16}},
    {QT_TRANSLATE_NOOP("CDrugFilterModel", "Miasm"), 0, {1, 2, 3, 4}},
    {QT_TRANSLATE_NOOP("CDrugFilterModel", "Sex"), 0, {17, 18, 19}},
    {QT_TRANSLATE_NOOP("CDrugFilterModel", "Thermal State"), 1, {5, 6, 7}},
    {QT_TRANSLATE_NOOP("CDrugFilterModel", "Side"), 1, {12, 13, 24, 25, 26, 27, 28}},
    {QT_TRANSLATE_NOOP("CDrugFilterModel", "Polychrest"), 2, {11, 10}},
    {QT_TRANSLATE_NOOP("CDrugFilterModel", "Drug Source"), 2, {20, 21, 22, 8, 9, 23, 29, 30, 31}},
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
        result.m_strDescription
            += translate("CDrugFilterModel", kDrugProperties[static_cast<std::size_t>(k - 1)].label);
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

} // namespace quillon
