// Benchmark workloads built from the real Kent rubrics of the shared reference data.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/RemedyCatalogue.h"
#include "engine/RepEngine.h"
#include "fixtures/CaseWriters.h"

#include <map>
#include <memory>
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

    // The images read back as the program's remedy catalogue.
    std::unique_ptr<CRemedyCatalogue> Load(IMessageSink& sink) const;
};
BenchCatalogue MakeCatalogue(const std::vector<KentRubric>& rubrics, int size);

// A recorded symptom of a rubric, its kind taken from the chapter.
fixtures::SymptomSpec ToSymptom(const KentRubric& rubric, const std::map<std::string, int>& codeOf);

// The workload every chart benchmark starts from: the n largest rubrics as the symptoms of one visit over a
// catalogue of `catalogueSize` remedies. `error` says why it could not be made (then the rest is empty).
struct KentVisit
{
    BenchCatalogue catalogue;
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    std::size_t entries = 0; // remedy entries of all the symptoms
    std::string error;

    // The visit as a ".rsy" image, loaded into `store`; false when it did not load.
    bool LoadInto(CCaseStore& store) const;
};
KentVisit MakeKentVisit(std::size_t symptoms, int catalogueSize);

// A chart over the Kent visit as it opens: the catalogue, the visit loaded into a store and an engine after its
// first build. `error` names what failed, and is empty otherwise.
struct KentChart
{
    RecordingMessageSink sink;
    CPracticeFolder folder;
    std::unique_ptr<CRemedyCatalogue> catalogue;
    std::unique_ptr<CCaseStore> store;
    std::unique_ptr<CRepEngine> engine;
    std::string error;
};
void StartKentChart(KentChart& chart, std::size_t symptoms, int catalogueSize);

} // namespace quillon::bench
