#include "CnoteFixture.h"

#include "PvData.h"
#include "mPub.h"
#include "settings/SettingsFile.h"

namespace {

using namespace CnoteFields;
// Notes 1, 3, 5 of the program and 2, 4 of another program.
class CnoteBrowse : public CnoteTest {
protected:
    void SetUp() override
    {
        CnoteTest::SetUp();
        addNote(1, kProgram, QStringLiteral("N-1"), QStringLiteral("华联商贸"), QStringLiteral("2026-03-01"));
        addNote(2, kOtherProgram, QStringLiteral("N-2"), QStringLiteral("华联商贸"), QStringLiteral("2026-03-01"));
        addNote(3, kProgram, QStringLiteral("N-3"), QStringLiteral("O'Neil 贸易"), QStringLiteral("2026-03-02"), QStringLiteral("02"));
        addNote(4, kOtherProgram, QStringLiteral("N-4"), QStringLiteral("华联商贸"), QStringLiteral("2026-03-02"));
        addNote(5, kProgram, QStringLiteral("N-5"), QStringLiteral("华联物流"), QStringLiteral("2026-03-02"));
    }

    void expectShown(qint64 id, const char* position)
    {
        EXPECT_EQ(m_form->GetID(), id);
        EXPECT_EQ(number(), id ? QStringLiteral("N-%1").arg(id) : QString());
        EXPECT_EQ(record(), QStringLiteral("记录：") + QString::fromUtf8(position));
    }

