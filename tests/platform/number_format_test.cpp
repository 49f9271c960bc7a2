#include "grid/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* pattern;
    double value;
    const char* expected;
};

TEST(NumberFormatTest, AppliesPatterns)
{
    const FormatCase cases[] = {
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0.00", -1234567.891, "-1,234,567.89"},
        {"#,##0.00", 0, "0.00"},
        {"#,##0.###", 1234.5, "1,234.5"},
        {"#,##0.###", 2, "2"},
        {"#,##0.###", 0.12345, "0.123"},
        {"#,##0", 999.5, "1,000"},
        {"#,##0", -0.2, "0"},
        {"0.00", 3, "3.00"},
        {"#.##", 0.5, ".5"},
        {"0.0%", 0.125, "12.5%"},
        {"￥#,##0.00元", 12, "￥12.00元"},
    };
    for (const FormatCase& c : cases) {
        const NumberFormat format(QString::fromUtf8(c.pattern));
        EXPECT_TRUE(format.IsNumeric()) << c.pattern;
        EXPECT_EQ(format.Apply(c.value), QString::fromUtf8(c.expected)) << c.pattern << " " << c.value;
    }
}

TEST(NumberFormatTest, PatternsWithoutDigitPlacesAreNotNumeric)
{
    for (const char* pattern : {"", "yyyy-mm-dd", "text"})
        EXPECT_FALSE(NumberFormat(QString::fromUtf8(pattern)).IsNumeric()) << pattern;
}

TEST(NumberFormatTest, ParsesCellTexts)
{
    EXPECT_EQ(NumberFormat::Parse(u" 12.5 "), 12.5);
    EXPECT_EQ(NumberFormat::Parse(u"1,234.5"), 1234.5);
    EXPECT_EQ(NumberFormat::Parse(u"-3"), -3);
    for (const char16_t* text : {u"", u"  ", u"abc", u"12abc", u"1.2.3", u"inf", u"nan"})
        EXPECT_FALSE(NumberFormat::Parse(text).has_value()) << QString::fromUtf16(text).toStdString();
}

} // namespace
