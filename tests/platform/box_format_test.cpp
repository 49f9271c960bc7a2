#include "controls/BoxFormat.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(BoxFormat, ParsesOnlyPlainNumbers)
{
    const struct { const char* text; std::optional<double> value; } cases[] = {
        {"12.5", 12.5}, {" -3 ", -3.0}, {"+7", 7.0}, {"0.25", 0.25}, {".5", 0.5}, {"12.", 12.0},
        {"1,5", std::nullopt}, {"1,234.5", std::nullopt}, {"abc", std::nullopt},
        {"12abc", std::nullopt}, {"", std::nullopt}, {"1.2.3", std::nullopt}, {"-", std::nullopt},
        {"1e5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxFormat::ParseNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(BoxFormat, FormatsWithAPlainPointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const struct { double value; int decimals; const char* text; } cases[] = {
        {1234567.5, -1, "1234567.5"}, {12.5, 2, "12.50"}, {0.1 + 0.2, 2, "0.30"},
        {-0.0, -1, "0"}, {3, -1, "3"}, {1e12, -1, "1000000000000"}, {2.675, 0, "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxFormat::FormatNumber(c.value, c.decimals), QString::fromLatin1(c.text)) << c.value;
    QLocale::setDefault(QLocale::c());
}

TEST(BoxFormat, ParsesDatesThatExist)
{
    const struct { const char* text; QDate date; } cases[] = {
        {"2024-03-05", QDate(2024, 3, 5)}, {"2024-3-5", QDate(2024, 3, 5)},
        {"2024/12/31", QDate(2024, 12, 31)}, {"2024.1.2", QDate(2024, 1, 2)},
        {"20240229", QDate(2024, 2, 29)}, {" 2024-02-29 ", QDate(2024, 2, 29)},
        {"2023-02-29", QDate()}, {"2024-13-01", QDate()}, {"24-3-5", QDate()},
        {"05.03.2024", QDate()}, {"", QDate()}, {"abc", QDate()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxFormat::ParseDate(QString::fromUtf8(c.text)).value_or(QDate()), c.date) << c.text;
    EXPECT_EQ(BoxFormat::FormatDate(QDate(2024, 3, 5)), QStringLiteral("2024-03-05"));
}

TEST(BoxFormat, LookupStatementNeverLetsTypedTextOutOfItsLiteral)
{
    const QString sql = QStringLiteral("Select startway,'' From cnote  where startway='@'");
    const struct { QString sql; QString text; QString expected; } cases[] = {
        {sql, QStringLiteral("上海"), QStringLiteral("Select startway,'' From cnote  where startway='上海'")},
        {sql, QStringLiteral("x' or '1'='1"),
         QStringLiteral("Select startway,'' From cnote  where startway='x'' or ''1''=''1'")},
        {QStringLiteral("select a from t where a=@"), QStringLiteral("O'Neil"),
         QStringLiteral("select a from t where a='O''Neil'")},
        {QStringLiteral("select a from t where a like '%@%'"), QStringLiteral("b"),
         QStringLiteral("select a from t where a like '%b%'")},
        {QStringLiteral("select 1"), QStringLiteral("z"), QStringLiteral("select 1")},
        {sql, QStringLiteral("a@b"), QStringLiteral("Select startway,'' From cnote  where startway='a@b'")},
        {sql, QString(QStringLiteral("n")) + QChar(0) + QStringLiteral("ul"),
         QStringLiteral("Select startway,'' From cnote  where startway='nul'")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxFormat::FillLookupSql(c.sql, c.text), c.expected) << c.text.toStdString();
}
