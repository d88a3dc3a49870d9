// quillon-report mcp: the reader of the message lines and the JSON-RPC session over them.
#include "report/McpServer.h"
#include "report/McpTools.h"
#include "report/ReportChart.h"

#include "resources/ProductInfo.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <istream>
#include <ostream>

namespace quillon::report {
namespace {

using nlohmann::json;

// The revisions we speak, newest first. Batches belong to 2025-03-26 alone; structured tool results and tool
// titles came with 2025-06-18.
constexpr std::array<std::string_view, 4> kRevisions{"2025-11-25", "2025-06-18", "2025-03-26", "2024-11-05"};
constexpr std::string_view kBatchRevision = "2025-03-26";
constexpr std::string_view kStructuredSince = "2025-06-18";

enum ErrorCode : int {
    kParseError = -32700,
    kInvalidRequest = -32600,
    kMethodNotFound = -32601,
    kInvalidParams = -32602,
};

std::string Dump(const json& message)
{
    // Texts of the practice's files are UTF-8 by the time they get here; a stray byte is replaced, not thrown on.
    return message.dump(-1, ' ', false, json::error_handler_t::replace);
}

json ErrorAnswer(const json& id, int code, const std::string& text)
{
    return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", text}}}};
}

json Answer(const json& id, json result)
{
    return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}};
}

bool ValidId(const json& id)
{
    return id.is_string() || id.is_number_integer() || id.is_number_unsigned();
}

class CSession
{
public:
    CSession(const McpSettings& settings, std::string& revision) : m_settings(settings), m_revision(revision) {}

    // One message of a line or of a batch.
    std::optional<json> One(const json& message)
    {
        if (!message.is_object())
            return ErrorAnswer(nullptr, kInvalidRequest, "a message is a JSON object");
        const auto idIt = message.find("id");
        const bool hasId = idIt != message.end();
        const json id = hasId && ValidId(*idIt) ? *idIt : json(nullptr);
        const auto version = message.find("jsonrpc");
        if (version == message.end() || *version != "2.0")
            return ErrorAnswer(id, kInvalidRequest, "the message is not JSON-RPC 2.0");
        const auto method = message.find("method");
        if (method == message.end()) {
            // An answer of the client: we ask nothing, so there is nothing to match it with.
            if (hasId && (message.contains("result") || message.contains("error")))
                return std::nullopt;
            return ErrorAnswer(id, kInvalidRequest, "the message has no method");
        }
        if (!method->is_string())
            return ErrorAnswer(id, kInvalidRequest, "the method is not a string");
        if (hasId && !ValidId(*idIt))
            return ErrorAnswer(nullptr, kInvalidRequest, "an id is a string or a whole number");
        if (!hasId)
            return std::nullopt; // notifications/initialized, notifications/cancelled and the like need no answer
        const auto paramsIt = message.find("params");
        if (paramsIt != message.end() && !paramsIt->is_object())
            return ErrorAnswer(id, kInvalidParams, "params is not an object");
        const json params = paramsIt != message.end() ? *paramsIt : json::object();
        const std::string name = method->get<std::string>();
        if (name == "initialize")
            return Initialize(id, params);
        if (name == "ping")
            return Answer(id, json::object());
        if (name == "tools/list")
            return ListTools(id, params);
        if (name == "tools/call")
            return CallTool(id, params);
        return ErrorAnswer(id, kMethodNotFound, "no method " + name);
    }

    bool Structured() const { return m_revision.empty() || m_revision >= kStructuredSince; }

private:
    json Initialize(const json& id, const json& params)
    {
        const auto asked = params.find("protocolVersion");
        if (asked == params.end() || !asked->is_string())
            return ErrorAnswer(id, kInvalidParams, "initialize needs a protocolVersion string");
        const std::string wanted = asked->get<std::string>();
        m_revision = std::string(kRevisions.front());
        if (std::find(kRevisions.begin(), kRevisions.end(), wanted) != kRevisions.end())
            m_revision = wanted;
        return Answer(id,
            {{"protocolVersion", m_revision}, {"capabilities", {{"tools", {{"listChanged", false}}}}},
                {"serverInfo", {{"name", "quillon-report"}, {"version", QuillonVersion()}}},
                {"instructions",
                    "Reads one practice folder of a homeopathic practice and its case book, read only. Patients "
                    "are their registration numbers; start with list_patients, then list_visits and repertorise."}});
    }

    json ListTools(const json& id, const json& params)
    {
        // Every tool fits on one page: a cursor can only be one we never gave.
        if (params.contains("cursor"))
            return ErrorAnswer(id, kInvalidParams, "unknown cursor");
        return Answer(id, {{"tools", McpToolList(Structured())}});
    }

