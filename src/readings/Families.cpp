// The families of the chart's remedies.
#include "readings/Families.h"

#include "casedata/ByteReader.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "filters/DrugFilter.h"
#include "filters/FilterFiles.h"

#include <algorithm>
#include <array>
#include <map>

namespace quillon {
namespace {

bool ReadBytes(const CPracticeFolder& folder, const char* name, std::vector<std::uint8_t>& bytes, IMessageSink& sink)
{
    if (folder.ReadFile(name, bytes) == ReadStatus::Ok && !bytes.empty())
        return true;
    sink.Show(QT_TRANSLATE_NOOP("Message", "Error reading file"), name, MessageIcon::Error);
    return false;
}

bool HasKingdom(const CRemedyCatalogue* catalogue, int code, int bit)
{
    const RemedyEntry* entry = catalogue ? catalogue->Entry(code) : nullptr;
    const std::uint32_t word = entry ? catalogue->GetPropertyMask(entry->propertyIndex) : 0;
    return PassesPropertyMask(word, 1u << static_cast<unsigned>(bit));
}

// The first cell of a row or column that a right click can select (its anchor), or -1.
int AnchorCell(const CellTable& cells, FamilyKind kind, int number)
{
    for (int i = 0; i < kMainCells; ++i) {
        const bool inLine = kind == FamilyKind::Row ? i / kTableColumns == number : i % kTableColumns == number;
        if (inLine && !IsGapCell(i) && !cells[static_cast<std::size_t>(i)].IsBlank())
            return i;
    }
    return -1;
}

} // namespace

const char* KingdomWord(FamilyKingdoms kingdom) noexcept
{
    switch (kingdom) {
    case FamilyKingdoms::Plant: return "plant";
    case FamilyKingdoms::Mineral: return "mineral";
    case FamilyKingdoms::Animal: return "animal";
    case FamilyKingdoms::All: break;
    }
    return "all";
}

std::optional<FamilyKingdoms> KingdomOfWord(std::string_view word)
{
    for (const FamilyKingdoms k :
        {FamilyKingdoms::All, FamilyKingdoms::Plant, FamilyKingdoms::Animal, FamilyKingdoms::Mineral})
        if (word == KingdomWord(k))
            return k;
    return std::nullopt;
}

FamilyTables LoadFamilyTables(const CPracticeFolder& folder, IMessageSink& sink)
{
    FamilyTables tables;
    std::vector<std::uint8_t> list;
    if (ReadBytes(folder, kPlantClassFile, list, sink) && ReadBytes(folder, kPlantCodeFile, tables.plantCodes, sink)) {
        tables.plantClasses = ReadLineList(list);
        tables.hasPlants = true;
    }
    if (ReadBytes(folder, kAnimalClassFile, list, sink)
        && ReadBytes(folder, kAnimalCodeFile, tables.animalCodes, sink)) {
        tables.animalClasses = ReadLineList(list);
        tables.hasAnimals = true;
    }
    std::vector<std::uint8_t> period;
    std::vector<std::uint8_t> lanth;
    const bool hasPeriod = ReadBytes(folder, kPeriodFile, period, sink);
    const bool hasLanth = ReadBytes(folder, kLanthFile, lanth, sink);
    const std::string periodText(period.begin(), period.end());
    const std::string lanthText(lanth.begin(), lanth.end());
    BuildCells(tables.cells, hasPeriod ? &periodText : nullptr, hasLanth ? &lanthText : nullptr, sink);
    if (ReadBytes(folder, kOtherGroupFile, list, sink))
        tables.groups = ReadLineList(list);
    tables.hasMinerals = ReadBytes(folder, kMineralCodeFile, tables.mineralCodes, sink);
    return tables;
}

std::vector<FamilyRemedy> ChartFamilyRemedies(const CRepEngine& engine)
{
    std::vector<FamilyRemedy> chart;
    chart.reserve(static_cast<std::size_t>(engine.RemedyCount()));
    for (int r = 0; r < engine.RemedyCount(); ++r) {
        const RemedyResult* result = engine.SortedRemedy(r);
        chart.push_back(FamilyRemedy{r + 1, result->code, result->name, result->totality});
    }
    return chart;
}

std::vector<Family> ReadFamilies(const std::vector<FamilyRemedy>& chart, const CRemedyCatalogue* catalogue,
    const FamilyTables& tables, FamilyKingdoms kingdoms, int top)
{
    std::map<std::pair<FamilyKind, int>, Family> found;
    const auto add
        = [&found](FamilyKingdoms kingdom, FamilyKind kind, int number, std::string name, const FamilyRemedy& remedy) {
              Family& family = found[{kind, number}];
              if (family.count == 0) {
                  family.kingdom = kingdom;
                  family.kind = kind;
                  family.number = number;
                  family.name = std::move(name);
                  family.best = remedy.rank;
              }
              ++family.count;
              family.sum += remedy.totality;
              family.best = std::min(family.best, remedy.rank);
              if (family.first.size() < 3)
                  family.first.push_back(remedy.name);
          };
    const auto wanted = [kingdoms](FamilyKingdoms k) { return kingdoms == FamilyKingdoms::All || kingdoms == k; };

    // The element numbers of each row and each column of the main table, as a right click selects them.
    std::array<int, 256> rowOf{};
    std::array<int, 256> columnOf{};
    rowOf.fill(-1);
    columnOf.fill(-1);
    for (int i = 0; i < kMainCells; ++i) {
        const CElementCell& cell = tables.cells[static_cast<std::size_t>(i)];
        if (cell.IsBlank() || cell.number <= 0 || cell.number >= kNoElement)
            continue;
        rowOf[static_cast<std::size_t>(cell.number)] = i / kTableColumns;
        columnOf[static_cast<std::size_t>(cell.number)] = i % kTableColumns;
    }

    for (const FamilyRemedy& remedy : chart) {
        const struct
        {
            FamilyKingdoms kingdom;
            int bit;
            bool has;
            const std::vector<std::string>& classes;
            const std::vector<std::uint8_t>& codes;
            FamilyKind kind;
        } classKingdoms[] = {{FamilyKingdoms::Plant, kPlantBit, tables.hasPlants, tables.plantClasses,
                                 tables.plantCodes, FamilyKind::PlantClass},
            {FamilyKingdoms::Animal, kAnimalBit, tables.hasAnimals, tables.animalClasses, tables.animalCodes,
                FamilyKind::AnimalClass}};
        for (const auto& k : classKingdoms) {
            std::uint32_t word = 0;
            if (!wanted(k.kingdom) || !k.has || !HasKingdom(catalogue, remedy.code, k.bit)
                || !ReadCodeWord(k.codes, remedy.code, word))
                continue;
            const int line = ClassNumberOf(word);
            if (line >= 1 && line <= static_cast<int>(k.classes.size()))
                add(k.kingdom, k.kind, line, k.classes[static_cast<std::size_t>(line - 1)], remedy);
        }
        if (!wanted(FamilyKingdoms::Mineral) || !tables.hasMinerals || !HasKingdom(catalogue, remedy.code, kMineralBit))
            continue;
        const MineralCode code = ReadMineralCode(tables.mineralCodes, remedy.code);
        std::vector<std::pair<FamilyKind, int>> lines;
        for (const std::uint8_t element : code.elements) {
            for (const auto& [kind, table] :
                {std::pair{FamilyKind::Row, &rowOf}, std::pair{FamilyKind::Column, &columnOf}}) {
                const int at = (*table)[element];
                if (element != 0 && element != kNoElement && at >= 0
                    && std::find(lines.begin(), lines.end(), std::pair{kind, at}) == lines.end())
                    lines.emplace_back(kind, at);
            }
        }
        for (const auto& [kind, at] : lines)
            add(FamilyKingdoms::Mineral, kind, at,
                (kind == FamilyKind::Row ? "Row " : "Column ") + std::to_string(at + 1), remedy);
        const auto group = static_cast<std::size_t>(code.group);
        if (group >= 1 && group <= tables.groups.size())
            add(FamilyKingdoms::Mineral, FamilyKind::Group, static_cast<int>(group), tables.groups[group - 1], remedy);
    }

    std::vector<Family> families;
    families.reserve(found.size());
    for (auto& [key, family] : found)
        families.push_back(std::move(family));
    std::stable_sort(families.begin(), families.end(), [](const Family& a, const Family& b) {
        if (a.sum != b.sum)
            return a.sum > b.sum;
        if (a.count != b.count)
            return a.count > b.count;
        return CompareNoCase(a.name, b.name) < 0;
    });
    if (top > 0 && families.size() > static_cast<std::size_t>(top))
        families.resize(static_cast<std::size_t>(top));
    return families;
}

ChartCommand FamilyFilterCommand(const Family& family, const FamilyTables& tables)
{
    ChartCommand command;
    switch (family.kind) {
    case FamilyKind::PlantClass:
    case FamilyKind::AnimalClass:
        command.verb = family.kind == FamilyKind::PlantClass ? ChartVerb::Plant : ChartVerb::Animal;
        command.classLine = family.number;
        break;
    case FamilyKind::Row:
    case FamilyKind::Column: {
        // The other box unticked, then a right click on the line's first cell selects the whole line.
        command.verb = ChartVerb::Mineral;
        command.mineralSteps.emplace_back(family.kind == FamilyKind::Row ? "vertical" : "horizontal");
        command.mineralSteps.push_back("right=" + std::to_string(AnchorCell(tables.cells, family.kind, family.number)));
        break;
    }
    case FamilyKind::Group:
        command.verb = ChartVerb::Mineral;
        command.mineralSteps.push_back("group=" + std::to_string(family.number));
        break;
    }
    return command;
}

} // namespace quillon
