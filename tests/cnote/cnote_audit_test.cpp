#include "CnoteFixture.h"

#include "CnoteAudit.h"

namespace {

using CnoteAuditTest = CnoteTest;

TEST_P(CnoteAuditTest, CheckThenUnCheckWritesTheMarkAuditorAndDate)
{
    addNote(7, kProgram, QStringLiteral("N-7"));
    addNote(8, kProgram, QStringLiteral("N-8"));
    ASSERT_TRUE(m_form->RecordTop());
    const QString mark = QStringLiteral("select smark || '|' || status || '|' || shr from cnote where cnoteID=7");

    EXPECT_TRUE(m_form->Check());
    EXPECT_EQ(value(mark).toString(), QStringLiteral("02|审核|admin"));
    EXPECT_EQ(value(QStringLiteral("select shDate from cnote where cnoteID=7")).toDate(), QDate(2026, 3, 15));
    // The host shows the label and loads again; the audited note stays in view.
    EXPECT_TRUE(m_form->DoSetStatus(QStringLiteral("check"), true));
    EXPECT_EQ(m_form->GetID(), 7);
    EXPECT_TRUE(m_form->CheckStatus(QStringLiteral("check")));
    EXPECT_EQ(value(QStringLiteral("select smark from cnote where cnoteID=8")).toString(), QStringLiteral("01"));
    EXPECT_EQ(box(CnoteFields::Auditor)->Text(), QStringLiteral("admin"));

    // Another operator on another day takes the mark away; quotes and "%1" in the name are stored
    // as typed.
    m_system.AppInfo().UserName = QStringLiteral("O'Brien %1");
    m_system.AppInfo().OperationDate = QDate(2026, 4, 2);
    EXPECT_TRUE(m_form->UnCheck());
    EXPECT_EQ(value(mark).toString(), QStringLiteral("01|填单|O'Brien %1"));
    EXPECT_EQ(value(QStringLiteral("select shDate from cnote where cnoteID=7")).toDate(), QDate(2026, 4, 2));
    EXPECT_TRUE(m_form->DoSetStatus(QStringLiteral("check"), false));
    EXPECT_FALSE(m_form->CheckStatus(QStringLiteral("check")));
    EXPECT_FALSE(db().InTransaction());
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
}

TEST_P(CnoteAuditTest, WithoutANoteNothingChangesAndTheAnswerIsTrue)
{
    addNote(7, kProgram, QStringLiteral("N-7"));
    ASSERT_EQ(m_form->GetID(), 0);
    EXPECT_TRUE(m_form->Check());
    EXPECT_EQ(value(QStringLiteral("select smark from cnote where cnoteID=7")).toString(), QStringLiteral("01"));
}

TEST_P(CnoteAuditTest, TheAuditDateIsWrittenInTheDriversSyntax)
{
    const QString sql = CnoteAudit::Statement(db(), true, kProgram, QStringLiteral("admin"), QDate(2026, 3, 15), 7);
    const bool jet = GetParam() == TestEngine::Sqlite;
    EXPECT_EQ(sql, QStringLiteral(" Update cnote Set progID=650001,smark='02', shr='admin', shDate=%1, status='审核' Where cnoteID=7")
                       .arg(jet ? QStringLiteral("#2026-03-15#") : QStringLiteral("'2026-03-15'")));
    EXPECT_TRUE(CnoteAudit::Statement(db(), false, kProgram, QStringLiteral("admin"), QDate(2026, 3, 15), 7)
                    .contains(QStringLiteral("smark='01',  shr='admin'")));
}

TEST_P(CnoteAuditTest, ADatabaseFailureIsShownAndRolledBack)
{
    addNote(7, kProgram, QStringLiteral("N-7"));
    ASSERT_TRUE(m_form->RecordTop());
    run(QStringLiteral("alter table cnote rename to cnote_away"));
    EXPECT_FALSE(m_form->Check());
    EXPECT_FALSE(m_form->UnCheck());
    ASSERT_EQ(m_dialogs.Requests().size(), 2);
    EXPECT_EQ(m_dialogs.Requests().at(0).text, QStringLiteral("Check Error::"));
    EXPECT_EQ(m_dialogs.Requests().at(1).text, QStringLiteral("UnCheck::"));
    EXPECT_TRUE(m_dialogs.Requests().at(0).title.isEmpty());
    EXPECT_FALSE(db().InTransaction());
    EXPECT_TRUE(db().LastError().IsEmpty());
}

ORVEL_OFFICE_ENGINES(CnoteAuditTest);

}  // namespace
