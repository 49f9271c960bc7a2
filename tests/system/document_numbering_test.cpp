#include "OfficeFixture.h"

#include <QSet>

#include <thread>

namespace {

constexpr int kNote = StandardData::kNoteProgram;  // rule: yyyyMMdd + 4 digits
constexpr int kPrefixed = 7;                        // rule: "YD-" + yyMM + 3 digits
const QDate kDay(2026, 1, 5);

class NumberingTest : public OfficeTest {
protected:
    void SetUp() override
    {
        OfficeTest::SetUp();
        run(QStringLiteral("insert into xt_numbering (progid, prefix, dateformat, width) values (%1, 'YD-', 'yyMM', 3)").arg(kPrefixed));
    }

    QString preview(int program = kNote, const QDate& date = kDay)
    {
        QString number = QStringLiteral("ignored");
        EXPECT_TRUE(m_system.NextNumber(program, date, &number, true)) << m_system.LastError().Message.toStdString();
        return number;
    }

    QString take(const QString& handed, int program = kNote, const QDate& date = kDay)
    {
        QString number = handed;
        EXPECT_TRUE(m_system.NextNumber(program, date, &number, false)) << m_system.LastError().Message.toStdString();
        return number;
    }

    void release(const QString& number, int program = kNote)
    {
        EXPECT_TRUE(m_system.ReleaseNumber(program, kDay, number)) << m_system.LastError().Message.toStdString();
        EXPECT_TRUE(db().LastError().IsEmpty());
    }
};

TEST_P(NumberingTest, PreviewShowsTheNextNumberWithoutTakingIt)
{
    EXPECT_EQ(preview(), QStringLiteral("202601050001"));
    EXPECT_EQ(preview(), QStringLiteral("202601050001"));
    EXPECT_EQ(take(preview()), QStringLiteral("202601050001"));
    EXPECT_EQ(preview(), QStringLiteral("202601050002"));
    EXPECT_EQ(take(QString()), QStringLiteral("202601050002"));
    EXPECT_EQ(preview(kNote, kDay.addDays(1)), QStringLiteral("202601060001"));
    EXPECT_EQ(preview(kPrefixed), QStringLiteral("YD-2601001"));
    EXPECT_EQ(take(QString(), kPrefixed, kDay.addDays(3)), QStringLiteral("YD-2601001"));
    EXPECT_EQ(preview(kPrefixed, kDay.addDays(20)), QStringLiteral("YD-2601002"));
    EXPECT_EQ(preview(kPrefixed, kDay.addMonths(1)), QStringLiteral("YD-2602001"));
}

TEST_P(NumberingTest, ANumberIsNeverHandedOutTwice)
{
    // Two operators were shown the same proposal; the second one gets the next free number.
    const QString proposal = preview();
    EXPECT_EQ(take(proposal), QStringLiteral("202601050001"));
    EXPECT_EQ(take(proposal), QStringLiteral("202601050002"));
    // A later number of the rule typed by the operator is taken as it is; the counter moves past it.
    EXPECT_EQ(take(QStringLiteral("202601050010")), QStringLiteral("202601050010"));
    EXPECT_EQ(preview(), QStringLiteral("202601050011"));
    EXPECT_EQ(take(QStringLiteral("202601050005")), QStringLiteral("202601050011"));
    // Numbers the rule does not describe stay as typed and leave the counter alone.
    const QString typed[] = {QStringLiteral("A'01"), QStringLiteral("x' or '1'='1"), QStringLiteral("20260105001"),
                             QStringLiteral("202613050001"), QStringLiteral("2026010500001")};
    for (const QString& number : typed) {
        EXPECT_EQ(take(number), number);
        release(number);
    }
    EXPECT_EQ(preview(), QStringLiteral("202601050012"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from xt_numberstate")).toInt(), 1);
}

TEST_P(NumberingTest, OnlyTheLastNumberTakenIsGivenBack)
{
    for (int i = 0; i < 3; ++i)
        take(QString());
    release(QStringLiteral("202601050002"));
    EXPECT_EQ(preview(), QStringLiteral("202601050004"));
    release(QStringLiteral("202601050003"));
    EXPECT_EQ(preview(), QStringLiteral("202601050003"));
    release(QStringLiteral("202601050003"));  // no longer the last one
    EXPECT_EQ(preview(), QStringLiteral("202601050003"));
    release(QStringLiteral("202601060001"));  // a day with no number taken
    EXPECT_EQ(preview(kNote, kDay.addDays(1)), QStringLiteral("202601060001"));
    // The number carries its own date: a note whose date was changed still gives it back.
    EXPECT_TRUE(m_system.ReleaseNumber(kNote, kDay.addDays(9), QStringLiteral("202601050002")));
    EXPECT_EQ(preview(), QStringLiteral("202601050002"));
}

TEST_P(NumberingTest, NumbersFollowTheCallersTransaction)
{
    take(QString());
    take(QString());
    ASSERT_TRUE(db().BeginTrans());
    EXPECT_TRUE(m_system.ReleaseNumber(kNote, kDay, QStringLiteral("202601050002")));
    EXPECT_TRUE(db().InTransaction());
    ASSERT_TRUE(db().RollbackTrans());  // the deletion was refused
    EXPECT_EQ(preview(), QStringLiteral("202601050003"));

    ASSERT_TRUE(db().BeginTrans());
    EXPECT_EQ(take(QString()), QStringLiteral("202601050003"));
    EXPECT_TRUE(db().InTransaction());
    ASSERT_TRUE(db().CommitTrans());
    EXPECT_EQ(preview(), QStringLiteral("202601050004"));
}

TEST_P(NumberingTest, ProgramsWithoutARuleAndBadDates)
{
    EXPECT_EQ(preview(12345), QString());
    EXPECT_EQ(take(QStringLiteral("B'7"), 12345), QStringLiteral("B'7"));
    release(QStringLiteral("B'7"), 12345);

    QString number;
    EXPECT_FALSE(m_system.NextNumber(kNote, QDate(), &number, true));
    EXPECT_FALSE(m_system.LastError().IsEmpty());
    EXPECT_TRUE(m_system.ReleaseNumber(kNote, QDate(), QStringLiteral("202601050001")));
}

TEST_P(NumberingTest, OperatorsTakingAtTheSameTimeGetDistinctNumbers)
{
    constexpr int kEach = 12;
    const ConnectionSettings where = m_test->settings();
    QStringList taken[2];
    QString failures[2];
    auto operatorAt = [&](int who) {
        Database own;
        if (!own.OpenConnection(where)) {
            failures[who] = own.LastError().Message;
            return;
        }
        AppSystem system;
        system.Init(&own, 0);
        for (int i = 0; i < kEach; ++i) {
            QString number;
            if (!system.NextNumber(kNote, kDay, &number, false))
                failures[who] += system.LastError().Message;
            taken[who] << number;
        }
    };
    std::thread first(operatorAt, 0);
    std::thread second(operatorAt, 1);
    first.join();
    second.join();
    EXPECT_EQ(failures[0] + failures[1], QString());
    const QStringList all = taken[0] + taken[1];
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), 2 * kEach) << all.join(u' ').toStdString();
    EXPECT_EQ(preview(), QStringLiteral("2026010500%1").arg(2 * kEach + 1));
}

ORVEL_OFFICE_ENGINES(NumberingTest);

}  // namespace
