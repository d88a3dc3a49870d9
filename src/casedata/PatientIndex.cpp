// Reading "PatDet.txt".
#include "casedata/PatientIndex.h"

#include "casedata/ByteReader.h"
#include "casedata/TextCodec.h"

#include <set>

namespace quillon {
namespace {

std::string_view TrimRight(std::string_view text, std::string_view characters)
{
    const auto end = text.find_last_not_of(characters);
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string Field(std::string_view text)
{
    return std::string(text.substr(0, kMaxPatientField));
}

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = ToLowerCp1252(c);
    return lowered;
}

// The registration numbers listed so far, lower-cased and ordered: the rows whose number begins with a text are
// the run of entries from the first one not below it, so one ordered look-up answers the duplicate check.
class ListedNumbers
{
public:
    bool BeginsWith(std::string_view regNo) const
    {
        const std::string key = Lowered(regNo);
        const auto it = m_numbers.lower_bound(key);
        return it != m_numbers.end() && it->starts_with(key);
    }
    void Add(std::string_view regNo) { m_numbers.insert(Lowered(regNo)); }

private:
    std::set<std::string, std::less<>> m_numbers;
};

} // namespace

PatientIndex ParsePatientIndex(std::span<const std::uint8_t> bytes)
{
    // The text ends at its first zero byte.
    std::string_view text = AsText(bytes);
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);

    PatientIndex index;
    ListedNumbers listed;
    bool first = true;
    while (!text.empty()) {
        const auto lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
        if (first) {
            index.physician = Field(TrimRight(line, " \r\n"));
            first = false;
            continue;
        }
        // The fourth field ends at the line feed and loses trailing blanks and line-end characters.
        line = TrimRight(line, " \r");
        if (line.empty())
            continue;
        // Three fields end at the next ':' (within the line) and lose their trailing ':' characters.
        std::string_view parts[4];
        for (int f = 0; f < 3; ++f) {
            const auto colon = line.find(':');
            parts[f] = line.substr(0, colon);
            line = colon == std::string_view::npos ? std::string_view{} : line.substr(colon + 1);
        }
        parts[3] = line;
        const std::string regNo = Field(parts[0]);
        if (listed.BeginsWith(regNo))
            continue;
        listed.Add(regNo);
        index.rows.push_back({regNo, Field(parts[1]), Field(parts[2]), Field(parts[3])});
    }
    return index;
}

std::optional<PatientIndex> LoadPatientIndex(const CPracticeFolder& folder, IMessageSink& sink)
{
    std::vector<std::uint8_t> bytes;
    if (folder.ReadFile(kPatientIndexFile, bytes) != ReadStatus::Ok) {
        sink.Show(kMsgCouldNotLoadPatients);
        return std::nullopt;
    }
    return ParsePatientIndex(bytes);
}

} // namespace quillon
