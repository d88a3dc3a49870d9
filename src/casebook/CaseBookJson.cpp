// The JSON export and import of the case book.
#include "casebook/CaseBookJson.h"

#include "casebook/CaseBook.h"
#include "casebook/CaseBookChecks.h"
#include "casedata/ByteReader.h"
#include "casedata/CountedText.h"
#include "casedata/PatientIndex.h"
#include "casedata/PracticeFolder.h"
#include "casedata/StreamedFile.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "chart/ChartCommand.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <set>

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

// Which record a refusal is about, as it leads the reason: "analysis 2 of patient 1001".
struct RecordName
{
    std::string text;
};

[[noreturn]] void Refuse(const RecordName& record, const std::string& reason)
{
    throw ImportError{record.text + ": " + reason};
}

RecordName Named(const char* pattern, std::size_t position, const std::string& owner = {})
{
    return {FormatText(translate(kMessageContext, pattern), {std::to_string(position + 1), owner})};
}

// The checks every record shares: its texts, its times and its identity.
class FieldChecks
{
public:
    explicit FieldChecks(std::string now) : m_now(std::move(now)) {}

    void Time(const RecordName& record, const char* field, const std::string& time) const
    {
        if (!IsCaseBookTime(time))
            Refuse(record, FormatText(translate("Message", "\"%1\" is not a real time"), {field}));
        if (time > m_now)
            Refuse(record, FormatText(translate("Message", "\"%1\" is later than the present"), {field}));
    }
    static void Key(const RecordName& record, const char* field, const std::string& text, std::size_t bound)
    {
        if (text.empty())
            Refuse(record, FormatText(translate("Message", "\"%1\" is empty"), {field}));
        Bounded(record, field, text, bound);
    }
    static void Bounded(const RecordName& record, const char* field, const std::string& text, std::size_t bound)
    {
        if (std::string reason = TooLong(field, text, bound); !reason.empty())
            Refuse(record, reason);
    }
    // An identity is given once in a document; older exports carry none.
    void Uid(const RecordName& record, const std::string& uid)
    {
        if (uid.empty())
            return;
        Bounded(record, "uid", uid, 64);
        if (!m_uids.insert(uid).second)
            Refuse(record, translate("Message", "\"uid\" is the same as another record's"));
    }

private:
    std::string m_now;
    std::set<std::string> m_uids;
};

std::string Shown(const std::string& utf8)
{
    return Utf8ToCp1252(utf8.size() > 40 ? utf8.substr(0, 40) + "..." : utf8);
}

Json PrescriptionJson(const PrescriptionRecord& p)
{
    return {{"uid", p.uid}, {"remedyCode", p.remedyCode}, {"remedyName", p.remedyName}, {"potency", p.potency},
        {"repetition", p.repetition}, {"date", p.date}, {"note", p.note}, {"created", p.created}};
}

// An optional text: absent in the exports of version 1.
std::string OptionalText(const Json& object, const char* key, int version)
{
    return version >= 2 ? Text(object, key) : std::string();
}

PrescriptionRecord ReadPrescription(const Json& j, const RecordName& record, FieldChecks& checks, int version)
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
    p.uid = OptionalText(j, "uid", version);
    if (std::string reason = PrescriptionTextsProblem(p); !reason.empty())
        Refuse(record, reason);
    FieldChecks::Key(record, "date", p.date, kMaxCaseBookShortText);
    checks.Time(record, "created", p.created);
    checks.Uid(record, p.uid);
    return p;
}

