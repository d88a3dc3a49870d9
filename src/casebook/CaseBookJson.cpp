// The JSON export and import of the case book.
#include "casebook/CaseBookJson.h"

#include "casebook/CaseBook.h"
#include "casedata/ByteReader.h"
#include "casedata/CountedText.h"
#include "casedata/PracticeFolder.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace quillon {
namespace {

using Json = nlohmann::json;

// An export that does not hold what it should; the text says what, in the user's language.
struct ImportError
{
    std::string text;
};

ImportError Refusal(const char* text)
{
    return ImportError{translate(kMessageContext, text)};
}

ImportError Refusal(const char* pattern, const char* key)
{
    return ImportError{FormatText(translate(kMessageContext, pattern), {key})};
}

const Json& Member(const Json& object, const char* key, Json::value_t type)
{
    const auto it = object.find(key);
    if (it == object.end())
        throw Refusal(QT_TRANSLATE_NOOP("Message", "\"%1\" is missing"), key);
    if (it->type() != type && !(type == Json::value_t::number_integer && it->is_number_unsigned()))
        throw Refusal(QT_TRANSLATE_NOOP("Message", "\"%1\" is not of its kind"), key);
    return *it;
}

std::string Text(const Json& object, const char* key)
{
    return Member(object, key, Json::value_t::string).get<std::string>();
}

const Json& List(const Json& object, const char* key)
{
    return Member(object, key, Json::value_t::array);
}

std::vector<std::string> Texts(const Json& object, const char* key)
{
    std::vector<std::string> texts;
    for (const Json& item : List(object, key)) {
        if (!item.is_string())
            throw Refusal(QT_TRANSLATE_NOOP("Message", "an entry of \"%1\" is not a text"), key);
        texts.push_back(item.get<std::string>());
    }
    return texts;
}

Json PrescriptionJson(const PrescriptionRecord& p)
{
    return {{"remedyCode", p.remedyCode}, {"remedyName", p.remedyName}, {"potency", p.potency},
        {"repetition", p.repetition}, {"date", p.date}, {"note", p.note}, {"created", p.created}};
}

PrescriptionRecord ReadPrescription(const Json& j)
{
    if (!j.is_object())
        throw Refusal(QT_TRANSLATE_NOOP("Message", "a prescription is not an object"));
    PrescriptionRecord p;
    const Json& code = Member(j, "remedyCode", Json::value_t::number_integer);
    if (!code.is_number_integer() || code.get<std::int64_t>() < 0 || code.get<std::int64_t>() > 65535)
        throw Refusal(QT_TRANSLATE_NOOP("Message", "a remedy code is out of range"));
    p.remedyCode = static_cast<int>(code.get<std::int64_t>());
    p.remedyName = Text(j, "remedyName");
    p.potency = Text(j, "potency");
    p.repetition = Text(j, "repetition");
    p.date = Text(j, "date");
    p.note = Text(j, "note");
    p.created = Text(j, "created");
    return p;
}

struct ImportedAnalysis
{
    AnalysisRecord analysis;
    std::vector<PrescriptionRecord> prescriptions;
};

struct ImportedPatient
{
    PatientIdentity patient;
    std::vector<ImportedAnalysis> analyses;
    std::vector<PrescriptionRecord> prescriptions; // not linked to an analysis
};

// The whole document read and checked before anything is written.
std::vector<ImportedPatient> ReadExport(const Json& doc)
{
    if (!doc.is_object() || Text(doc, "format") != kCaseBookFormat)
        throw Refusal(QT_TRANSLATE_NOOP("Message", "it is not a Quillon case book export"));
    if (Member(doc, "version", Json::value_t::number_integer).get<std::int64_t>() != 1)
        throw Refusal(QT_TRANSLATE_NOOP("Message", "it was written by a newer version of Quillon"));
    std::vector<ImportedPatient> patients;
    for (const Json& practice : List(doc, "practices")) {
        if (!practice.is_object())
            throw Refusal(QT_TRANSLATE_NOOP("Message", "a practice is not an object"));
        const PracticeIdentity identity{Text(practice, "folder"), Text(practice, "physician")};
        for (const Json& patient : List(practice, "patients")) {
            if (!patient.is_object())
                throw Refusal(QT_TRANSLATE_NOOP("Message", "a patient is not an object"));
            ImportedPatient entry{{identity, Text(patient, "regNo"), Text(patient, "name")}, {}, {}};
            for (const Json& a : List(patient, "analyses")) {
                if (!a.is_object())
                    throw Refusal(QT_TRANSLATE_NOOP("Message", "an analysis is not an object"));
                ImportedAnalysis imported;
                AnalysisRecord& r = imported.analysis;
                r.visit = {Text(a, "visitDate"), Text(a, "fingerprint")};
                r.name = Text(a, "name");
                r.notes = Text(a, "notes");
                r.created = Text(a, "created");
                r.changed = Text(a, "changed");
                r.caption = Text(a, "caption");
                r.topRemedies = Texts(a, "topRemedies");
                r.steps = Texts(a, "steps");
                for (const Json& p : List(a, "prescriptions"))
                    imported.prescriptions.push_back(ReadPrescription(p));
                entry.analyses.push_back(std::move(imported));
            }
            for (const Json& p : List(patient, "prescriptions"))
                entry.prescriptions.push_back(ReadPrescription(p));
            patients.push_back(std::move(entry));
        }
    }
    return patients;
}

void AddPrescriptions(
    CCaseBook& book, std::int64_t patientId, std::int64_t analysisId, std::vector<PrescriptionRecord> list, int& added)
{
    for (PrescriptionRecord& p : list) {
        p.analysisId = analysisId;
        if (book.MergePrescription(patientId, p))
            ++added;
    }
}

std::string Names(const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < 5; ++i)
        text += (i ? ", \"" : " (\"") + names[i] + "\"";
    if (names.size() > 5)
        text += ", ...";
    return text.empty() ? text : text + ")";
}

} // namespace

