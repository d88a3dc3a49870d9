// Builds the sample practice from the tables in sample/source (tab-separated, UTF-8, one header line).
#include "sample/SampleGenerator.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "fixtures/CaseRecordWriters.h"
#include "fixtures/CaseWriters.h"
#include "fixtures/FilterWriters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace quillon::sample {
namespace {

namespace fs = std::filesystem;
using fixtures::RemedyGrade;

// Names of the repertories by repertory index, written as the bracketed tag that starts a rubric's
// text; indexes 18 to 21 have no name and get no tag.
constexpr std::array<std::string_view, 22> kRepertoryNames
    = {"", "Kent", "Phatak", "Boenning", "Boerricke", "Boger", "Clarke", "Therap", "Fever", "Special", "Rare",
        "Complete", "Roberts", "Lippe", "Gentry", "Wards", "Allen", "Knerr", "", "", "", ""};

// ---- tables -------------------------------------------------------------------------------------

// A backslash escapes a line feed (\n), a tab (\t) and itself (\\) in any cell.
std::string Unescape(std::string_view cell)
{
    std::string out;
    out.reserve(cell.size());
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] == '\\' && i + 1 < cell.size()) {
            const char next = cell[i + 1];
            if (next == 'n' || next == 't' || next == '\\') {
                out.push_back(next == 'n' ? '\n' : next == 't' ? '\t' : '\\');
                ++i;
                continue;
            }
        }
        out.push_back(cell[i]);
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

class Table
{
public:
    Table(const fs::path& folder, std::string name) : m_name(std::move(name))
    {
        std::ifstream in(folder / m_name, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot read " + (folder / m_name).string());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        int lineNumber = 0;
        for (std::string_view line : Split(text, '\n')) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (line.empty())
                continue;
            std::vector<std::string> cells;
            for (std::string_view cell : Split(line, '\t'))
                cells.push_back(Unescape(cell));
            if (m_header.empty()) {
                m_header = std::move(cells);
                continue;
            }
            if (cells.size() > m_header.size())
                throw std::runtime_error(Where(lineNumber) + ": more cells than columns");
            cells.resize(m_header.size()); // missing trailing cells are empty
            m_rows.push_back(std::move(cells));
            m_lines.push_back(lineNumber);
        }
        if (m_header.empty())
            throw std::runtime_error(m_name + ": no header line");
    }

    std::size_t RowCount() const { return m_rows.size(); }

    const std::string& Cell(std::size_t row, std::string_view column) const
    {
        const auto it = std::find(m_header.begin(), m_header.end(), column);
        if (it == m_header.end())
            throw std::runtime_error(m_name + ": no column " + std::string(column));
        return m_rows[row][static_cast<std::size_t>(it - m_header.begin())];
    }

    int Number(std::size_t row, std::string_view column, int low, int high) const
    {
        const std::string& cell = Cell(row, column);
        int value = 0;
        const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
        if (error != std::errc() || end != cell.data() + cell.size() || value < low || value > high) {
            Fail(row,
                std::string(column) + " \"" + cell + "\" is not a number from " + std::to_string(low) + " to "
                    + std::to_string(high));
        }
        return value;
    }

    [[noreturn]] void Fail(std::size_t row, const std::string& what) const
    {
        throw std::runtime_error(Where(m_lines[row]) + ": " + what);
    }

private:
    std::string Where(int line) const { return m_name + " line " + std::to_string(line); }

    std::string m_name;
    std::vector<std::string> m_header;
    std::vector<std::vector<std::string>> m_rows;
    std::vector<int> m_lines;
};

// ---- remedies -----------------------------------------------------------------------------------

struct Remedy
{
    std::string abbreviation; // as written in the rubrics, for example "Nat-m."
    std::string name; // Windows-1252
    std::vector<std::string> kingdoms;
    std::uint32_t properties = 0;

    bool HasKingdom(std::string_view label) const
    {
        return std::find(kingdoms.begin(), kingdoms.end(), label) != kingdoms.end();
    }
    bool IsPlant() const { return HasKingdom("plant"); }
    bool IsAnimal() const { return HasKingdom("animal") && !IsPlant(); }
    bool IsMineral() const { return HasKingdom("mineral") || HasKingdom("mineral-acute"); }
};

// The catalogue key: the abbreviation as the catalogue reader trims and cuts it.
std::string CatalogueKey(std::string_view abbreviation)
{
    return std::string(TrimAbbreviation(abbreviation).substr(0, kMaxAbbreviation));
}