void CheckAnalysis(const AnalysisRecord& a, const RecordName& record, FieldChecks& checks)
{
    FieldChecks::Key(record, "visitDate", a.visit.date, kMaxCaseBookShortText);
    FieldChecks::Bounded(record, "fingerprint", a.visit.fingerprint, kMaxCaseBookShortText);
    FieldChecks::Key(record, "name", a.name, kMaxCaseBookName);
    if (std::string reason = AnalysisTextsProblem(a); !reason.empty())
        Refuse(record, reason);
    checks.Time(record, "created", a.created);
    checks.Time(record, "changed", a.changed);
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        try {
            ParseChartCommand(a.steps[i]);
        } catch (const UsageError& e) {
            Refuse(record,
                FormatText(translate("Message", "step %1 of \"steps\" is not an action of the chart (%2)"),
                    {std::to_string(i + 1), e.text}));
        }
    }
    checks.Uid(record, a.uid);
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
std::vector<ImportedPatient> ReadExport(const Json& doc, const std::string& now)
{
    if (!doc.is_object() || Text(doc, "format") != kCaseBookFormat)
        throw Refusal(QT_TRANSLATE_NOOP("Message", "it is not a Quillon case book export"));
    const std::int64_t version = Member(doc, "version", Json::value_t::number_integer).get<std::int64_t>();
    if (version < 1 || version > kCaseBookExportVersion)
        throw Refusal(QT_TRANSLATE_NOOP("Message", "it was written by a newer version of Quillon"));
    FieldChecks checks(now);
    std::vector<ImportedPatient> patients;
    const Json& practices = List(doc, "practices");
    for (std::size_t pr = 0; pr < practices.size(); ++pr) {
        const Json& practice = practices[pr];
        if (!practice.is_object())
            throw Refusal(QT_TRANSLATE_NOOP("Message", "a practice is not an object"));
        const RecordName practiceName = Named(QT_TRANSLATE_NOOP("Message", "practice %1"), pr);
        const PracticeIdentity identity{Text(practice, "folder"), Text(practice, "physician")};
        FieldChecks::Key(practiceName, "folder", identity.folder, kMaxCaseBookFolder);
        FieldChecks::Bounded(practiceName, "physician", identity.physician, kMaxCaseBookFolder);
        const Json& list = List(practice, "patients");
        for (std::size_t pt = 0; pt < list.size(); ++pt) {
            const Json& patient = list[pt];
            if (!patient.is_object())
                throw Refusal(QT_TRANSLATE_NOOP("Message", "a patient is not an object"));
            ImportedPatient entry{{identity, Text(patient, "regNo"), Text(patient, "name")}, {}, {}};
            const RecordName patientName
                = Named(QT_TRANSLATE_NOOP("Message", "patient %1 of practice %2"), pt, std::to_string(pr + 1));
            FieldChecks::Key(patientName, "regNo", entry.patient.regNo, kMaxPatientField);
            FieldChecks::Bounded(patientName, "name", entry.patient.name, kMaxPatientField);
            const std::string owner = Shown(entry.patient.regNo);
            const Json& analyses = List(patient, "analyses");
            std::size_t prescriptionAt = 0;
            for (std::size_t n = 0; n < analyses.size(); ++n) {
                const Json& a = analyses[n];
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
                r.uid = OptionalText(a, "uid", static_cast<int>(version));
                CheckAnalysis(r, Named(QT_TRANSLATE_NOOP("Message", "analysis %1 of patient %2"), n, owner), checks);
                for (const Json& p : List(a, "prescriptions"))
                    imported.prescriptions.push_back(ReadPrescription(p,
                        Named(QT_TRANSLATE_NOOP("Message", "prescription %1 of patient %2"), prescriptionAt++, owner),
                        checks, static_cast<int>(version)));
                entry.analyses.push_back(std::move(imported));
            }
            for (const Json& p : List(patient, "prescriptions"))
                entry.prescriptions.push_back(ReadPrescription(p,
                    Named(QT_TRANSLATE_NOOP("Message", "prescription %1 of patient %2"), prescriptionAt++, owner),
                    checks, static_cast<int>(version)));
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

// The export written as the book is walked: one practice, patient or analysis at a time.
class JsonWriter final : public CCaseBook::IVisitor
{
public:
    explicit JsonWriter(const std::function<bool(std::string_view)>& write) : m_write(write) {}

    bool Ok() const { return m_ok; }
    void Put(std::string_view text) { m_ok = m_ok && m_write(text); }

    void Practice(const PracticeIdentity& practice) override
    {
        Put(m_practices++ ? ",\n" : "\n");
        Put("{\"folder\": " + Dump(practice.folder) + ", \"physician\": " + Dump(practice.physician)
            + ", \"patients\": [");
        m_patients = 0;
    }
    void Patient(const PatientIdentity& patient) override
    {
        Put(m_patients++ ? ",\n" : "\n");
        Put("{\"regNo\": " + Dump(patient.regNo) + ", \"name\": " + Dump(patient.name) + ", \"analyses\": [");
        m_analyses = 0;
    }
    void Analysis(const AnalysisRecord& a, const std::vector<PrescriptionRecord>& prescriptions) override
    {
        Json list = Json::array();
        for (const PrescriptionRecord& p : prescriptions)
            list.push_back(PrescriptionJson(p));
        const Json record = {{"uid", a.uid}, {"visitDate", a.visit.date}, {"fingerprint", a.visit.fingerprint},
            {"name", a.name}, {"notes", a.notes}, {"created", a.created}, {"changed", a.changed},
            {"caption", a.caption}, {"topRemedies", a.topRemedies}, {"steps", a.steps}, {"prescriptions", list}};
        Put(m_analyses++ ? ",\n" : "\n");
        Put(record.dump(-1, ' ', false, Json::error_handler_t::replace));
    }
    void EndPatient(const std::vector<PrescriptionRecord>& loose) override
    {
        Json list = Json::array();
        for (const PrescriptionRecord& p : loose)
            list.push_back(PrescriptionJson(p));
        Put("], \"prescriptions\": " + list.dump(-1, ' ', false, Json::error_handler_t::replace) + "}");
    }
    void EndPractice() override { Put("]}"); }

private:
    static std::string Dump(const std::string& text)
    {
        return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
    }

    const std::function<bool(std::string_view)>& m_write;
    bool m_ok = true;
    std::size_t m_practices = 0, m_patients = 0, m_analyses = 0;
};

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

bool WriteCaseBookJson(CCaseBook& book, const std::function<bool(std::string_view)>& write)
{
    JsonWriter writer(write);
    writer.Put(std::string("{\"format\": \"") + kCaseBookFormat
        + "\", \"version\": " + std::to_string(kCaseBookExportVersion) + ", \"practices\": [");
    const bool read = book.Walk(writer);
    writer.Put("\n]}\n");
    return read && writer.Ok();
}

std::string ExportCaseBookJson(CCaseBook& book)
{
    std::string text;
    if (!WriteCaseBookJson(book, [&text](std::string_view part) {
            text += part;
            return true;
        }))
        return {};
    return text;
}

bool ExportCaseBookFile(CCaseBook& book, const std::filesystem::path& file)
{
    const int failures = book.ReadFailures();
    bool read = true;
    std::error_code error;
    const bool written = WriteFileAtomically(
        file,
        [&](std::FILE* out) {
            read = WriteCaseBookJson(book,
                [out](std::string_view part) { return std::fwrite(part.data(), 1, part.size(), out) == part.size(); });
            return read;
        },
        error);
    if (!read || book.ReadFailures() != failures) {
        book.Sink().Show(kMsgCaseBookNotWhole);
        return false;
    }
    if (written)
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
        patients = ReadExport(doc, book.Now());
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
                    std::optional<std::int64_t> id = book.FindAnalysisByUid(a.uid);
                    if (!id)
                        id = book.FindAnalysis(patientId, a);
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
    const auto refuse = [&] {
        book.Sink().Show(FormatText(translate("Message", "The file %1 cannot be read. The case book was not changed."),
            {Utf8ToCp1252(file.string())}));
        return std::nullopt;
    };
    // The name as chosen: links are followed, as the file chooser followed them.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return refuse();
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec)
        return refuse();
    if (size > kMaxCaseBookImportSize) {
        book.Sink().Show(FormatText(translate("Message",
                                        "The file %1 is larger than %2 MB and is not read. The case book was not "
                                        "changed."),
            {Utf8ToCp1252(file.string()), std::to_string(kMaxCaseBookImportSize / (1024 * 1024))}));
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return refuse();
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
