// quillon-report materia-medica.
#include "report/ReportMateriaMedica.h"

#include "casedata/TextCodec.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "materiamedica/ConversionModel.h"
#include "materiamedica/MateriaMedicaListing.h"
#include "report/ReportChart.h"
#include "report/ReportStatus.h"
#include "state/QuillonState.h"

#include <ostream>

namespace quillon::report {
namespace {

constexpr const char* kUsage = "materia-medica REGNO [--visit N] [--do ACTION]... OPTION MARKS RANK...";

const char* const kOptionNames[kConversionOptionCount]
    = {"complete", "compare", "differentiate", "single", "one", "create"};

int OptionOf(const std::string& name)
{
    for (int i = 0; i < kConversionOptionCount; ++i)
        if (name == kOptionNames[i])
            return i;
    return kOptionNone;
}

} // namespace

void CheckMateriaMedicaArguments(const std::vector<std::string>& args)
{
    if (args.size() < 3)
        ThrowUsage(kUsage);
    if (OptionOf(args[0]) == kOptionNone)
        throw UsageError{"unknown option: " + Shown(args[0]) + " (complete compare differentiate single one create)"};
    const std::string& marks = args[1];
    if (marks != "all" && marks != "none" && (marks.empty() || marks.find_first_not_of("12345") != std::string::npos))
        throw UsageError{"marks are all, none or digits 1 to 5: " + Shown(marks)};
}

int MateriaMedicaReport(
    CQuillonState& state, CRepEngine&, CRepMethods& methods, Transcript& t, const std::vector<std::string>& args)
{
    CheckMateriaMedicaArguments(args);
    const int option = OptionOf(args[0]);
    const std::string& marks = args[1];
    IMessageSink& sink = t;
    std::ostream& out = t.Out();

    // As "&Conv. Rep To MM" opens the dialog from the chart, with nothing selected yet.
    auto rows = methods.BuildRemedyRows();
    if (!rows)
        return t.Fail("the chart has no remedy to convert");
    std::vector<ChosenRemedy> chosen;
    CConversionModel model(chosen, state.Catalogue(), sink);
    model.Open(std::move(*rows));
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& text = args[i];
        const int rank = WholeNumber(text).value_or(0);
        if (rank < 1 || rank > static_cast<int>(model.FullList().size()))
            throw UsageError{"no chart rank " + Shown(text)};
        model.AddFromFullList(rank - 1);
    }
    model.SetAll(marks == "all");
    if (marks != "all" && marks != "none")
        for (const char digit : marks)
            model.SetMark(digit - '1', true);
    model.SetOption(option);
    if (!model.SelectedList().empty())
        model.SelectSelected(0);
    if (!model.OkEnabled())
        return t.Fail("the conversion's OK stays disabled for these choices");
    if (!model.Ok())
        return kCaseNotLoaded;

    const auto listing = BuildMateriaMedica(model.Request(), state.RepSymptoms(), state.Catalogue());
    if (listing.RetainedCount() == 0) {
        sink.Show(kMsgNoMatchFound);
        return kCaseNotLoaded;
    }
    out << "title\t" << MateriaMedicaTitle(listing.mode) << '\n';
    out << "columns";
    for (const std::string& label : listing.labels)
        out << '\t' << Field(label);
    out << "\nlines\t" << listing.RetainedCount() << '\n';
    for (int r = 0; r < listing.RetainedCount(); ++r) {
        const SymStr& line = listing.lines[static_cast<std::size_t>(r)];
        out << "L\t" << line.level << '\t' << Field(line.text);
        for (int c = 0; c < listing.drugCount; ++c)
            out << '\t' << Field(listing.CellAt(r, c).text);
        out << '\n';
    }
    out << "summary\t" << listing.summaryLabel;
    const std::size_t texts = listing.mode == kMMCreate ? std::min<std::size_t>(1, listing.summaryTexts.size())
                                                        : listing.summaryTexts.size();
    for (std::size_t c = 0; c < texts; ++c)
        out << '\t' << listing.summaryTexts[c];
    out << '\n';
    return kDone;
}

} // namespace quillon::report