std::uint32_t Bit(int bit)
{
    return std::uint32_t{1} << bit;
}

// The remedies in catalogue order (sorted as the catalogue sorts them, so that a remedy's code is also
// its record number), with the kingdom bits set from the source's kingdom labels.
std::vector<Remedy> ReadRemedies(const fs::path& source)
{
    const Table table(source, "remedies.tsv");
    std::vector<Remedy> remedies;
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        Remedy remedy;
        remedy.abbreviation = table.Cell(row, "abbrev");
        if (CatalogueKey(remedy.abbreviation).empty())
            table.Fail(row, "empty abbreviation");
        remedy.name = Utf8ToCp1252(table.Cell(row, "name"));
        for (std::string_view label : Split(table.Cell(row, "kingdom"), '|'))
            if (!label.empty())
                remedy.kingdoms.emplace_back(label);
        if (remedy.IsPlant())
            remedy.properties |= Bit(fixtures::kPlantBit);
        if (remedy.IsMineral())
            remedy.properties |= Bit(fixtures::kMineralBit);
        if (remedy.HasKingdom("animal"))
            remedy.properties |= Bit(fixtures::kAnimalBit);
        if (remedy.HasKingdom("nosode"))
            remedy.properties |= Bit(fixtures::kNosodeBit);
        remedies.push_back(std::move(remedy));
    }
    std::stable_sort(remedies.begin(), remedies.end(), [](const Remedy& a, const Remedy& b) {
        return CompareNoCase(CatalogueKey(a.abbreviation), CatalogueKey(b.abbreviation)) < 0;
    });
    for (std::size_t i = 1; i < remedies.size(); ++i) {
        if (EqualsNoCase(CatalogueKey(remedies[i - 1].abbreviation), CatalogueKey(remedies[i].abbreviation)))
            throw std::runtime_error("remedies.tsv: " + remedies[i - 1].abbreviation + " and "
                + remedies[i].abbreviation + " have the same catalogue abbreviation");
    }
    return remedies;
}

class RemedyCodes
{
public:
    explicit RemedyCodes(const std::vector<Remedy>& remedies)
    {
        for (std::size_t code = 0; code < remedies.size(); ++code)
            m_codes.emplace(remedies[code].abbreviation, static_cast<int>(code));
    }
    std::optional<int> Find(const std::string& abbreviation) const
    {
        const auto it = m_codes.find(abbreviation);
        return it == m_codes.end() ? std::nullopt : std::optional<int>(it->second);
    }
    int Get(const Table& table, std::size_t row, const std::string& abbreviation) const
    {
        const auto code = Find(abbreviation);
        if (!code)
            table.Fail(row, "remedy " + abbreviation + " is not in remedies.tsv");
        return *code;
    }

private:
    std::map<std::string, int> m_codes;
};

// Names separated by commas, each looked up in a table of bit names.
std::uint32_t NamedBits(
    const Table& table, std::size_t row, std::string_view column, const std::string_view* names, std::size_t count)
{
    std::uint32_t bits = 0;
    for (std::string_view part : Split(table.Cell(row, column), ',')) {
        const std::string_view name = TrimBlanks(part);
        if (name.empty())
            continue;
        const int bit = fixtures::FindBit(name, names, count);
        if (bit < 0)
            table.Fail(row, "unknown name \"" + std::string(name) + "\"");
        bits |= Bit(bit);
    }
    return bits;
}

void ReadPropertyWords(const fs::path& source, std::vector<Remedy>& remedies, const RemedyCodes& codes)
{
    const Table table(source, "remedy_properties.tsv");
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        const int code = codes.Get(table, row, table.Cell(row, "abbrev"));
        remedies[static_cast<std::size_t>(code)].properties
            |= NamedBits(table, row, "properties", fixtures::kPropertyNames.data(), fixtures::kPropertyNames.size());
    }
}

void AddCatalogue(const std::vector<Remedy>& remedies, std::vector<PracticeFile>& files)
{
    std::vector<fixtures::CatalogueRemedy> catalogue;
    for (const Remedy& remedy : remedies) {
        // A remedy without a known full name shows its abbreviation in its place.
        std::string fullName = remedy.name.empty() ? std::string(TrimAbbreviation(remedy.abbreviation)) : remedy.name;
        catalogue.push_back({remedy.abbreviation, std::move(fullName), remedy.properties});
    }
    fixtures::CatalogueImages images = fixtures::EncodeCatalogue(catalogue);
    files.push_back({kDrugFile, std::move(images.drugDat)});
    files.push_back({kDrugPropertyFile, std::move(images.druglDat)});
    files.push_back({kFullDrugFile, std::move(images.fulldrugTxt)});
}

