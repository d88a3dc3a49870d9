// quillon-report's output: the transcript of a command and the escaping of its fields.
#include "report/ReportChart.h"
#include "report/ReportStatus.h"

#include "casedata/TextCodec.h"

#include <filesystem>
#include <ostream>

namespace quillon::report {

std::string Field(std::string_view cp1252)
{
    return Cp1252ToUtf8(EscapeTextField(cp1252));
}

std::string Shown(std::string_view argument)
{
    return EscapeTextField(argument);
}

bool FindFolder(const std::string& dir, Transcript& t)
{
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec))
        return true;
    t.Fail("no practice folder " + Shown(dir));
    return false;
}

void Transcript::Show(const Message& message)
{
    const std::string line = "message\t" + Field(message.text) + '\n';
    m_messages += line;
    ++m_reported;
    if (m_messagesInOutput)
        m_out << line;
}

int Transcript::Fail(const std::string& text)
{
    m_messages += "quillon-report: " + text + '\n';
    ++m_reported;
    return kCaseNotLoaded;
}

int Transcript::Finish(int status, std::ostream& out, std::ostream& err)
{
    if (status == kDone) {
        out << EscapeControls(m_out.str(), !m_outputInCodePage);
        if (!m_messagesInOutput)
            err << EscapeControls(m_messages, true);
        return status;
    }
    // A failure always says why; the output of a run that failed is not printed.
    if (m_reported == 0)
        Fail("the command ended without a result");
    err << EscapeControls(m_messages, true);
    return status;
}

int Transcript::FinishWithUsageError(const std::string& text, std::ostream& err)
{
    err << EscapeControls(m_messages, true) << "quillon-report: " << EscapeControls(text, true) << '\n';
    return kUsageError;
}

} // namespace quillon::report