std::string ExportCaseBookJson(CCaseBook& book)
{
    Json practices = Json::array();
    for (const CCaseBook::PatientBook& entry : book.Everything()) {
        const PracticeIdentity& practice = entry.patient.practice;
        auto at = std::find_if(practices.begin(), practices.end(),
            [&](const Json& p) { return p["folder"] == practice.folder && p["physician"] == practice.physician; });
        if (at == practices.end()) {
            practices.push_back(
                {{"folder", practice.folder}, {"physician", practice.physician}, {"patients", Json::array()}});
            at = practices.end() - 1;
        }
        Json analyses = Json::array();
        for (const AnalysisRecord& a : entry.analyses) {
            Json prescriptions = Json::array();
            for (const PrescriptionRecord& p : entry.prescriptions)
                if (p.analysisId == a.id)
                    prescriptions.push_back(PrescriptionJson(p));
            analyses.push_back({{"visitDate", a.visit.date}, {"fingerprint", a.visit.fingerprint}, {"name", a.name},
                {"notes", a.notes}, {"created", a.created}, {"changed", a.changed}, {"caption", a.caption},
                {"topRemedies", a.topRemedies}, {"steps", a.steps}, {"prescriptions", prescriptions}});
        }
        Json loose = Json::array();
        for (const PrescriptionRecord& p : entry.prescriptions)
            if (p.analysisId == 0)
                loose.push_back(PrescriptionJson(p));
        (*at)["patients"].push_back({{"regNo", entry.patient.regNo}, {"name", entry.patient.name},
            {"analyses", analyses}, {"prescriptions", loose}});
    }
    const Json doc = {{"format", kCaseBookFormat}, {"version", 1}, {"practices", practices}};
    return doc.dump(1, '\t', false, Json::error_handler_t::replace) + '\n';
}