// ---- patients and visits ------------------------------------------------------------------------

struct Rubric
{
    char kind = 'F';
    std::string text; // Windows-1252
    std::vector<RemedyGrade> remedies;
};

char KindOfChapter(std::string_view chapter)
{
    if (chapter == "MIND")
        return 'M';
    if (chapter == "GENERALITIES")
        return 'G';
    return 'F';
}

std::map<std::string, Rubric> ReadRubrics(const fs::path& source, const RemedyCodes& codes)
{
    const Table table(source, "rubrics.tsv");
    std::map<std::string, Rubric> rubrics;
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        Rubric rubric;
        rubric.kind = KindOfChapter(table.Cell(row, "chapter"));
        rubric.text = Utf8ToCp1252(table.Cell(row, "rubric"));
        if (rubric.text.empty())
            table.Fail(row, "empty rubric");
        for (std::string_view item : Split(table.Cell(row, "remedies"), ' ')) {
            if (item.empty())
                continue;
            const std::size_t colon = item.rfind(':');
            const std::string_view grade
                = colon == std::string_view::npos ? std::string_view{} : item.substr(colon + 1);
            if (grade.size() != 1 || grade[0] < '1' || grade[0] > '9')
                table.Fail(row, "remedy entry \"" + std::string(item) + "\" has no grade 1 to 9");
            rubric.remedies.push_back({codes.Get(table, row, std::string(item.substr(0, colon))), grade[0] - '0'});
        }
        if (rubric.remedies.empty())
            table.Fail(row, "rubric without remedies");
        if (!rubrics.emplace(table.Cell(row, "id"), std::move(rubric)).second)
            table.Fail(row, "repeated rubric id");
    }
    return rubrics;
}

struct Patient
{
    std::string regNo;
    std::vector<fixtures::VisitSpec> visits;
    std::vector<std::string> visitDates; // as written in the table, parallel to visits
};

// Patients in the order of their first line in "patients.tsv".
std::vector<Patient> ReadPatientIndex(const fs::path& source, std::vector<PracticeFile>& files)
{
    const Table practice(source, "practice.tsv");
    std::string physician;
    for (std::size_t row = 0; row < practice.RowCount(); ++row)
        if (practice.Cell(row, "key") == "physician")
            physician = Utf8ToCp1252(practice.Cell(row, "value"));
    if (physician.empty())
        throw std::runtime_error("practice.tsv: no physician");

    const Table table(source, "patients.tsv");
    std::vector<fixtures::PatientSpec> lines;
    std::vector<Patient> patients;
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        fixtures::PatientSpec line{table.Cell(row, "reg_no"), Utf8ToCp1252(table.Cell(row, "name")),
            table.Cell(row, "age"), table.Cell(row, "visit_date")};
        if (line.regNo.empty() || line.regNo.find(':') != std::string::npos || line.name.find(':') != std::string::npos
            || line.age.find(':') != std::string::npos)
            table.Fail(row, "a registration number is needed, and no field may hold ':'");
        const bool listed
            = std::any_of(patients.begin(), patients.end(), [&](const Patient& p) { return p.regNo == line.regNo; });
        if (!listed)
            patients.push_back({line.regNo, {}, {}});
        lines.push_back(std::move(line));
    }
    files.push_back({"PatDet.txt", fixtures::EncodePatientIndex(physician, lines)});
    return patients;
}

Patient& FindPatient(std::vector<Patient>& patients, const Table& table, std::size_t row)
{
    const std::string& regNo = table.Cell(row, "reg_no");
    for (Patient& patient : patients)
        if (patient.regNo == regNo)
            return patient;
    table.Fail(row, "patient " + regNo + " is not in patients.tsv");
}

