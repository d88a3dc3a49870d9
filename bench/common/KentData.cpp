// Benchmark workloads from the Kent rubrics.
#include "common/KentData.h"

#include "casedata/ByteReader.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace quillon::bench {

std::optional<std::vector<KentRubric>> ReadKentRubrics()
{
    std::ifstream in(std::string(QUILLON_SHARED_DATA) + "/rubrics.tsv");
    if (!in)
        return std::nullopt;
    std::vector<KentRubric> rubrics;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream columns(line);
        for (std::string field; std::getline(columns, field, '\t');)
            fields.push_back(field);
        if (fields.size() < 4)
            continue;
        KentRubric rubric{fields[0], fields[1], {}};
        std::stringstream items(fields[3]);
        for (std::string item; items >> item;) {
            const auto colon = item.rfind(':');
            if (colon != std::string::npos)
                rubric.remedies.emplace_back(item.substr(0, colon), std::atoi(item.c_str() + colon + 1));
        }
        rubrics.push_back(std::move(rubric));
    }
    return rubrics;
}

std::vector<const KentRubric*> LargestRubrics(const std::vector<KentRubric>& rubrics, std::size_t n)
{
    std::vector<const KentRubric*> largest;
    for (const KentRubric& rubric : rubrics)
        largest.push_back(&rubric);
    std::stable_sort(largest.begin(), largest.end(),
        [](const KentRubric* a, const KentRubric* b) { return a->remedies.size() > b->remedies.size(); });
    largest.resize(std::min(largest.size(), n));
    return largest;
}

BenchCatalogue MakeCatalogue(const std::vector<KentRubric>& rubrics, int size)
{
    std::set<std::string> names;
    for (const KentRubric& rubric : rubrics)
        for (const auto& remedy : rubric.remedies)
            names.insert(std::string(TrimAbbreviation(remedy.first)));
    for (int i = 0; static_cast<int>(names.size()) < size; ++i)
        names.insert("Zq" + std::to_string(i));
    std::vector<std::string> ordered(names.begin(), names.end());
    std::stable_sort(ordered.begin(), ordered.end(),
        [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    BenchCatalogue catalogue;
    std::vector<fixtures::CatalogueRemedy> remedies;
    for (const std::string& name : ordered) {
        catalogue.codeOf.emplace(name, static_cast<int>(remedies.size()));
        remedies.push_back({name + ".", name + " (full name)", static_cast<std::uint32_t>(remedies.size())});
    }
    catalogue.images = fixtures::EncodeCatalogue(remedies);
    return catalogue;
}

std::unique_ptr<CRemedyCatalogue> BenchCatalogue::Load(IMessageSink& sink) const
{
    return CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
}

fixtures::SymptomSpec ToSymptom(const KentRubric& rubric, const std::map<std::string, int>& codeOf)
{
    fixtures::SymptomSpec symptom;
    symptom.text = rubric.text;
    symptom.kind = rubric.chapter == "MIND" ? 'M' : rubric.chapter == "GENERALITIES" ? 'G' : 'F';
    symptom.type = 1;
    symptom.level = 2;
    for (const auto& [abbreviation, grade] : rubric.remedies)
        symptom.remedies.push_back({codeOf.at(std::string(TrimAbbreviation(abbreviation))), grade});
    return symptom;
}

KentVisit MakeKentVisit(std::size_t symptoms, int catalogueSize)
{
    KentVisit made;
    const auto rubrics = ReadKentRubrics();
    if (!rubrics) {
        made.error = "rubrics.tsv not found under " QUILLON_SHARED_DATA;
        return made;
    }
    made.catalogue = MakeCatalogue(*rubrics, catalogueSize);
    for (const KentRubric* rubric : LargestRubrics(*rubrics, symptoms)) {
        made.visit.symptoms.push_back(ToSymptom(*rubric, made.catalogue.codeOf));
        made.entries += rubric->remedies.size();
    }
    return made;
}

bool KentVisit::LoadInto(CCaseStore& store) const
{
    const std::string image = fixtures::EncodeRsy({visit});
    return store.IndexVisits(AsBytes(image)) && store.LoadVisitFromImage(AsBytes(image), 0);
}

void StartKentChart(KentChart& chart, std::size_t symptoms, int catalogueSize)
{
    const KentVisit kent = MakeKentVisit(symptoms, catalogueSize);
    if (!kent.error.empty()) {
        chart.error = kent.error;
        return;
    }
    chart.catalogue = kent.catalogue.Load(chart.sink);
    chart.store = std::make_unique<CCaseStore>(chart.folder, chart.sink);
    if (!kent.LoadInto(*chart.store)) {
        chart.error = "the visit did not load";
        return;
    }
    chart.engine = std::make_unique<CRepEngine>(*chart.store, chart.catalogue.get(), chart.sink);
    if (!chart.engine->Start())
        chart.error = "the chart was not built";
}

} // namespace quillon::bench