bool ExportCaseBookFile(CCaseBook& book, const std::filesystem::path& file)
{
    const int failures = book.ReadFailures();
    const std::string json = ExportCaseBookJson(book);
    if (book.ReadFailures() != failures) {
        book.Sink().Show(kMsgCaseBookNotWhole);
        return false;
    }
    std::error_code error;
    if (WriteFileAtomically(file, json, error))
        return true;
    book.Sink().Show(FormatText(translate("Message", "The case book could not be exported to %1 (%2)."),
        {Utf8ToCp1252(file.string()), error.message()}));
    return false;
}

std::optional<ImportSummary> ImportCaseBookJson(CCaseBook& book, std::span<const std::uint8_t> bytes)
{
    std::vector<ImportedPatient> patients;
    try {
        const ByteReader reader(bytes);
        const std::string_view text = AsText(reader.Rest());
        const Json doc = Json::parse(text.begin(), text.end(), nullptr, false);
        if (doc.is_discarded())
            throw Refusal(QT_TRANSLATE_NOOP("Message", "it is not a JSON document"));
        patients = ReadExport(doc);
    } catch (const ImportError& e) {
        book.Sink().Show(FormatText(
            translate("Message", "The file cannot be imported: %1. The case book was not changed."), {e.text}));
        return std::nullopt;
    }
    ImportSummary summary;
    const bool merged = book.InTransaction(
        [&] {
            for (ImportedPatient& entry : patients) {
                const std::int64_t patientId = book.PatientId(entry.patient);
                for (ImportedAnalysis& imported : entry.analyses) {
                    AnalysisRecord& a = imported.analysis;
                    std::optional<std::int64_t> id = book.FindAnalysis(patientId, a);
                    if (!id) {
                        id = book.WriteAnalysis(patientId, a, true);
                        ++summary.added;
                    } else if (const auto own = book.LoadAnalysis(*id); own && own->changed < a.changed) {
                        a.id = *id;
                        book.WriteAnalysis(patientId, a, true);
                        ++summary.replaced;
                        summary.replacedNames.push_back(a.name);
                    } else {
                        ++summary.kept;
                        summary.keptNames.push_back(a.name);
                    }
                    AddPrescriptions(book, patientId, *id, std::move(imported.prescriptions), summary.prescriptions);
                }
                AddPrescriptions(book, patientId, 0, std::move(entry.prescriptions), summary.prescriptions);
            }
        },
        QT_TRANSLATE_NOOP("Message", "imported"));
    if (!merged)
        return std::nullopt;
    return summary;
}

std::optional<ImportSummary> ImportCaseBookFile(CCaseBook& book, const std::filesystem::path& file)
{
    std::vector<std::uint8_t> bytes;
    const CPracticeFolder folder(file.has_parent_path() ? file.parent_path() : std::filesystem::path("."));
    if (folder.ReadFile(file.filename().string(), bytes) != ReadStatus::Ok) {
        book.Sink().Show(FormatText(translate("Message", "The file %1 cannot be read. The case book was not changed."),
            {Utf8ToCp1252(file.string())}));
        return std::nullopt;
    }
    return ImportCaseBookJson(book, bytes);
}

std::string ImportSummaryMessage(const ImportSummary& s)
{
    // The counts and the names in one sentence; the names are UTF-8 like all of the book's texts.
    return FormatText(translate("Message",
                          "Case book imported: %1, %2 replaced by the newer imported one%3, %4 kept because this case "
                          "book's own was as new or newer%5, %6."),
        {translateCount("Message", "%n analysis added", QT_TRANSLATE_N_NOOP("Message", "%n analyses added"), s.added),
            std::to_string(s.replaced), Utf8ToCp1252(Names(s.replacedNames)), std::to_string(s.kept),
            Utf8ToCp1252(Names(s.keptNames)),
            translateCount("Message", "%n prescription added", QT_TRANSLATE_N_NOOP("Message", "%n prescriptions added"),
                s.prescriptions)});
}

} // namespace quillon
