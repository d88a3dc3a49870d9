// Building and searching the remedy catalogue.
#include "casedata/RemedyCatalogue.h"

#include "casedata/ByteReader.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"

#include <algorithm>
#include <new>

namespace quillon {
namespace {

constexpr std::size_t kFieldLookLimit = 200;

std::string_view ToView(const std::vector<std::uint8_t>& bytes)
{
    return AsText(bytes);
}

void ShowMismatches(IMessageSink& sink, std::size_t lines)
{
    // "Mismatch" and the count of lines, each in the user's language.
    const std::string mismatch = translate(kMessageContext, kMsgMismatch);
    if (lines == 1)
        sink.Show(FormatText(translate("Message", "%1: 1 line of fulldrug.txt differs from drug.dat"), {mismatch}));
    else if (lines > 1)
        sink.Show(FormatText(translate("Message", "%1: %2 lines of fulldrug.txt differ from drug.dat"),
            {mismatch, std::to_string(lines)}));
}

} // namespace

std::string_view TrimAbbreviation(std::string_view text) noexcept
{
    const auto end = text.find_last_not_of(" \r\n:.");
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

CRemedyCatalogue::CRemedyCatalogue(const CPracticeFolder& folder, IMessageSink& sink)
{
    std::vector<std::uint8_t> drug, drugl, fulldrug;
    try {
        if (folder.ReadFile(kDrugFile, drug) != ReadStatus::Ok) {
            sink.Show(QT_TRANSLATE_NOOP("Message", "Error opening file"), kDrugFile);
            return;
        }
        m_abbreviationText.assign(ToView(drug));
        if (folder.ReadFile(kDrugPropertyFile, drugl) != ReadStatus::Ok) {
            sink.Show(QT_TRANSLATE_NOOP("Message", "Error opening file"), kDrugPropertyFile);
            return;
        }
        // One word per "drug.dat" record; a short file leaves the missing words 0.
        const std::size_t records = drug.size() / kDrugRecordSize;
        m_properties.assign(records, 0);
        ByteReader in(drugl);
        for (std::size_t i = 0; i < records && in.ReadU32(m_properties[i]); ++i) {}
        if (folder.ReadFile(kFullDrugFile, fulldrug) != ReadStatus::Ok) {
            sink.Show(QT_TRANSLATE_NOOP("Message", "Error reading File"), kFullDrugFile);
            return;
        }
    } catch (const std::bad_alloc&) {
        sink.Show(QT_TRANSLATE_NOOP("Message", "Cannot allocate memory"));
        return;
    }
    Build(ToView(fulldrug), sink);
}

std::unique_ptr<CRemedyCatalogue> CRemedyCatalogue::FromImages(
    std::string_view drugDat, std::string_view druglDat, std::string_view fulldrugTxt, IMessageSink& sink)
{
    std::unique_ptr<CRemedyCatalogue> catalogue(new CRemedyCatalogue());
    catalogue->m_abbreviationText.assign(drugDat);
    const std::size_t records = drugDat.size() / kDrugRecordSize;
    catalogue->m_properties.assign(records, 0);
    ByteReader in(AsBytes(druglDat));
    for (std::size_t i = 0; i < records && in.ReadU32(catalogue->m_properties[i]); ++i) {}
    catalogue->Build(fulldrugTxt, sink);
    return catalogue;
}

void CRemedyCatalogue::Build(std::string_view text, IMessageSink& sink)
{
    const std::size_t records = m_abbreviationText.size() / kDrugRecordSize;
    std::size_t consumed = 0;
    std::size_t mismatches = 0;
    try {
        // One entry per line, but never more than "drug.dat" has records.
        for (std::size_t i = 0; i < records && consumed < text.size(); ++i) {
            std::string_view line = text.substr(consumed);
            const auto lf = line.find('\n');
            if (lf != std::string_view::npos)
                line = line.substr(0, lf + 1);
            consumed += line.size();

            std::string_view record = std::string_view(m_abbreviationText).substr(i * kDrugRecordSize, kDrugRecordSize);
            record = record.substr(0, record.find('\0'));
            record = TrimAbbreviation(record);

            // The abbreviation field ends at the first '*'; the full name is the rest of the line.
            const std::string_view head = line.substr(0, kFieldLookLimit);
            const auto star = head.find('*');
            std::string_view field = star == std::string_view::npos ? head : head.substr(0, star);
            std::string_view name = star == std::string_view::npos ? std::string_view{} : line.substr(star + 1);
            name = name.substr(0, kFieldLookLimit);
            if (!name.empty() && name.back() == '\n')
                name.remove_suffix(1);
            if (!name.empty() && name.back() == '\r')
                name.remove_suffix(1);
            field = TrimAbbreviation(field).substr(0, kMaxAbbreviation);

            auto entry = std::make_unique<RemedyEntry>();
            entry->abbreviation.assign(field);
            entry->propertyIndex = static_cast<int>(i);
            entry->fullName.assign(name);
            if (!EqualsNoCase(record, entry->abbreviation))
                ++mismatches;
            m_entries.push_back(std::move(entry));
            // The walk ends with the line that brings it to the last byte of the file.
            if (consumed + 1 >= text.size())
                break;
        }
    } catch (const std::bad_alloc&) {
        ShowMismatches(sink, mismatches);
        sink.Show(QT_TRANSLATE_NOOP("Message", "Insufficient Memory for pRemedyData"));
        return;
    }
    // One message for all the lines that differ, not one box per line.
    ShowMismatches(sink, mismatches);
    // Codes are positions in abbreviation order (letter case ignored).
    std::stable_sort(m_entries.begin(), m_entries.end(),
        [](const auto& a, const auto& b) { return CompareNoCase(a->abbreviation, b->abbreviation) < 0; });
}

const RemedyEntry* CRemedyCatalogue::Entry(int nCode) const
{
    if (nCode < 0 || nCode >= GetCount())
        return nullptr;
    return m_entries[static_cast<std::size_t>(nCode)].get();
}

int CRemedyCatalogue::GetAbbreviation(int nCode, std::string& out) const
{
    const RemedyEntry* entry = Entry(nCode);
    if (!entry)
        return 0;
    out = entry->abbreviation;
    return entry->propertyIndex;
}

int CRemedyCatalogue::GetPropertyIndex(int nCode) const
{
    const RemedyEntry* entry = Entry(nCode);
    return entry ? entry->propertyIndex : 0;
}

std::uint32_t CRemedyCatalogue::GetPropertyMask(int nPropertyIndex) const
{
    if (nPropertyIndex < 0 || static_cast<std::size_t>(nPropertyIndex) >= m_properties.size())
        return 0;
    return m_properties[static_cast<std::size_t>(nPropertyIndex)];
}

bool CRemedyCatalogue::FindByAbbreviation(int& nResult, std::string& abbreviation) const
{
    for (char& c : abbreviation)
        c = ToLowerCp1252(c);
    if (!abbreviation.empty())
        abbreviation[0] = ToUpperCp1252(abbreviation[0]);
    if (abbreviation.empty())
        return false;

    // "drug.dat" is searched as one text, which ends at its first zero byte.
    std::string_view text = m_abbreviationText;
    text = text.substr(0, text.find('\0'));
    for (std::size_t p = text.find(abbreviation); p != std::string_view::npos; p = text.find(abbreviation, p + 1)) {
        // Only a hit at the start of a record names a record.
        if (p % kDrugRecordSize != 0)
            continue;
        std::string_view candidate = text.substr(p, kDrugRecordSize);
        if (const auto blank = candidate.find(' '); blank != std::string_view::npos)
            candidate = candidate.substr(0, blank + 1);
        if (!EqualsNoCase(TrimAbbreviation(candidate), abbreviation))
            continue;
        if (const RemedyEntry* entry = Entry(static_cast<int>(p / kDrugRecordSize)))
            nResult = entry->propertyIndex;
        return true;
    }
    return false;
}

} // namespace quillon
