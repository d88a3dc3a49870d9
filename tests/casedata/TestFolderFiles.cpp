// What the practice folder's files are read through: the bounds-checked reader; the folder layer in a hostile folder
// (which names and entries count as the exported files, and saves that replace a name without writing through a
// link planted there); Windows-1252 texts and texts through the translator; and the patient index "PatDet.txt" and
// choosing a patient.
#include "casedata/ByteReader.h"
#include "casedata/PatientIndex.h"
#include "casedata/PracticeFolder.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "fixtures/CaseWriters.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <tuple>
#include <vector>

using namespace quillon;
using namespace quillon::fixtures;
using quillon::testing::ReadBytes;
using quillon::testing::TempFolder;
namespace fs = std::filesystem;

TEST(ByteReader, ReadsLittleEndianAndRefusesToPassTheEnd)
{
    const std::uint8_t data[] = {0x01, 0x02, 0x03, 0x04, 0x05};
    ByteReader in(data);
    std::uint16_t w = 0;
    std::uint32_t d = 0;
    EXPECT_TRUE(in.ReadU16(w));
    EXPECT_EQ(w, 0x0201);
    EXPECT_FALSE(in.ReadU32(d)); // only 3 bytes left
    EXPECT_EQ(in.Position(), 2u); // a failed read does not move
    std::span<const std::uint8_t> bytes;
    EXPECT_FALSE(in.ReadBytes(4, bytes));
    EXPECT_TRUE(in.ReadBytes(3, bytes));
    EXPECT_TRUE(in.AtEnd());
    std::uint8_t b = 0;
    EXPECT_FALSE(in.ReadU8(b));
    EXPECT_TRUE(in.Seek(5));
    EXPECT_FALSE(in.Seek(6));
    EXPECT_FALSE(in.Skip(1));
    EXPECT_TRUE(in.Seek(0));
    EXPECT_TRUE(in.ReadU32(d));
    EXPECT_EQ(d, 0x04030201u);
    EXPECT_EQ(in.Find(0x05), 0u);
    EXPECT_EQ(in.Find(0x05, 0), ByteReader::npos);
    EXPECT_EQ(in.Find(0x01), ByteReader::npos);
}

TEST(PracticeFolder, PlainNamesOnly)
{
    EXPECT_TRUE(IsPlainFileName("101.rsy"));
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "c:x", "../x"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    EXPECT_FALSE(IsPlainFileName(std::string(100, 'a')));
    EXPECT_TRUE(IsPlainFileName(std::string(99, 'a')));
}