    QVariant search(PvData::Slot slot, const QString& column, const QString& comparison, const QString& value)
    {
        PvData data;
        data.AppendLine(slot, column, comparison, value);
        return data.ToVariant();
    }
};

TEST_P(CnoteBrowse, MovesOverTheNotesOfItsOwnProgramOnly)
{
    QSignalSpy refreshed(m_form.get(), &FormComponent::FormRefreshed);
    const struct {
        bool (CNOTE_S::*step)();
        qint64 id;
        const char* position;
    } steps[] = {
        {&CNOTE_S::RecordTop, 1, "1/3"},      {&CNOTE_S::RecordPrevious, 1, "1/3"}, {&CNOTE_S::RecordNext, 3, "2/3"},
        {&CNOTE_S::RecordNext, 5, "3/3"},     {&CNOTE_S::RecordNext, 5, "3/3"},     {&CNOTE_S::RecordPrevious, 3, "2/3"},
        {&CNOTE_S::RecordBottom, 5, "3/3"},   {&CNOTE_S::RecordTop, 1, "1/3"},      {&CNOTE_S::Refresh, 5, "3/3"},
    };
    for (const auto& s : steps) {
        EXPECT_TRUE((m_form.get()->*s.step)());
        expectShown(s.id, s.position);
    }
    EXPECT_EQ(refreshed.count(), int(std::size(steps)));
}

TEST_P(CnoteBrowse, AnInitialNoteIsShownFirstAndThenBrowsingCoversTheProgram)
{
    m_form = openForm(kProgram, 3);
    EXPECT_TRUE(m_form->RecordTop());
    expectShown(3, "1/1");
    EXPECT_TRUE(m_form->RecordNext());
    expectShown(5, "3/3");
}

TEST_P(CnoteBrowse, AProgramWithoutNotesShowsAnEmptyForm)
{
    m_form = openForm(650077, 0);
    for (auto step : {&CNOTE_S::RecordTop, &CNOTE_S::Refresh}) {
        EXPECT_TRUE((m_form.get()->*step)());
        expectShown(0, "0/0");
    }
}

TEST_P(CnoteBrowse, FillsTheFormFromTheNote)
{
    run(QStringLiteral("update cnote set yuanfee=12.5, zhisongfee=0, hejiyunfee=0, songhuodan=2, fapiao=0, consignMode='直送' where cnoteID=1"));
    addGoods(QStringLiteral("N-1"), 2, QStringLiteral("钢材"));
    addGoods(QStringLiteral("N-1"), 1, QStringLiteral("布匹"));
    m_form->RecordTop();
    EXPECT_EQ(box(Freight)->Text(), QStringLiteral("12.5"));
    EXPECT_EQ(box(DirectFee)->Text(), QString());
    EXPECT_EQ(box(Subtotal)->Text(), QStringLiteral("0"));
    EXPECT_EQ(box(DeliveryCopies)->Text(), QStringLiteral("2"));
    EXPECT_EQ(box(InvoiceCopies)->Text(), QString());
    EXPECT_EQ(box(NoteDate)->Text(), QStringLiteral("2026-03-01"));
    EXPECT_FALSE(m_form->View().Collection(SelfCollect)->isChecked());
    EXPECT_TRUE(m_form->View().Collection(Direct)->isChecked());
    EXPECT_TRUE(m_form->View().Collection(SignedReceipt)->isChecked());
    EXPECT_FALSE(m_form->CheckStatus(QString()));
    ASSERT_EQ(grid().Rows(), 3);
    EXPECT_EQ(grid().TextMatrix(1, 0), QStringLiteral("1"));
    EXPECT_EQ(grid().TextMatrix(1, 1), QStringLiteral("布匹"));
    EXPECT_EQ(grid().TextMatrix(2, 1), QStringLiteral("钢材"));
    EXPECT_EQ(grid().TextMatrix(2, 4), QStringLiteral("10.5"));

    // The next note has an empty collection mode, is audited and has no goods lines.
    m_form->RecordNext();
    EXPECT_FALSE(m_form->View().Collection(Direct)->isChecked());
    EXPECT_FALSE(m_form->View().Collection(SelfCollect)->isChecked());
    EXPECT_TRUE(m_form->CheckStatus(QString()));
    EXPECT_EQ(box(FromName)->Text(), QStringLiteral("O'Neil 贸易"));
    EXPECT_EQ(grid().Rows(), 1);
}

TEST_P(CnoteBrowse, FindsAndFindsNextWithinTheProgram)
{
    m_form->RecordTop();
    EXPECT_FALSE(m_form->Find(search(PvData::FindSlot, QStringLiteral("fromName"), QStringLiteral("like"), QStringLiteral("华联"))));
    expectShown(1, "1/3");
    m_form->FindNext();
    expectShown(5, "3/3");
    m_form->FindNext();  // the last match stays
    expectShown(5, "3/3");

    m_form->Find(search(PvData::FindSlot, QStringLiteral("fromName"), QStringLiteral("like"), QStringLiteral("O'Neil")));
    expectShown(3, "2/3");
    // A quote cannot widen the search: nothing matches, the form is cleared.
    m_form->Find(search(PvData::FindSlot, QStringLiteral("fromName"), QStringLiteral("like"), QStringLiteral("x' or 'a'='a")));
    expectShown(0, "0/0");
    m_form->Find(QVariant());  // no definition: nothing happens
    expectShown(0, "0/0");
}

TEST_P(CnoteBrowse, FiltersByLikeAndByDateUntilTheFilterIsEmptied)
{
    m_form->Filter(search(PvData::FilterSlot, QStringLiteral("fromName"), QStringLiteral("like"), QStringLiteral("华联")));
    expectShown(5, "2/2");
    EXPECT_FALSE(m_form->View().Filtering()->isHidden());
    m_form->RecordPrevious();
    expectShown(1, "1/2");

    // A date in the syntax of the driver ("#" on jet, quotes otherwise).
    m_form->Filter(search(PvData::FilterSlot, QStringLiteral("cnoteDate"), QStringLiteral("="), QStringLiteral("2026-03-02")));
    expectShown(5, "2/2");
    m_form->RecordTop();
    expectShown(3, "1/2");

    m_form->Filter(search(PvData::FilterSlot, QStringLiteral("cnoteDate"), QStringLiteral("="), QStringLiteral(" ")));
    EXPECT_TRUE(m_form->View().Filtering()->isHidden());
    expectShown(5, "3/3");
}

TEST_P(CnoteBrowse, SmallOperationsAnswerAsTheContractSays)
{
    EXPECT_EQ(m_form->Attributes(QStringLiteral("98")), QStringLiteral("check"));
    EXPECT_EQ(m_form->Attributes(QStringLiteral("98.0")), QStringLiteral("check"));
    EXPECT_EQ(m_form->Attributes(QStringLiteral("97")), QString());
    EXPECT_FALSE(m_form->FileNewNext());
    EXPECT_FALSE(m_form->Help());
    EXPECT_FALSE(m_form->Action(QStringLiteral("x")));
    EXPECT_TRUE(m_form->Tools().isEmpty());
    EXPECT_EQ(m_form->View().Caption()->text(), value(QStringLiteral("select menuname from xt_menu where progID=650001")).toString());

    // Editing without a note is refused; cancelling right after Init leaves an empty form.
    EXPECT_FALSE(m_form->FileEdit());
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests()[0].text, QStringLiteral("没有选择单据"));
    EXPECT_EQ(m_dialogs.Requests()[0].title, QStringLiteral("请注意！"));
    EXPECT_TRUE(m_form->FileCancel());
    expectShown(0, "0/0");

