// The report commands.
#include "report/Report.h"

#include "app/QuillonState.h"
#include "casedata/PatientIndex.h"
#include "casedata/PatientSelection.h"
#include "casedata/TextCodec.h"
#include "caserecord/CaseRecordPage.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace quillon::report {
namespace {

// Every message box of the run, printed where it happens as "message<TAB>TEXT".
class PrintingSink final : public IMessageSink
{
public:
    explicit PrintingSink(std::ostream& stream) : m_stream(&stream) {}
    using IMessageSink::Show;
    void Show(const Message& message) override { *m_stream << "message\t" << Cp1252ToUtf8(message.text) << '\n'; }
    void Redirect(std::ostream& stream) { m_stream = &stream; }

private:
    std::ostream* m_stream;
};

struct UsageError
{
    std::string text;
};

struct Context
{
    std::string dir = ".";
    std::vector<std::string> args; // the command and its arguments
    std::ostream& out;
    std::ostream& err;
};

std::string Utf8(std::string_view data)
{
    return Cp1252ToUtf8(data);
}

int ParseIndex(const std::string& text, const char* what)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        throw UsageError{std::string(what) + " must be a whole number from 0: " + text};
    return value;
}

void ExpectArgs(const Context& c, std::size_t count, const char* usage)
{
    if (c.args.size() != count)
        throw UsageError{std::string("usage: quillon-report [--dir DIR] ") + usage};
}

// The patient of the index with this registration number, made current as a selection in the
// Select Patient dialog does.
bool SelectPatient(CQuillonState& state, const std::string& regNo, std::ostream& err)
{
    auto index = LoadPatientIndex(state.m_folder, state.Sink());
    if (!index)
        return false;
    for (const PatientRow& row : index->rows) {
        if (row.regNo == Utf8ToCp1252(regNo)) {
            SetCurrentPatient(state, row, index->physician);
            return true;
        }
    }
    err << "quillon-report: no patient " << regNo << " in the patient index\n";
    return false;
}

int Patients(Context& c)
{
    ExpectArgs(c, 1, "patients");
    PrintingSink sink(c.err);
    const CPracticeFolder folder(c.dir);
    const auto index = LoadPatientIndex(folder, sink);
    if (!index)
        return kCaseNotLoaded;
    c.out << "physician\t" << Utf8(index->physician) << '\n';
    for (const PatientRow& row : index->rows)
        c.out << Utf8(row.regNo) << '\t' << Utf8(row.name) << '\t' << Utf8(row.age) << '\t' << Utf8(row.visitDate)
              << '\n';
    return kDone;
}

int Visits(Context& c)
{
    ExpectArgs(c, 2, "visits REGNO");
    PrintingSink sink(c.err);
    CQuillonState state(CPracticeFolder(c.dir), sink);
    if (!SelectPatient(state, c.args[1], c.err) || !state.LoadVisitIndex())
        return kCaseNotLoaded;
    for (int v = 0; v < state.VisitCount(); ++v)
        c.out << v << '\t' << state.m_arrVisitDates[static_cast<std::size_t>(v)] << '\n';
    return kDone;
}

int PatientPage(Context& c, bool caseRecord)
{
    ExpectArgs(c, 2, caseRecord ? "case-record REGNO" : "followup REGNO");
    PrintingSink sink(c.err);
    CQuillonState state(CPracticeFolder(c.dir), sink);
    if (!SelectPatient(state, c.args[1], c.err))
        return kCaseNotLoaded;
    const auto page = BuildPatientPage(state.m_folder, state.m_strPatientFile, caseRecord, sink);
    if (!page)
        return kCaseNotLoaded;
    c.out << *page;
    return kDone;
}

} // namespace

std::string Usage()
{
    return "usage: quillon-report [--dir DIR] COMMAND ARGS\n"
           "\n"
           "Reads the practice folder DIR (default: the working directory) as Quillon does.\n"
           "\n"
           "commands:\n"
           "  patients                 the physician and the Select Patient list\n"
           "  visits REGNO             the visits of a patient: index and date\n"
           "  case-record REGNO        the case-record page, as Quillon writes it to template.html\n"
           "  followup REGNO           the follow-up page, as Quillon writes it to template.html\n";
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Context c{".", {}, out, err};
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--help" || args[i] == "-h") {
                out << Usage();
                return kDone;
            }
            if (args[i] == "--dir" && c.args.empty()) {
                if (i + 1 >= args.size())
                    throw UsageError{"--dir needs a folder"};
                c.dir = args[++i];
                continue;
            }
            c.args.push_back(args[i]);
        }
        if (c.args.empty())
            throw UsageError{"no command given (see --help)"};
        const std::string& command = c.args[0];
        if (command == "patients")
            return Patients(c);
        if (command == "visits")
            return Visits(c);
        if (command == "case-record")
            return PatientPage(c, true);
        if (command == "followup")
            return PatientPage(c, false);
        throw UsageError{"unknown command: " + command + " (see --help)"};
    } catch (const UsageError& e) {
        err << "quillon-report: " << e.text << '\n';
        return kUsageError;
    }
}

} // namespace quillon::report
