// Windows-1252 texts, and texts through the translator.
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <vector>

using namespace quillon;

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