    json CallTool(const json& id, const json& params)
    {
        const auto name = params.find("name");
        if (name == params.end() || !name->is_string())
            return ErrorAnswer(id, kInvalidParams, "tools/call needs the tool's name");
        const auto argsIt = params.find("arguments");
        if (argsIt != params.end() && !argsIt->is_object())
            return ErrorAnswer(id, kInvalidParams, "the arguments are not an object");
        const json arguments = argsIt != params.end() ? *argsIt : json::object();
        const auto result = CallMcpTool(name->get<std::string>(), arguments, m_settings);
        if (!result)
            return ErrorAnswer(id, kInvalidParams, "no tool " + name->get<std::string>());
        json answer{
            {"content", json::array({{{"type", "text"}, {"text", result->text}}})}, {"isError", result->isError}};
        if (!result->isError && Structured())
            answer["structuredContent"] = result->structured;
        return Answer(id, std::move(answer));
    }

    const McpSettings& m_settings;
    std::string& m_revision;
};

} // namespace

std::optional<McpSettings> ParseMcpCommandLine(const std::vector<std::string>& args)
{
    McpSettings settings;
    bool isMcp = false;
    bool dirGiven = false;
    bool casebookGiven = false;
    bool identifyGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--dir" || arg == "--casebook") {
            const bool dir = arg == "--dir";
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw UsageError{arg + (dir ? " needs a folder" : " needs a file")};
            if (dir ? dirGiven : casebookGiven)
                throw UsageError{arg + " given twice"};
            (dir ? dirGiven : casebookGiven) = true;
            (dir ? settings.dir : settings.casebook) = args[++i];
        } else if (arg == "mcp" && !isMcp) {
            isMcp = true;
        } else if (!isMcp) {
            return std::nullopt; // another command, or --help
        } else if (arg == "--identify" && !identifyGiven) {
            identifyGiven = true;
            settings.identify = true;
        } else {
            throw UsageError{"usage: quillon-report mcp [--dir DIR] [--casebook FILE] [--identify]"};
        }
    }
    if (!isMcp)
        return std::nullopt;
    return settings;
}

CMcpLineReader::Line CMcpLineReader::Next(std::string& line)
{
    line.clear();
    std::streambuf* in = m_in.rdbuf();
    bool tooLong = false;
    bool any = false;
    for (;;) {
        const auto c = in->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (!any)
                return Line::End;
            break;
        }
        any = true;
        if (c == '\n')
            break;
        if (line.size() < m_limit)
            line += static_cast<char>(c);
        else
            tooLong = true;
    }
    if (tooLong) {
        std::string().swap(line);
        return Line::TooLong;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return Line::Message;
}

std::optional<std::string> CMcpServer::Handle(std::string_view message)
{
    // Blank lines between messages are no messages.
    if (message.find_first_not_of(" \t\r") == std::string_view::npos)
        return std::nullopt;
    const json parsed = json::parse(message, nullptr, false);
    if (parsed.is_discarded())
        return Dump(ErrorAnswer(nullptr, kParseError, "the line is not JSON"));
    CSession session(m_settings, m_revision);
    try {
        if (!parsed.is_array()) {
            const auto answer = session.One(parsed);
            return answer ? std::optional<std::string>(Dump(*answer)) : std::nullopt;
        }
        if (m_revision != kBatchRevision)
            return Dump(ErrorAnswer(nullptr, kInvalidRequest, "batches are not part of this protocol revision"));
        if (parsed.empty())
            return Dump(ErrorAnswer(nullptr, kInvalidRequest, "an empty batch"));
        json answers = json::array();
        for (const json& one : parsed)
            if (auto answer = session.One(one))
                answers.push_back(std::move(*answer));
        return answers.empty() ? std::nullopt : std::optional<std::string>(Dump(answers));
    } catch (const std::exception& e) {
        const json id = parsed.is_object() && parsed.contains("id") && ValidId(parsed["id"]) ? parsed["id"] : json();
        return Dump(ErrorAnswer(id, -32603, std::string("internal error: ") + e.what()));
    }
}

std::string CMcpServer::TooLong() const
{
    return Dump(ErrorAnswer(nullptr, kInvalidRequest, "the message is longer than 8 MB; it was dropped"));
}

int ServeMcp(std::istream& in, std::ostream& out, std::ostream& err, const McpSettings& settings)
{
    CMcpServer server(settings);
    CMcpLineReader reader(in);
    std::string line;
    for (;;) {
        const CMcpLineReader::Line kind = reader.Next(line);
        if (kind == CMcpLineReader::Line::End)
            return 0;
        std::optional<std::string> answer;
        if (kind == CMcpLineReader::Line::TooLong) {
            err << "quillon-report: a message longer than 8 MB was dropped\n";
            answer = server.TooLong();
        } else {
            answer = server.Handle(line);
        }
        if (answer)
            out << *answer << '\n' << std::flush;
    }
}

} // namespace quillon::report