TEST(FolderFiles, OnlyPlainFilesOfTheFolderAreRead)
{
    const TempFolder temp, elsewhere;
    const fs::path outside = elsewhere.Write("secret.txt", "outside");
    const fs::path& root = temp.Path();
    temp.Write("PatDet.txt", "index");
    temp.Write("DRUG.DAT", "drug");
    fs::create_symlink(outside, root / "drugl.dat");
    // A link beside a plain file of the same name in another letter case: the plain file is the one.
    fs::create_symlink(outside, root / "LANTH.TXT");
    temp.Write("Lanth.txt", "lanth");
    // Sparse: one byte over the cap, and a neighbour at the cap that is only located, never read here.
    fs::resize_file(temp.Write("minrcode.dat", ""), CPracticeFolder::kMaxFileSize + 1);
    fs::resize_file(temp.Write("othergrp.txt", ""), CPracticeFolder::kMaxFileSize);

    const CPracticeFolder folder(root);
    const std::tuple<const char*, ReadStatus, std::string> cases[] = {
        {"PatDet.txt", ReadStatus::Ok, "index"},
        {"patdet.TXT", ReadStatus::Ok, "index"},
        {"drug.dat", ReadStatus::Ok, "drug"},
        {"drugl.dat", ReadStatus::NotFound, ""},
        {"lanth.txt", ReadStatus::Ok, "lanth"},
        {"minrcode.dat", ReadStatus::TooLarge, ""},
    };
    for (const auto& [name, status, bytes] : cases) {
        std::vector<std::uint8_t> read;
        EXPECT_EQ(folder.ReadFile(name, read), status) << name;
        EXPECT_EQ(std::string(read.begin(), read.end()), bytes) << name;
    }
    EXPECT_EQ(folder.Locate("othergrp.txt"), root / "othergrp.txt");
    CFolderFile file;
    ASSERT_EQ(folder.Open("othergrp.txt", file), ReadStatus::Ok);
    EXPECT_EQ(file.Size(), CPracticeFolder::kMaxFileSize);
    // A piece is read where it lies; none past the end.
    std::vector<std::uint8_t> piece;
    EXPECT_EQ(file.Read(CPracticeFolder::kMaxFileSize - 2, 10, piece), ReadStatus::Ok);
    EXPECT_EQ(piece, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(file.Read(CPracticeFolder::kMaxFileSize, 10, piece), ReadStatus::Ok);
    EXPECT_TRUE(piece.empty());
    EXPECT_EQ(ReadBytes(outside), "outside");
}

TEST(FolderFiles, SavesReplaceTheNameNeverWhatALinkThereLeadsTo)
{
    struct Case
    {
        const char* name;
        std::function<void(const fs::path& root, const fs::path& outside)> plant;
        bool saved;
    };
    const Case cases[] = {
        {"nothing there", [](const fs::path&, const fs::path&) {}, true},
        {"an older page",
            [](const fs::path& root, const fs::path&) { fixtures::WriteBytes(root / "template.html", "old"); }, true},
        {"a link at the old scratch name",
            [](const fs::path& root, const fs::path& outside) {
                fs::create_symlink(outside, root / "template.html.quillon-tmp");
            },
            true},
        {"a link named like the page",
            [](const fs::path& root, const fs::path& outside) { fs::create_symlink(outside, root / "template.html"); },
            true},
        {"a folder named like the page",
            [](const fs::path& root, const fs::path&) { fs::create_directory(root / "template.html"); }, false},
    };
    for (const Case& c : cases) {
        const TempFolder temp, elsewhere;
        const fs::path outside = elsewhere.Write("secret.txt", "outside");
        c.plant(temp.Path(), outside);
        std::vector<fs::path> before;
        for (const auto& entry : fs::directory_iterator(temp.Path()))
            before.push_back(entry.path().filename());

        const auto path = CPracticeFolder(temp.Path()).PathForWriting("template.html");
        ASSERT_TRUE(path) << c.name;
        EXPECT_EQ(WriteFileAtomically(*path, "page"), c.saved) << c.name;

        EXPECT_EQ(ReadBytes(outside), "outside") << c.name;
        const fs::file_status page = fs::symlink_status(temp.Path() / "template.html");
        EXPECT_EQ(page.type(), c.saved ? fs::file_type::regular : fs::file_type::directory) << c.name;
        if (c.saved) {
            EXPECT_EQ(ReadBytes(temp.Path() / "template.html"), "page") << c.name;
        }
        // Nothing is left behind but the page: a planted entry stays as it was, and no scratch file remains.
        for (const auto& entry : fs::directory_iterator(temp.Path())) {
            const fs::path name = entry.path().filename();
            EXPECT_TRUE(name == "template.html" || std::find(before.begin(), before.end(), name) != before.end())
                << c.name << ": " << name;
        }
        if (fs::is_symlink(temp.Path() / "template.html.quillon-tmp")) {
            EXPECT_EQ(fs::read_symlink(temp.Path() / "template.html.quillon-tmp"), outside);
        }
    }
}

TEST(TextCodec, ConvertsEveryByteAndBack)
{
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9 \x80 \x96"), "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93");
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?"); // not in the code page
    EXPECT_EQ(Utf8ToCp1252("\xE9t\xE9"), "\xE9t\xE9"); // not UTF-8: taken as it is
}

TEST(TextCodec, CaseInsensitiveComparison)
{
    EXPECT_TRUE(EqualsNoCase("Head - PAIN", "head - pain"));
    EXPECT_TRUE(EqualsNoCase("\xC9T\xC9", "\xE9t\xE9"));
    EXPECT_FALSE(EqualsNoCase("Bell", "Bella"));
    // Letters sort after '-' and '.', and '_' before letters, whatever their case.
    for (const auto& [a, b, sign] : {std::tuple{"acon", "Bell", -1}, {"Calc", "bell", 1}, {"Bell", "bella", -1},
             {"Nat-m", "Nata", -1}, {"A_", "Ab", -1}})
        EXPECT_EQ((CompareNoCase(a, b) > 0) - (CompareNoCase(a, b) < 0), sign) << a << " " << b;
}

TEST(TextCodec, EscapingKeepsOneRecordOnOneLine)
{
    // Text, as a field, as terminal text (Windows-1252 bytes), as terminal text (UTF-8).
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"a\tb\r\nc\\d", "a\\tb\\r\\nc\\\\d", "a\tb\r\nc\\d", "a\tb\r\nc\\d"},
        {"\x1b[31mred\x7f\x01", "\\x1b[31mred\\x7f\\x01", "\\x1b[31mred\\x7f\\x01", "\\x1b[31mred\\x7f\\x01"},
        // C1 controls exist only in UTF-8; the same bytes in the code page are letters ("Â" and "…").
        {"x\xC2\x85y \xC2\xA0z", "x\xC2\x85y \xC2\xA0z", "x\xC2\x85y \xC2\xA0z", "x\\x85y \xC2\xA0z"},
        // The five bytes the code page leaves undefined are those controls to a terminal; the euro sign (0x80) and
        // Y diaeresis (0x9F) beside them are letters, and so is every UTF-8 character past U+009F.
        {"\x81\x8D\x8F\x90\x9D \x80\x9F", "\x81\x8D\x8F\x90\x9D \x80\x9F", "\\x81\\x8d\\x8f\\x90\\x9d \x80\x9F",
            "\x81\x8D\x8F\x90\x9D \x80\x9F"},
        {"\xC2\x81\xC2\x9D\xC2\xA0\xE2\x82\xAC", "\xC2\x81\xC2\x9D\xC2\xA0\xE2\x82\xAC",
            "\xC2\\x81\xC2\\x9d\xC2\xA0\xE2\x82\xAC", "\\x81\\x9d\xC2\xA0\xE2\x82\xAC"},
        // The C1 range's ends, U+0080 and U+009F, are controls; the bytes are the euro sign and Y diaeresis.
        {"\xC2\x80\xC2\x9F\xC2\xA0", "\xC2\x80\xC2\x9F\xC2\xA0", "\xC2\x80\xC2\x9F\xC2\xA0", "\\x80\\x9f\xC2\xA0"},
        {std::string("nul\0end", 7), "nul\\x00end", "nul\\x00end", "nul\\x00end"},
    };
    for (const auto& [text, field, cp1252, utf8] : cases) {
        EXPECT_EQ(EscapeTextField(text), field) << text;
        EXPECT_EQ(EscapeControls(text, false), cp1252) << text;
        EXPECT_EQ(EscapeControls(text, true), utf8) << text;
        EXPECT_EQ(UnescapeTextField(field), text) << field;
    }
    // Backslashes that start no escape of the field's form stay as they are.
    EXPECT_EQ(UnescapeTextField("a\\xZ1\\x4\\x41\\"), "a\\xZ1\\x4A\\");
    EXPECT_EQ(SplitFields("a\t\tb\t", '\t'), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(SplitFields("", '\t'), std::vector<std::string>{""});
}