    // "change" reads the shown note again; another name sets the audit mark and reloads.
    m_form->RecordTop();
    run(QStringLiteral("update cnote set fromName='改过' where cnoteID=1"));
    EXPECT_TRUE(m_form->DoSetStatus(QStringLiteral("change"), false));
    EXPECT_EQ(box(FromName)->Text(), QStringLiteral("改过"));
}

TEST_P(CnoteBrowse, GoodsGridWidthsGoToTheLayoutFile)
{
    grid().SetColWidth(1, 3000);
    m_form->DoSaveFormStatus();
    const QString file = mPub::LayoutFilePath(QStringLiteral("CNOTE_S650001"), m_appDir.path());
    SettingsFile settings;
    settings.Open(file);
    EXPECT_EQ(settings.ReadString(QStringLiteral("Form"), QStringLiteral("KVGRID_kvGrid_Col1"), {}), QStringLiteral("3000"));
    grid().SetColWidth(1, 900);
    m_form->DoGetFormStatus();
    EXPECT_EQ(grid().ColWidth(1), 3000);

    // A stored width too narrow for its heading is widened to show the heading whole.
    const int last = grid().Cols() - 1;
    const int fitting = grid().ColWidth(last);
    grid().SetColWidth(last, 300);
    m_form->DoSaveFormStatus();
    m_form->DoGetFormStatus();
    EXPECT_EQ(grid().ColWidth(last), fitting);

    // On a large screen the font grows and the widths with it; the file keeps the designed
    // widths, so that saving and loading again gives the same grid.
    m_form->resize(1920, 1010);
    m_form->show();
    QCoreApplication::processEvents();
    const int scaled = grid().ColWidth(1);
    ASSERT_GT(scaled, 3000);
    m_form->DoSaveFormStatus();
    EXPECT_EQ(grid().ColWidth(1), scaled);
    settings.Open(file);
    EXPECT_EQ(settings.ReadString(QStringLiteral("Form"), QStringLiteral("KVGRID_kvGrid_Col1"), {}), QStringLiteral("3000"));
    for (int round = 0; round < 3; ++round) {
        m_form->DoGetFormStatus();
        m_form->DoSaveFormStatus();
    }
    EXPECT_NEAR(grid().ColWidth(1), scaled, 2);
}

ORVEL_OFFICE_ENGINES(CnoteBrowse);

}  // namespace

namespace {

using CnoteLayout = CnoteTest;

// At today's screen sizes every control lies inside its parent and gets at least the size its
// content needs. With CNOTE_SCREENSHOTS set, the form is also written as a PNG to that folder.
TEST_P(CnoteLayout, NothingIsClippedOnTodaysScreens)
{
    addNote(1, kProgram, QStringLiteral("N-1"));
    m_form->RecordTop();
    for (const QSize size : {QSize(1366, 700), QSize(1920, 1010)}) {
        m_form->resize(size);
        m_form->show();
        QCoreApplication::processEvents();
        for (QWidget* control : m_form->Controls()) {
            const QRect inside = control->parentWidget()->rect();
            EXPECT_TRUE(inside.contains(control->geometry())) << control->objectName().toStdString() << " at " << size.width();
            EXPECT_GE(control->width(), control->minimumSizeHint().width()) << control->objectName().toStdString();
            EXPECT_GE(control->height(), control->minimumSizeHint().height()) << control->objectName().toStdString();
        }
        if (qEnvironmentVariableIsSet("CNOTE_SCREENSHOTS"))
            m_form->grab().save(QStringLiteral("%1/cnote_%2.png").arg(qEnvironmentVariable("CNOTE_SCREENSHOTS")).arg(size.width()));
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, CnoteLayout, ::testing::Values(TestEngine::Sqlite),
                         [](const auto& info) { return std::string(EngineName(info.param)); });

}  // namespace
