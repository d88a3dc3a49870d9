// quillon-report mcp: the message reader and the session, on the sample practice.
#include "ReportFixture.h"
#include "report/McpServer.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quillon;
using quillon::report::CMcpLineReader;
using quillon::report::CMcpServer;
using quillon::testing::SamplePractice;

namespace {

std::string Call(int id, const std::string& tool, const std::string& arguments)
{
    return R"({"jsonrpc":"2.0","id":)" + std::to_string(id) + R"(,"method":"tools/call","params":{"name":")" + tool
        + R"(","arguments":)" + arguments + "}}";
}

} // namespace

// Each bad message gets its error (or none, for a notification), and the good call after it is still served. A
// command that fails answers with its reason, as any failing command does.
TEST(McpServer, AnswersEachBadMessageAndKeepsServing)
{
    const std::filesystem::path book = SamplePractice() / "no-book-here.sqlite";
    CMcpServer server({SamplePractice().string(), book.string(), false});
    const std::string good = Call(99, "list_visits", R"({"patient":"1002"})");
    const std::pair<std::string, std::string> cases[] = {
        {R"({"jsonrpc":"2.0","id":1,"method":)", R"("code":-32700)"},
        {R"({"jsonrpc":"2.0","id":2,"method":"tools/get"})", R"("code":-32601)"},
        {R"({"jsonrpc":"1.0","id":3,"method":"ping"})", R"("code":-32600)"},
        {R"({"jsonrpc":"2.0","id":{"a":1},"method":"ping"})", R"("code":-32600)"},
        {R"([{"jsonrpc":"2.0","id":4,"method":"ping"}])", R"("code":-32600)"},
        {R"({"jsonrpc":"2.0","id":5,"method":"tools/call","params":{"name":7}})", R"("code":-32602)"},
        {R"({"jsonrpc":"2.0","id":6,"method":"tools/call","params":[1]})", R"("code":-32602)"},
        {R"({"jsonrpc":"2.0","id":7,"method":"tools/list","params":{"cursor":"x"}})", R"("code":-32602)"},
        {Call(8, "no_tool", "{}"), R"("code":-32602)"},
        {Call(9, "repertorise", R"({"patient":"1002","visit":"1"})"), "visit must be a whole number from 0"},
        {Call(10, "repertorise", R"({"patient":"1002","visit":-1})"), "visit must be a whole number from 0"},
        {Call(11, "repertorise", R"({"patient":1002})"), "patient must be a text"},
        {Call(12, "repertorise", R"({"patient":"1002","actions":"mind"})"), "actions must be a list"},
        {Call(13, "repertorise", R"({"patient":"9999"})"),
            R"(no patient 9999 in the patient index","type":"text"}],"isError":true)"},
        {Call(19, "list_visits", R"({"patient":"1002","visits":1})"), "unknown argument visits"},
        {R"({"jsonrpc":"2.0","method":"notifications/initialized"})", ""},
        {R"({"jsonrpc":"2.0","id":20,"result":{}})", ""},
    };
    for (const auto& [message, expected] : cases) {
        const auto answer = server.Handle(message);
        if (expected.empty())
            EXPECT_FALSE(answer) << message;
        else
            EXPECT_NE(answer.value_or("").find(expected), std::string::npos) << message << "\n" << answer.value_or("");
        EXPECT_NE(server.Handle(good).value_or("").find(R"(1\t18/03/2002\n","type":"text"}],"isError":false)"),
            std::string::npos)
            << "after " << message;
    }
    // The case book was only looked for: a missing one stays missing, its analyses an empty list.
    EXPECT_NE(server.Handle(Call(21, "analyses", R"({"patient":"1002"})")).value_or("").find(R"("analyses":[])"),
        std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(book));
}

// The client's revision when we speak it, else our newest; batches only in the revision that has them.
TEST(McpServer, NegotiatesTheRevision)
{
    for (const auto& [asked, agreed, batch] : {std::tuple{"2025-03-26", "2025-03-26", true},
             std::tuple{"2024-11-05", "2024-11-05", false}, std::tuple{"2031-01-01", "2025-11-25", false}}) {
        CMcpServer server({SamplePractice().string(), {}, false});
        const auto answer = server.Handle(std::string(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":)")
            + R"({"protocolVersion":")" + asked + R"(","capabilities":{},"clientInfo":{"name":"t","version":"1"}}})");
        EXPECT_NE(answer.value_or("").find(std::string(R"("protocolVersion":")") + agreed + '"'), std::string::npos)
            << asked;
        const auto answers
            = server.Handle(R"([{"jsonrpc":"2.0","id":2,"method":"ping"},{"jsonrpc":"2.0","method":"notifications/x"},)"
                            R"({"jsonrpc":"2.0","id":3,"method":"nope"}])");
        EXPECT_EQ(answers.value_or(""),
            batch ? R"([{"id":2,"jsonrpc":"2.0","result":{}},{"error":{"code":-32601,"message":"no method nope"},)"
                    R"("id":3,"jsonrpc":"2.0"}])"
                  : R"({"error":{"code":-32600,"message":"batches are not part of this protocol revision"},)"
                    R"("id":null,"jsonrpc":"2.0"})")
            << asked;
    }
}

// A line longer than the bound is read to its end and dropped; the lines around it arrive whole.
TEST(McpLineReader, DropsTheRestOfAnOverLongLine)
{
    std::istringstream in("first\r\n" + std::string(1000, 'x') + "\n" + std::string(16, 'y') + "\nlast");
    CMcpLineReader reader(in, 16);
    std::string line;
    const std::pair<CMcpLineReader::Line, std::string> expected[] = {{CMcpLineReader::Line::Message, "first"},
        {CMcpLineReader::Line::TooLong, ""}, {CMcpLineReader::Line::Message, std::string(16, 'y')},
        {CMcpLineReader::Line::Message, "last"}, {CMcpLineReader::Line::End, ""}};
    for (const auto& [kind, text] : expected) {
        EXPECT_EQ(reader.Next(line), kind);
        EXPECT_EQ(line, text);
    }
}