void ReadVisits(const fs::path& source, const std::map<std::string, Rubric>& rubrics, std::vector<Patient>& patients)
{
    const Table table(source, "visit_symptoms.tsv");
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        Patient& patient = FindPatient(patients, table, row);
        const std::string& date = table.Cell(row, "visit_date");
        auto visit = std::find(patient.visitDates.begin(), patient.visitDates.end(), date);
        if (visit == patient.visitDates.end()) {
            const auto parts = Split(date, '/');
            std::array<int, 3> fields{};
            bool valid = parts.size() == 3;
            for (std::size_t i = 0; valid && i < 3; ++i) {
                const auto [end, error]
                    = std::from_chars(parts[i].data(), parts[i].data() + parts[i].size(), fields[i]);
                valid = error == std::errc() && end == parts[i].data() + parts[i].size() && fields[i] >= 0
                    && fields[i] <= 0xFFFF;
            }
            if (!valid)
                table.Fail(row, "visit date \"" + date + "\" is not day/month/year");
            patient.visits.push_back({fields[0], fields[1], fields[2], {}});
            patient.visitDates.push_back(date);
            visit = patient.visitDates.end() - 1;
        }
        const auto rubric = rubrics.find(table.Cell(row, "rubric_id"));
        if (rubric == rubrics.end())
            table.Fail(row, "rubric " + table.Cell(row, "rubric_id") + " is not in rubrics.tsv");
        fixtures::SymptomSpec symptom;
        symptom.type = table.Number(row, "repertory", 0, static_cast<int>(kRepertoryNames.size()) - 1);
        symptom.level = table.Number(row, "level", 0, 0xFFFF);
        symptom.kind = rubric->second.kind;
        const std::string_view repertory = kRepertoryNames[static_cast<std::size_t>(symptom.type)];
        symptom.text
            = repertory.empty() ? rubric->second.text : "[" + std::string(repertory) + "] " + rubric->second.text;
        symptom.remedies = rubric->second.remedies;
        patient.visits[static_cast<std::size_t>(visit - patient.visitDates.begin())].symptoms.push_back(
            std::move(symptom));
    }
}

void AddCaseRecords(const fs::path& source, std::vector<Patient>& patients, std::vector<PracticeFile>& files)
{
    const Table records(source, "case_records.tsv");
    std::map<std::string, std::vector<std::string>> fields;
    std::vector<std::string> order;
    for (std::size_t row = 0; row < records.RowCount(); ++row) {
        const Patient& patient = FindPatient(patients, records, row);
        auto [it, added] = fields.try_emplace(patient.regNo, fixtures::EmptyCaseRecordFields());
        if (added)
            order.push_back(patient.regNo);
        const int field = records.Number(row, "field", 0, static_cast<int>(fixtures::kCaseRecordFields) - 1);
        it->second[static_cast<std::size_t>(field)] = Utf8ToCp1252(records.Cell(row, "text"));
    }
    for (const std::string& regNo : order)
        files.push_back({regNo + ".cas", fixtures::EncodeCaseRecord(fields[regNo])});

    const Table followups(source, "followups.tsv");
    std::map<std::string, std::vector<fixtures::FollowupSpec>> visits;
    order.clear();
    for (std::size_t row = 0; row < followups.RowCount(); ++row) {
        const Patient& patient = FindPatient(patients, followups, row);
        auto [it, added] = visits.try_emplace(patient.regNo);
        if (added)
            order.push_back(patient.regNo);
        const auto cell = [&](std::string_view column) { return Utf8ToCp1252(followups.Cell(row, column)); };
        it->second.push_back({cell("date"), cell("complaints"), cell("remedy"), cell("potency"), cell("repetition"),
            cell("evaluation"), {}});
    }
    for (const std::string& regNo : order)
        files.push_back({regNo + ".flw", fixtures::EncodeFollowups(visits[regNo])});
}

// ---- filter files -------------------------------------------------------------------------------

