// Benchmark workloads built from the real Kent rubrics of the shared reference data.
#pragma once

#include "fixtures/CaseWriters.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillon::bench {

struct KentRubric
{
    std::string chapter;
    std::string text;
    std::vector<std::pair<std::string, int>> remedies; // abbreviation as written ("Nux-v."), grade
};

// rubrics.tsv of the shared data folder (chapter, rubric, repertory, "Abbrev.:grade ..."); nothing when absent.
std::optional<std::vector<KentRubric>> ReadKentRubrics();

// The n rubrics with the most remedies, largest first.
std::vector<const KentRubric*> LargestRubrics(const std::vector<KentRubric>& rubrics, std::size_t n);

// A catalogue of `size` remedies: every Kent abbreviation plus numbered fillers, in catalogue order so that a
// remedy's code is its position.
struct BenchCatalogue
{
    fixtures::CatalogueImages images;
    std::map<std::string, int> codeOf; // trimmed abbreviation -> code
};
BenchCatalogue MakeCatalogue(const std::vector<KentRubric>& rubrics, int size);

// A recorded symptom of a rubric, its kind taken from the chapter.
fixtures::SymptomSpec ToSymptom(const KentRubric& rubric, const std::map<std::string, int>& codeOf);

} // namespace quillon::bench
