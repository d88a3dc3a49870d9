// The plant and animal filters without their dialogs.
#include "filters/ClassFilter.h"

#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "filters/FilterFiles.h"

#include <algorithm>

namespace quillon {

// The titles and type labels are translated where they are shown (context "CClassFilterModel").
const ClassFilterKind kPlantFilterKind = {QT_TRANSLATE_NOOP("CClassFilterModel", "Plant Filters"), kPlantClassFile,
    kPlantCodeFile, QT_TRANSLATE_NOOP("Message", "Error in file plcode.dat"),
    {QT_TRANSLATE_NOOP("CClassFilterModel", "&Roots"), QT_TRANSLATE_NOOP("CClassFilterModel", "&Stem"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Bark"), QT_TRANSLATE_NOOP("CClassFilterModel", "&Leaves"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Flowers"), QT_TRANSLATE_NOOP("CClassFilterModel", "&Fruit"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "S&eeds"), QT_TRANSLATE_NOOP("CClassFilterModel", "&Juice"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "E&xtract"), QT_TRANSLATE_NOOP("CClassFilterModel", "E&ntire"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Gum/Resin"), QT_TRANSLATE_NOOP("CClassFilterModel", "&Alkaloid")}};

const ClassFilterKind kAnimalFilterKind = {QT_TRANSLATE_NOOP("CClassFilterModel", "Animal Drug Filter"),
    kAnimalClassFile, kAnimalCodeFile, QT_TRANSLATE_NOOP("Message", "Error in file anmlcode.dat"),
    {QT_TRANSLATE_NOOP("CClassFilterModel", "&Animal Process"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Bowel Nosodes"), QT_TRANSLATE_NOOP("CClassFilterModel", "&Corticoids"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Milk"), QT_TRANSLATE_NOOP("CClassFilterModel", "M&oths"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Nosodes"), QT_TRANSLATE_NOOP("CClassFilterModel", "&Sarcode"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Poisons"), QT_TRANSLATE_NOOP("CClassFilterModel", "S&ea Animals"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "Sna&kes"), QT_TRANSLATE_NOOP("CClassFilterModel", "Spi&der"),
        QT_TRANSLATE_NOOP("CClassFilterModel", "&Birds")}};

int FindClassByPrefix(const std::vector<std::string>& classes, std::string_view text)
{
    std::string_view prefix = text.substr(0, std::min(text.size(), kSearchPrefixLength));
    if (prefix.empty())
        prefix = "A";
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const std::string& entry = classes[i];
        if (entry.size() >= prefix.size() && EqualsNoCase(std::string_view(entry).substr(0, prefix.size()), prefix))
            return static_cast<int>(i);
    }
    return -1;
}

std::string TypeLabelText(std::string_view label)
{
    std::string text(label);
    if (const std::size_t amp = text.find('&'); amp != std::string::npos)
        text.erase(amp, 1);
    return text;
}

namespace {

bool ReadOne(const CPracticeFolder& folder, const char* name, std::vector<std::uint8_t>& bytes, IMessageSink& sink)
{
    if (folder.ReadFile(name, bytes) != ReadStatus::Ok) {
        sink.Show(QT_TRANSLATE_NOOP("Message", "Error reading File"), name, MessageIcon::Error);
        return false;
    }
    return true;
}

} // namespace

bool CClassFilterModel::Load(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies)
{
    std::vector<std::uint8_t> classBytes;
    std::vector<std::uint8_t> codeBytes;
    // Both files are tried, so that each missing one is reported.
    const bool classRead = ReadOne(folder, m_kind.classFile, classBytes, m_sink);
    const bool codeRead = ReadOne(folder, m_kind.codeFile, codeBytes, m_sink);
    if (!classRead || !codeRead)
        return false;
    return LoadImages(classBytes, codeBytes, remedies);
}

bool CClassFilterModel::LoadImages(std::span<const std::uint8_t> classFile, std::span<const std::uint8_t> codeFile,
    const std::vector<FilterRemedy>& remedies)
{
    m_classes.clear();
    m_mapCodes.clear();
    m_nSelectedClass = -1;
    bool ok = true;
    if (classFile.empty()) {
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "The file is empty"), m_kind.classFile, MessageIcon::Error);
        ok = false;
    } else {
        m_classes = ReadLineList(classFile);
    }
    if (codeFile.empty()) {
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "The file is empty"), m_kind.codeFile, MessageIcon::Error);
        return false;
    }
    m_mapCodes.reserve(remedies.size());
    for (const FilterRemedy& remedy : remedies) {
        CodeEntry entry{remedy.key, 0};
        if (!ReadCodeWord(codeFile, remedy.code, entry.word)) {
            m_sink.Show(m_kind.codeFileError, {}, MessageIcon::Error);
            return false;
        }
        m_mapCodes.push_back(entry);
    }
    return ok;
}

void CClassFilterModel::SelectClass(int index)
{
    m_nSelectedClass = index >= 0 && index < static_cast<int>(m_classes.size()) ? index : -1;
}

int CClassFilterModel::Search(std::string_view text)
{
    const int found = FindClassByPrefix(m_classes, text);
    if (found >= 0)
        m_nSelectedClass = found;
    return found;
}

bool CClassFilterModel::IsTypeChecked(int k) const
{
    return k >= 1 && k <= kClassTypeCount && (m_nTypeMask & (1u << (k - 1))) != 0;
}

void CClassFilterModel::SetTypeChecked(int k, bool checked)
{
    if (k < 1 || k > kClassTypeCount)
        return;
    if (checked)
        m_nTypeMask |= 1u << (k - 1);
    else
        m_nTypeMask &= ~(1u << (k - 1));
}

ClassFilterResult CClassFilterModel::Ok() const
{
    ClassFilterResult result;
    const int classNo = m_nSelectedClass >= 0 ? m_nSelectedClass + 1 : 0;
    if (classNo > 0)
        result.m_strClass = m_classes[static_cast<std::size_t>(m_nSelectedClass)];
    for (int k = 1; k <= kClassTypeCount; ++k) {
        if (IsTypeChecked(k))
            result.m_strTypes
                += TypeLabelText(translate("CClassFilterModel", m_kind.typeLabels[static_cast<std::size_t>(k - 1)]))
                + ", ";
    }
    // The class number lies in the upper 16 bits, so a class beyond 65535 can match no word.
    const std::uint64_t mask = (static_cast<std::uint64_t>(classNo) << 16) | m_nTypeMask;
    for (const CodeEntry& entry : m_mapCodes) {
        const bool hasTypes = (entry.word & mask) == mask;
        const bool inClass = classNo == 0 || ClassNumberOf(entry.word) == classNo;
        if (!hasTypes || !inClass)
            result.m_arrExcluded.push_back(entry.key);
    }
    return result;
}

} // namespace quillon