// Sorted without regard to letter case; equal names once.
std::vector<std::string> SortedList(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order = CompareNoCase(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

int LineNumber(const std::vector<std::string>& list, const std::string& name)
{
    return static_cast<int>(std::find(list.begin(), list.end(), name) - list.begin()) + 1;
}

// Class lists of the plant and animal filters from the natural orders, and one code word per remedy.
void AddKingdomFilters(const fs::path& source, const std::vector<Remedy>& remedies, const RemedyCodes& codes,
    std::vector<PracticeFile>& files)
{
    const Table orders(source, "natural_orders.tsv");
    std::vector<std::string> family(remedies.size());
    std::vector<std::string> plantFamilies;
    std::vector<std::string> animalFamilies;
    for (std::size_t row = 0; row < orders.RowCount(); ++row) {
        const auto code = static_cast<std::size_t>(codes.Get(orders, row, orders.Cell(row, "abbrev")));
        family[code] = Utf8ToCp1252(orders.Cell(row, "natural_order"));
        if (family[code].empty() || family[code].size() > 99)
            orders.Fail(row, "a natural order of 1 to 99 characters is needed");
        if (remedies[code].IsPlant())
            plantFamilies.push_back(family[code]);
        else if (remedies[code].IsAnimal())
            animalFamilies.push_back(family[code]);
    }
    plantFamilies = SortedList(std::move(plantFamilies));
    animalFamilies = SortedList(std::move(animalFamilies));

    std::vector<std::uint32_t> plantCodes(remedies.size());
    std::vector<std::uint32_t> animalCodes(remedies.size());
    for (std::size_t code = 0; code < remedies.size(); ++code) {
        if (family[code].empty())
            continue;
        if (remedies[code].IsPlant())
            plantCodes[code] = fixtures::MakeClassCode(LineNumber(plantFamilies, family[code]), 0);
        else if (remedies[code].IsAnimal())
            animalCodes[code] = fixtures::MakeClassCode(LineNumber(animalFamilies, family[code]), 0);
    }

    const Table types(source, "remedy_types.tsv");
    for (std::size_t row = 0; row < types.RowCount(); ++row) {
        const auto code = static_cast<std::size_t>(codes.Get(types, row, types.Cell(row, "abbrev")));
        const std::string& filter = types.Cell(row, "filter");
        if (filter == "plant") {
            plantCodes[code] |= NamedBits(types, row, "types", fixtures::kPlantTypeNames.data(), fixtures::kTypeCount);
        } else if (filter == "animal") {
            animalCodes[code]
                |= NamedBits(types, row, "types", fixtures::kAnimalTypeNames.data(), fixtures::kTypeCount);
        } else {
            types.Fail(row, "filter must be plant or animal");
        }
    }

    files.push_back({"plants.dat", fixtures::EncodeLineList(plantFamilies)});
    files.push_back({"plcode.dat", fixtures::EncodeCodeWords(plantCodes)});
    files.push_back({"animals.dat", fixtures::EncodeLineList(animalFamilies)});
    files.push_back({"anmlcode.dat", fixtures::EncodeCodeWords(animalCodes)});
}

struct Element
{
    int number = 0;
    std::string symbol;
    std::string name;
    int period = 0;
    int xpos = 0;
    int ypos = 0;
};

std::vector<Element> ReadElements(const fs::path& source)
{
    const Table table(source, "elements.tsv");
    std::vector<Element> elements;
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        Element element{table.Number(row, "number", 1, 254), table.Cell(row, "symbol"),
            Utf8ToCp1252(table.Cell(row, "name")), table.Number(row, "period", 1, 7), table.Number(row, "xpos", 1, 18),
            table.Number(row, "ypos", 1, 10)};
        if (element.symbol.empty() || element.symbol.size() > 4 || element.name.empty() || element.name.size() > 99)
            table.Fail(row, "a symbol of 1 to 4 and a name of 1 to 99 characters are needed");
        elements.push_back(std::move(element));
    }
    return elements;
}

const Element* ElementAt(const std::vector<Element>& elements, int xpos, int ypos)
{
    for (const Element& element : elements)
        if (element.xpos == xpos && element.ypos == ypos)
            return &element;
    return nullptr;
}

// "period.txt" holds the main table cell by cell; the lanthanide and actinide places (cells 92 and
// 110) hold the first element of their series. "lanth.txt" holds the two series, 15 elements each.
// Row and column fields are the period and the column of the usual 18-column table, both from 1.
void AddPeriodicTable(const std::vector<Element>& elements, std::vector<PracticeFile>& files)
{
    std::vector<fixtures::ElementCellSpec> mainCells;
    for (int cell = 0; cell < fixtures::kMainCellCount; ++cell) {
        if (fixtures::IsBlankMainCell(cell))
            continue;
        const int row = cell / 18;
        const int column = cell % 18;
        const Element* element = cell == fixtures::kLanthanideCell ? ElementAt(elements, 3, 9)
            : cell == fixtures::kActinideCell                      ? ElementAt(elements, 3, 10)
                                                                   : ElementAt(elements, column + 1, row + 1);
        if (element == nullptr)
            throw std::runtime_error("elements.tsv: no element for table cell " + std::to_string(cell));
        mainCells.push_back({row + 1, column + 1, element->number, element->symbol, element->name});
    }
    std::vector<fixtures::ElementCellSpec> blockCells;
    for (int ypos : {9, 10}) {
        for (int xpos = 1; xpos <= 18; ++xpos)
            if (const Element* element = ElementAt(elements, xpos, ypos))
                blockCells.push_back({element->period, xpos, element->number, element->symbol, element->name});
    }
    if (mainCells.size() != fixtures::kPeriodLineCount || blockCells.size() != fixtures::kBlockLineCount)
        throw std::runtime_error("elements.tsv: the table does not fill the periodic table's cells");
    files.push_back({"period.txt", fixtures::EncodeElementCells(mainCells)});
    files.push_back({"lanth.txt", fixtures::EncodeElementCells(blockCells)});
}

std::string LowerAsciiWord(std::string_view word)
{
    std::string out;
    for (char c : word) {
        if (c >= 'A' && c <= 'Z')
            out.push_back(static_cast<char>(c - 'A' + 'a'));
        else if (c >= 'a' && c <= 'z')
            out.push_back(c);
    }
    return out;
}

// Element composition and basic group of the mineral remedies, read off their names: each word of a
// name that the word table knows adds its elements (at most four in all, each once), and the first
// word with a basic group gives the group.
void AddMineralCodes(const fs::path& source, const std::vector<Remedy>& remedies, const std::vector<Element>& elements,
    std::vector<PracticeFile>& files)
{
    struct Word
    {
        std::vector<std::uint8_t> elements;
        int group = 0;
    };
    const Table table(source, "mineral_words.tsv");
    std::map<std::string, Word> words;
    std::vector<std::string> groups; // in order of first mention
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        Word word;
        for (std::string_view symbol : Split(table.Cell(row, "elements"), ' ')) {
            if (symbol.empty())
                continue;
            const auto element
                = std::find_if(elements.begin(), elements.end(), [&](const Element& e) { return e.symbol == symbol; });
            if (element == elements.end())
                table.Fail(row, "unknown element " + std::string(symbol));
            word.elements.push_back(static_cast<std::uint8_t>(element->number));
        }
        const std::string group = Utf8ToCp1252(table.Cell(row, "basic_group"));
        if (!group.empty()) {
            if (std::find(groups.begin(), groups.end(), group) == groups.end())
                groups.push_back(group);
            word.group = LineNumber(groups, group);
        }
        if (!words.emplace(LowerAsciiWord(table.Cell(row, "word")), std::move(word)).second)
            table.Fail(row, "repeated word");
    }

    std::vector<fixtures::MineralCodeSpec> records(remedies.size());
    for (std::size_t code = 0; code < remedies.size(); ++code) {
        if (!remedies[code].IsMineral())
            continue;
        fixtures::MineralCodeSpec& record = records[code];
        std::size_t count = 0;
        for (std::string_view part : Split(remedies[code].name, ' ')) {
            const auto word = words.find(LowerAsciiWord(part));
            if (word == words.end())
                continue;
            if (record.group == 0)
                record.group = static_cast<std::uint16_t>(word->second.group);
            for (std::uint8_t element : word->second.elements) {
                const auto end = record.elements.begin() + static_cast<std::ptrdiff_t>(count);
                if (count < record.elements.size() && std::find(record.elements.begin(), end, element) == end)
                    record.elements[count++] = element;
            }
        }
    }
    files.push_back({"othergrp.txt", fixtures::EncodeLineList(groups)});
    files.push_back({"minrcode.dat", fixtures::EncodeMineralCodes(records)});
}

} // namespace

