// A small case for the method tests: seven remedies with known property words and kingdoms, and six recorded
// symptoms (three mind, one of them repeating a text, one general, two rest); as a practice folder with the
// filter files, and as the state, engine and methods the chart starts with.
#pragma once

#include "casedata/ByteReader.h"
#include "chart/ChartSession.h"
#include "fixtures/CaseWriters.h"
#include "fixtures/FilterWriters.h"
#include "fixtures/PeriodicTableFiles.h"
#include "state/QuillonState.h"
#include "support/TempFolder.h"

#include <functional>
#include <memory>
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

inline std::vector<fixtures::CatalogueRemedy> MethodsRemedies()
{
    return {
        {"Acon.", "Aconitum napellus", Bit(kPsoric) | Bit(kHot) | Bit(kPlant)},
        {"Apis.", "Apis mellifica", Bit(kPsoric) | Bit(kAnimal)},
        {"Bell.", "Belladonna", Bit(kHot) | Bit(kPlant)},
        {"Calc.", "Calcarea carbonica", Bit(kPsoric) | Bit(kHot) | Bit(kMineral)},
        {"Lach.", "Lachesis", Bit(kHot) | Bit(kAnimal)},
        {"Nat-m.", "Natrum muriaticum", Bit(kPsoric) | Bit(kChilly) | Bit(kMineral)},
        {"Sulph.", "Sulphur", Bit(kPsoric) | Bit(kHot) | Bit(kMineral)},
    };
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

// Families that tie: Row 3 (Nat-m. 2 and Sulph. 3) and Ranunculaceae (Acon. 5) share the sum 5, the row with two
// remedies and the later name; Hymenoptera (Apis. 4) and Solanaceae (Bell. 4) share the sum 4 and the count, the
// plant class coming first among the kingdoms and last by name. Ophidia (Lach. 6) leads alone; Calc. is left out.
inline fixtures::VisitSpec FamilyTiesVisit()
{
    fixtures::VisitSpec visit{7, 3, 2004, {}};
    visit.symptoms = {
        {"MIND - ANXIETY", 'M', 1, 2, {{kLach, 3}, {kAcon, 3}, {kApis, 2}}},
        {"GENERALS - COLD - agg.", 'G', 1, 2, {{kLach, 3}, {kBell, 2}, {kNatM, 2}, {kApis, 2}}},
        {"HEAD - PAIN - morning", 'F', 1, 2, {{kAcon, 2}, {kBell, 2}, {kSulph, 3}}},
    };
    return visit;
}

// Patient "1" has the visit above; "2" one accented mind symptom; "3" one rest symptom only; "4" one mind symptom
// only; "5" three general, two mind (texts apart only in letter case), one rest, each kind's last with a remedy of its
// own. Plants: Acon. in Ranunculaceae with roots, Bell. in Solanaceae; animals: Apis. in Hymenoptera, Lach. in Ophidia,
// nothing in Aves; minerals: Calc. calcium, Nat-m. sodium and chlorine, Sulph. sulphur.
inline void WriteMethodsPractice(const TempFolder& folder)
{
    using namespace fixtures;
    folder.WriteCatalogue(MethodsRemedies());
    folder.Write("PatDet.txt",
        EncodePatientIndex("Dr. A. Iyer",
            {{"1", "Asha Rao", "34", "05/11/2002"}, {"2", "Zo\xEB", "5", "01/02/2003"}, {"3", "Rest", "1", "x"},
                {"4", "Mind", "1", "x"}, {"5", "Groups", "1", "x"}}));
    folder.Write("1.rsy", EncodeRsy({MethodsVisit()}));
    folder.Write("2.rsy", EncodeRsy({{1, 2, 2003, {{"[Kent]MIND - R\xEAverie", 'M', 1, 2, {{kAcon, 2}}}}}}));
    folder.Write("3.rsy", EncodeRsy({{1, 1, 2002, {{"HEAD - PAIN", 'F', 1, 2, {{kBell, 3}}}}}}));
    folder.Write("4.rsy", EncodeRsy({{1, 1, 2002, {{"MIND - SADNESS", 'M', 1, 2, {{kBell, 3}}}}}}));
    folder.Write("5.rsy",
        EncodeRsy({{1, 1, 2002,
            {{"GENERALS - HEAT - agg.", 'G', 1, 2, {{kSulph, 3}, {kBell, 1}}},
                {"MIND - GRIEF", 'M', 1, 2, {{kAcon, 2}}}, {"GENERALS - MORNING", 'G', 1, 2, {{kNatM, 2}}},
                {"EXTREMITIES - COLD", 'F', 1, 2, {{kCalc, 2}}}, {"MIND - Grief", 'M', 1, 2, {{kNatM, 3}}},
                {"GENERALS - SEA", 'G', 1, 2, {{kNatM, 1}, {kLach, 2}}}}}}));
    folder.Write("plants.dat", EncodeLineList({"Ranunculaceae", "Solanaceae"}));
    folder.Write("plcode.dat", EncodeCodeWords({MakeClassCode(1, 1), 0, MakeClassCode(2, 0), 0, 0, 0, 0}));
    folder.Write("animals.dat", EncodeLineList({"Hymenoptera", "Ophidia", "Aves"}));
    folder.Write("anmlcode.dat", EncodeCodeWords({0, MakeClassCode(1, 0), 0, 0, MakeClassCode(2, 0), 0, 0}));
    folder.Write("period.txt", PeriodText());
    folder.Write("lanth.txt", LanthText());
    folder.Write("othergrp.txt", EncodeLineList({"Calcarea salts", "Natrum salts"}));
    folder.Write("minrcode.dat",
        EncodeMineralCodes({{}, {}, {}, {1, {20}}, {}, {2, {11, 17}}, {0, {static_cast<std::uint8_t>(kSulphur)}}}));
}

// Records with numbered texts, and the set that borrows them (the Weightage model's input).
struct Symptoms
{
    explicit Symptoms(int n)
    {
        for (int i = 0; i < n; ++i) {
            records.push_back(std::make_unique<CSymptomRecord>());
            records.back()->m_pszText = "MIND - symptom " + std::to_string(i);
            set.push_back(records.back().get());
        }
    }
    std::vector<std::unique_ptr<CSymptomRecord>> records;
    std::vector<CSymptomRecord*> set;
};

// The state and a chart session over a visit, started as the chart starts; its dialogs answer from its commands.
struct MethodsCase
{
    explicit MethodsCase(const fixtures::VisitSpec& visit = MethodsVisit(),
        const std::vector<fixtures::CatalogueRemedy>& remedies = MethodsRemedies())
        : state(CPracticeFolder(), sink)
    {
        const auto images = fixtures::EncodeCatalogue(remedies);
        state.m_pRemedyCatalogue
            = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
        rsy = fixtures::EncodeRsy({visit});
        state.IndexVisits(AsBytes(rsy));
        state.LoadVisitFromImage(AsBytes(rsy), 0);
        session = std::make_unique<CChartSession>(state, sink);
        engine = &session->Engine();
        methods = &session->Methods();
        session->Start();
    }

    RecordingMessageSink sink;
    CQuillonState state;
    std::string rsy;
    std::unique_ptr<CChartSession> session;
    const CRepEngine* engine = nullptr;
    const CRepMethods* methods = nullptr;
};

} // namespace quillon::testing