TEST(Translatable, PatternsTakeTheirArgumentsByNumber)
{
    // Pattern, arguments, text: a translation may reorder the numbers; a number without an argument stays.
    const std::tuple<std::string, std::vector<std::string>, std::string> cases[] = {
        {"Step %1 of %2", {"3", "7"}, "Step 3 of 7"}, {"%2 von %1", {"7", "3"}, "3 von 7"},
        {"%1%1 and 100%", {"ab"}, "abab and 100%"},
        {"%3 missing, %0 and %a kept", {"x", "y"}, "%3 missing, %0 and %a kept"}, {"%10", {"1"}, "10"},
        {"trailing %", {}, "trailing %"},
        {"%1 holds %2", {"%2", "z"}, "%2 holds z"}, // an argument is never read as a pattern
    };
    for (const auto& [pattern, args, text] : cases) {
        std::vector<std::string_view> views(args.begin(), args.end());
        std::string got;
        switch (views.size()) {
        case 0: got = FormatText(pattern, {}); break;
        case 1: got = FormatText(pattern, {views[0]}); break;
        default: got = FormatText(pattern, {views[0], views[1]}); break;
        }
        EXPECT_EQ(got, text) << pattern;
    }
}

TEST(Translatable, TextsPassThroughTheInstalledTranslatorOnly)
{
    EXPECT_EQ(translate(kMessageContext, "Insufficient memory"), "Insufficient memory");
    SetTextTranslator([](const char* context, const char* source) {
        return std::string(context) == kMessageContext ? std::string("\xDC") + source : std::string(source);
    });
    EXPECT_EQ(translate(kMessageContext, "Insufficient memory"), "\xDCInsufficient memory");
    EXPECT_EQ(translate("Pages", "Totality"), "Totality");
    SetTextTranslator(nullptr);
    EXPECT_EQ(translate(kMessageContext, "Insufficient memory"), "Insufficient memory");
}

