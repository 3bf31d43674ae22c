#include "generation/gbk.h"
#include "generation/text_rules.h"

#include <gtest/gtest.h>

using namespace vitrine;

namespace {

std::string g(const char16_t* s) { return toGbk(QStringView(s)); }

struct ReplaceCase {
    const char* name;
    std::string text, placeholder, value;
    int count;
    std::string expected;
    friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }
};

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, FillsAsTheRuleSays) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(Replace(c.text, c.placeholder, c.value, c.count), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTest,
    ::testing::Values(
        ReplaceCase{"first occurrences up to the count", g(u"宽度/宽度/宽度"), g(u"宽度"), "300", 2, g(u"300/300/宽度")},
        ReplaceCase{"count zero replaces nothing", "aXa", "X", "y", 0, "aXa"},
        ReplaceCase{"empty text", "", "X", "y", 1, ""},
        ReplaceCase{"empty placeholder", "abc", "", "y", 1, "abc"},
        ReplaceCase{"empty value removes the placeholder", g(u"href=\"#链接\""), g(u"#链接"), "", 1, "href=\"\""},
        ReplaceCase{"letters match in the other case", g(u"NIROVA版本 nirova版本"), g(u"Nirova版本"), "x", 2, "x x"},
        ReplaceCase{"every ASCII letter compares in either case", "aBc", "ABC", "z", 1, "z"},
        ReplaceCase{"inserted text is not rescanned", "XX", "X", "XX", 5, "XXXX"},
        ReplaceCase{"matches do not overlap", "aaaa", "aa", "b", 5, "bb"},
        // 0x81 0x41 is one character; its second byte is the letter A and must not match on its own.
        ReplaceCase{"no match at the second byte of a character", "\x81\x41", "A", "z", 1, "\x81\x41"},
        ReplaceCase{"a match right after a two-byte character", "\x81\x41" "A", "A", "z", 1, "\x81\x41z"},
        // The second byte of a character still compares letters in either case.
        ReplaceCase{"trail byte letters equal in either case", "\x81\x61", "\x81\x41", "z", 1, "z"},
        ReplaceCase{"a lone lead byte at the end", "ab\xB0", "b", "c", 1, "ac\xB0"},
        ReplaceCase{"value holding a later placeholder", g(u"#链接 提示"), g(u"#链接"), g(u"a提示"), 1, g(u"a提示 提示")}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(ReplaceTest, LaterCallsSeeEarlierValues) {
    // A link that contains the title's placeholder is itself changed by the title's call.
    TemplateFill fill(QStringView(u"<a href=\"#链接\" title=\"提示\">"));
    fill.replace(u"#链接", u"http://x/?q=提示", 1).replace(u"提示", u"T", 1);
    EXPECT_EQ(fromGbk(fill.bytes()), QStringLiteral("<a href=\"http://x/?q=T\" title=\"提示\">"));
}

TEST(NumberFormat, Examples) {
    const std::pair<double, const char*> cases[] = {
        {620, "620"},
        {-485, "-485"},
        {-0.5, "-0.5"},
        {600.5, "600.5"},
        {100, "100"},
        {475, "475"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1234567890123.4, "1234567890123"},
        {9999999999999.0, "9999999999999"},
        {1e13, "1e+013"},
        {12345678901234.0, "1.234567890123e+013"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {-2.5e-7, "-2.5e-007"},
        {1e300, "1e+300"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(formatNumber(value), QString::fromLatin1(expected)) << value;
    EXPECT_EQ(formatInteger(-12), QStringLiteral("-12"));
}

TEST(TextToNumber, IntegersAndNumbers) {
    struct Case {
        const char16_t* text;
        int integer;
        double number;
    };
    const Case cases[] = {
        {u"", 0, 0},
        {u"12px", 12, 12},
        {u"1.5", 1, 1.5},
        {u"  -7", -7, -7},
        {u"+5", 5, 5},
        {u"abc", 0, 0},
        {u"-", 0, 0},
        {u"１２", 12, 12},           // full-width digits
        {u"１．５", 1, 1.5},         // full-width point
        {u"　３", 3, 3},             // ideographic space
        {u"－４", -4, -4},           // full-width minus
        {u"1e3", 1, 1000},
        {u"1e", 1, 1},
        {u"2E-2x", 2, 0.02},
        {u".5", 0, 0.5},
        {u"5.", 5, 5},
        {u"1e999", 1, 0},            // out of range reads as nothing
        {u"99999999999", 2147483647, 99999999999.0},
        {u"-99999999999", -2147483647 - 1, -99999999999.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textToInteger(c.text), c.integer) << QString::fromUtf16(c.text).toStdString();
        EXPECT_DOUBLE_EQ(textToNumber(c.text), c.number) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(ColorToText, RedInTheLowByte) {
    EXPECT_EQ(colorToText(255 | (128 << 8) | (0 << 16)), QStringLiteral("#FF8000"));
    EXPECT_EQ(colorToText(0xFF0000), QStringLiteral("#0000FF"));
    EXPECT_EQ(colorToText(10 | (187 << 8) | (204 << 16)), QStringLiteral("#0ABBCC"));
    EXPECT_EQ(colorToText(65280), QStringLiteral("#00FF00"));
    EXPECT_EQ(colorToText(33023), QStringLiteral("#FF8000"));
}

}  // namespace
