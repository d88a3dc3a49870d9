// The families the chart's remedies belong to: every plant class, every animal class, every row and every column
// of the periodic table and every basic mineral group, read from the same tables as the plant, animal and mineral
// filters, and the filter command that narrows the chart to one of them.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "chart/ChartCommand.h"
#include "filters/PeriodicTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class CRemedyCatalogue;
class CRepEngine;

inline constexpr int kDefaultFamilyTop = 20;
inline constexpr int kMaxFamilyTop = 500;

// Which families are listed: every kingdom, or one (the numbers of the kingdom filters).
enum class FamilyKingdoms : int { All = 0, Plant = 1, Mineral = 2, Animal = 3 };
// "all", "plant", "mineral", "animal"; the kingdom of a family as quillon-report prints it.
const char* KingdomWord(FamilyKingdoms kingdom) noexcept;
// The kingdom of a word, or nothing.
std::optional<FamilyKingdoms> KingdomOfWord(std::string_view word);

// The filters' tables as the families read them; a table whose files cannot be read stays absent.
struct FamilyTables
{
    bool hasPlants = false;
    std::vector<std::string> plantClasses; // "plants.dat"
    std::vector<std::uint8_t> plantCodes; // "plcode.dat"
    bool hasAnimals = false;
    std::vector<std::string> animalClasses;
    std::vector<std::uint8_t> animalCodes;
    bool hasMinerals = false;
    CellTable cells; // "period.txt" and "lanth.txt"
    std::vector<std::string> groups; // "othergrp.txt"
    std::vector<std::uint8_t> mineralCodes; // "minrcode.dat"
};

// Reads the tables, telling the sink of each file that cannot be read as the filters' dialogs do.
FamilyTables LoadFamilyTables(const CPracticeFolder& folder, IMessageSink& sink);

enum class FamilyKind : int { PlantClass, AnimalClass, Row, Column, Group };

// One remedy of the chart as the families count it.
struct FamilyRemedy
{
    int rank = 0; // place in the chart's display order, from 1
    int code = 0;
    std::string name;
    int totality = 0;
};

// The chart as it stands, in display order.
std::vector<FamilyRemedy> ChartFamilyRemedies(const CRepEngine& engine);

struct Family
{
    FamilyKingdoms kingdom = FamilyKingdoms::Plant;
    FamilyKind kind = FamilyKind::PlantClass;
    int number = 0; // class or group line from 1; row or column of the table from 0
    std::string name; // the class or group as its file writes it, or "Row N" / "Column N" (N from 1)
    int count = 0; // chart remedies in the family
    long long sum = 0; // of their totalities
    int best = 0; // best rank among them
    std::vector<std::string> first; // the first three by rank
};

// The families of the chart's remedies within `kingdoms`, by sum, then count, then name (without regard to
// case); every family when top is 0, else the first `top`. A remedy counts in a kingdom's families only with
// that kingdom's property, as its filter keeps it.
std::vector<Family> ReadFamilies(const std::vector<FamilyRemedy>& chart, const CRemedyCatalogue* catalogue,
    const FamilyTables& tables, FamilyKingdoms kingdoms, int top = 0);

// The kingdom filter answered so that it keeps exactly the family: the command the chart runs.
ChartCommand FamilyFilterCommand(const Family& family, const FamilyTables& tables);

} // namespace quillon