namespace {

PatientIndex Parse(std::string_view text)
{
    return ParsePatientIndex(AsBytes(text));
}

std::vector<std::string> RegNos(const PatientIndex& index)
{
    std::vector<std::string> out;
    for (const auto& row : index.rows)
        out.push_back(row.regNo);
    return out;
}

} // namespace

TEST(PatientIndex, ReadsPhysicianAndRowsWithCrlfEnds)
{
    const PatientIndex index = Parse("Dr. S. Rao  \r\n101:A Patient:34:05/11/2002\r\n102:B Patient:7:06/11/2002  \r\n");
    EXPECT_EQ(index.physician, "Dr. S. Rao");
    EXPECT_EQ(index.rows,
        (std::vector<PatientRow>{{"101", "A Patient", "34", "05/11/2002"}, {"102", "B Patient", "7", "06/11/2002"}}));
}

TEST(PatientIndex, PrefixDuplicatesAreDropped)
{
    // The patient lines and the numbers listed: a number that begins an earlier one is dropped, letter case ignored;
    // a near miss in the last character is another patient, in either order.
    const std::pair<const char*, std::vector<std::string>> cases[]
        = {{"1015:X:1:d\n101:Y:2:d\n", {"1015"}}, {"101:Y:2:d\n1015:X:1:d\n", {"101", "1015"}},
            {"102:X:1:d\n101:Y:2:d\n", {"102", "101"}}, {"101:Y:2:d\n102:X:1:d\n", {"101", "102"}},
            {"b2:X:1:d\nA10:Y:1:d\nA1:Z:1:d\na:W:1:d\nA2:V:1:d\n", {"b2", "A10", "A2"}}};
    for (const auto& [lines, regNos] : cases)
        EXPECT_EQ(RegNos(Parse(std::string("Dr\n") + lines)), regNos) << lines;
    // A repeated number keeps the first line's fields.
    EXPECT_EQ(Parse("Dr\n7:First:1:a\n7:Second:2:b\n").rows, (std::vector<PatientRow>{{"7", "First", "1", "a"}}));
}

TEST(PatientIndex, UnsettledInputStaysInsideTheText)
{
    // Last line without a line end, a zero byte ending the text, short lines and over-long fields.
    EXPECT_EQ(Parse("Dr\n101:A:3:01/01/2001").rows.at(0).visitDate, "01/01/2001");
    EXPECT_EQ(RegNos(Parse(std::string("Dr\n101:A:3:d\n") + '\0' + "102:B:4:d\n")), std::vector<std::string>{"101"});
    EXPECT_EQ(Parse("Dr\n103:OnlyName\n104:N:5:d\n").rows,
        (std::vector<PatientRow>{{"103", "OnlyName", "", ""}, {"104", "N", "5", "d"}}));
    const PatientIndex longField = Parse("Dr\n1:" + std::string(800, 'n') + ":2:d\n");
    EXPECT_EQ(longField.rows.at(0).name.size(), 499u);
    EXPECT_EQ(Parse("").rows.size(), 0u);
    EXPECT_EQ(Parse("Dr only").physician, "Dr only");
    // Blank lines are no patients; fields are not trimmed on the left.
    EXPECT_EQ(Parse("Dr\r\n\r\n 12: Name:3:d\r\n").rows, (std::vector<PatientRow>{{" 12", " Name", "3", "d"}}));
}

// Opening the chart, asking for a visit and staying open are driven through the window in TestAppShell and
// TestSymptomsDialogs; a lone visit without symptoms opens nothing.
TEST(PatientSelection, AVisitWithoutSymptomsOpensNothing)
{
    TempFolder temp;
    temp.Write("4.rsy", EncodeRsy({{1, 1, 2001, {}}}));
    RecordingMessageSink sink;
    CQuillonState state(CPracticeFolder(temp.Path()), sink);
    SetCurrentPatient(state, {"4", "Di", "1", ""}, "Dr");
    EXPECT_EQ(ChooseCurrentPatient(state), PatientChoice::NothingToOpen);
}