std::vector<PracticeFile> BuildPractice(const fs::path& sourceFolder)
{
    std::vector<PracticeFile> files;
    std::vector<Remedy> remedies = ReadRemedies(sourceFolder);
    const RemedyCodes codes(remedies);
    ReadPropertyWords(sourceFolder, remedies, codes);

    std::vector<Patient> patients = ReadPatientIndex(sourceFolder, files);
    AddCatalogue(remedies, files);
    ReadVisits(sourceFolder, ReadRubrics(sourceFolder, codes), patients);
    for (const Patient& patient : patients)
        if (!patient.visits.empty())
            files.push_back({patient.regNo + ".rsy", fixtures::EncodeRsy(patient.visits)});
    AddCaseRecords(sourceFolder, patients, files);

    AddKingdomFilters(sourceFolder, remedies, codes, files);
    const std::vector<Element> elements = ReadElements(sourceFolder);
    AddMineralCodes(sourceFolder, remedies, elements, files);
    AddPeriodicTable(elements, files);
    return files;
}

void WritePractice(const std::vector<PracticeFile>& files, const fs::path& outFolder)
{
    std::error_code error;
    fs::create_directories(outFolder, error);
    if (error)
        throw std::runtime_error("cannot create " + outFolder.string() + ": " + error.message());
    for (const PracticeFile& file : files)
        fixtures::WriteBytes(outFolder / file.name, file.bytes);
}

} // namespace quillon::sample
