// A small case for the method tests: seven remedies with known property words and six recorded symptoms
// (three mind, one of them repeating a text, one general, two rest), loaded through the ".rsy" reader.
#pragma once

#include "casedata/ByteReader.h"
#include "fixtures/CaseWriters.h"
#include "repertory/RepEngine.h"
#include "repertory/RepMethods.h"
#include "state/QuillonState.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon::testing {

enum Code { kAcon = 0, kApis, kBell, kCalc, kLach, kNatM, kSulph };

constexpr std::uint32_t Bit(int k)
{
    return 1u << static_cast<unsigned>(k - 1);
}
// Property numbers used below.
constexpr int kPsoric = 1, kChilly = 5, kHot = 6, kPlant = 20, kMineral = 21, kAnimal = 22;

// Records with numbered texts, and the set that borrows them (the Weightage model's input).
inline std::vector<std::unique_ptr<CSymptomRecord>> MakeSymptoms(int n)
{
    std::vector<std::unique_ptr<CSymptomRecord>> records;
    for (int i = 0; i < n; ++i) {
        records.push_back(std::make_unique<CSymptomRecord>());
        records.back()->m_pszText = "MIND - symptom " + std::to_string(i);
    }
    return records;
}

inline std::vector<CSymptomRecord*> Borrow(const std::vector<std::unique_ptr<CSymptomRecord>>& records)
{
    std::vector<CSymptomRecord*> set;
    for (const auto& record : records)
        set.push_back(record.get());
    return set;
}

inline fixtures::CatalogueImages MethodsCatalogue()
{
    return fixtures::EncodeCatalogue({
        {"Acon.", "Aconitum napellus", Bit(kPsoric) | Bit(kHot) | Bit(kPlant)},
        {"Apis.", "Apis mellifica", Bit(kPsoric) | Bit(kAnimal)},
        {"Bell.", "Belladonna", Bit(kHot) | Bit(kPlant)},
        {"Calc.", "Calcarea carbonica", Bit(kPsoric) | Bit(kHot) | Bit(kMineral)},
        {"Lach.", "Lachesis", Bit(kHot) | Bit(kAnimal)},
        {"Nat-m.", "Natrum muriaticum", Bit(kPsoric) | Bit(kChilly) | Bit(kMineral)},
        {"Sulph.", "Sulphur", Bit(kPsoric) | Bit(kHot) | Bit(kMineral)},
    });
}

inline fixtures::VisitSpec MethodsVisit()
{
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    visit.symptoms = {
        {"MIND - ANXIETY", 'M', 1, 2, {{kAcon, 3}, {kCalc, 2}, {kLach, 1}}},
        {"MIND - FEAR - death, of", 'M', 1, 2, {{kAcon, 3}, {kApis, 1}}},
        {"MIND - ANXIETY", 'M', 2, 2, {{kAcon, 2}, {kCalc, 1}}},
        {"GENERALS - COLD - agg.", 'G', 1, 2, {{kCalc, 3}, {kNatM, 2}, {kSulph, 1}}},
        {"HEAD - PAIN - morning", 'F', 1, 2, {{kBell, 3}, {kSulph, 2}, {kCalc, 1}}},
        {"STOMACH - NAUSEA", 'F', 1, 2, {{kNatM, 1}, {kBell, 2}}},
    };
    return visit;
}

class ScriptedWeightage final : public IWeightageChooser
{
public:
    bool ChooseWeightage(CWeightageModel& model) override
    {
        ++calls;
        seen.clear();
        for (int i = 0; i < model.SymptomCount(); ++i)
            seen.push_back(model.Intensity(i));
        return answer ? answer(model) : false;
    }
    std::function<bool(CWeightageModel&)> answer;
    std::vector<int> seen; // the intensities the dialog opened with
    int calls = 0;
};

class ScriptedDrugFilter final : public IDrugFilterChooser
{
public:
    bool ChooseDrugFilter(CDrugFilterModel& model) override
    {
        ++calls;
        opened.clear();
        for (int k = 1; k <= kDrugPropertyCount; ++k) {
            if (model.IsChecked(k))
                opened.push_back(k);
            model.SetChecked(k, false);
        }
        for (const int k : boxes)
            model.SetChecked(k, true);
        return ok;
    }
    std::vector<int> boxes;
    bool ok = true;
    std::vector<int> opened; // the boxes checked when it opened
    int calls = 0;
};

class ScriptedKingdom final : public IKingdomChooser
{
public:
    std::optional<KingdomDialogResult> ChooseKingdom(
        int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state) override
    {
        ++calls;
        kind = nKind;
        offered = remedies;
        if (mineralNoSelection)
            state.m_bMineralNoSelection = true;
        return answer;
    }
    std::optional<KingdomDialogResult> answer;
    bool mineralNoSelection = false;
    int kind = 0;
    std::vector<FilterRemedy> offered;
    int calls = 0;
};

// The state, an engine and the methods over the case above, started as the chart starts.
struct MethodsCase
{
    explicit MethodsCase(const fixtures::VisitSpec& visit = MethodsVisit()) : state(CPracticeFolder(), sink)
    {
        const auto images = MethodsCatalogue();
        state.m_pRemedyCatalogue
            = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
        Load(visit);
        engine = std::make_unique<CRepEngine>(state, state.m_pRemedyCatalogue.get(), sink);
        methods = std::make_unique<CRepMethods>(state, *engine, sink);
        methods->SetChoosers(&weightage, &drugFilter, &kingdom);
        methods->Start();
    }

    void Load(const fixtures::VisitSpec& visit)
    {
        rsy = fixtures::EncodeRsy({visit});
        state.IndexVisits(AsBytes(rsy));
        state.LoadVisitFromImage(AsBytes(rsy), 0);
    }

    // The chart's rows as "name totality covered", in display order.
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int r = 0; r < engine->RemedyCount(); ++r)
            rows.push_back(std::string(engine->RemedyName(r)) + " " + std::to_string(engine->RemedyTotality(r)) + " "
                + std::to_string(engine->RemedyCovered(r)));
        return rows;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int r = 0; r < engine->RemedyCount(); ++r)
            names.emplace_back(engine->RemedyName(r));
        return names;
    }
    std::vector<std::string> ActiveTexts() const
    {
        std::vector<std::string> texts;
        for (const CSymptomRecord* record : state.m_mapRepSymptoms)
            texts.push_back(record->m_pszText);
        return texts;
    }
    // Puts live symptoms on a clipboard of the case store and copies the store into the chart.
    void PutOnClipboard(int k, const std::vector<int>& symptoms)
    {
        auto& clip = k == 0 ? state.m_mapClipboard1 : (k == 1 ? state.m_mapClipboard2 : state.m_mapClipboard3);
        for (const int s : symptoms)
            clip.push_back(state.m_mapSymptoms[static_cast<std::size_t>(s)].get());
        methods->OnSymptomListClosed();
    }

    RecordingMessageSink sink;
    CQuillonState state;
    std::string rsy;
    std::unique_ptr<CRepEngine> engine;
    std::unique_ptr<CRepMethods> methods;
    ScriptedWeightage weightage;
    ScriptedDrugFilter drugFilter;
    ScriptedKingdom kingdom;
};

} // namespace quillon::testing
