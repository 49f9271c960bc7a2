#include "CnoteFixture.h"

namespace {

using namespace CnoteFields;
using CnoteSave = CnoteTest;

struct Goods {
    const char* name;
    const char* piece;
    const char* weight;
};

void enterGoods(GridModel& grid, std::initializer_list<Goods> lines)
{
    int row = grid.FixedRows();
    for (const Goods& g : lines) {
        if (grid.Rows() <= row)
            grid.SetRows(row + 1);
        grid.SetTextMatrix(row, 1, QString::fromUtf8(g.name));
        grid.SetTextMatrix(row, 2, QString::fromUtf8(g.piece));
        grid.SetTextMatrix(row, 4, QString::fromUtf8(g.weight));
        ++row;
    }
}

QStringList column(Database& db, const QString& sql)
{
    QStringList values;
    for (DbRecordset rs = db.Execute(sql, 1).Recordset(); !rs.Eof(); rs.MoveNext())
        values << rs.Field(0).toString();
    return values;
}

TEST_P(CnoteSave, ANewNoteIsStoredWithItsGoodsLinesAndShownAgain)
{
    QSignalSpy messages(m_form.get(), &FormComponent::Message);
    ASSERT_TRUE(m_form->FileNew());
    const QString proposed = number();
    EXPECT_FALSE(proposed.isEmpty());
    EXPECT_EQ(box(NoteDate)->Text(), QStringLiteral("2026-03-15"));
    EXPECT_EQ(box(Maker)->Text(), QStringLiteral("admin"));
    EXPECT_EQ(record(), QStringLiteral("新建记录..."));
    EXPECT_FALSE(box(Maker)->isEnabled());
    EXPECT_FALSE(m_form->View().ReuseData()->isEnabled());

    box(FromName)->SetText(QStringLiteral("华联商贸"));
    box(Freight)->SetText(QStringLiteral("1200"));
    box(InsuranceFee)->SetText(QStringLiteral("12.5"));
    EXPECT_EQ(box(Subtotal)->Text(), QStringLiteral("1212.5"));
    m_form->View().Collection(SelfCollect)->setChecked(true);
    enterGoods(grid(), {{"布匹", "3", "10.5"}, {"钢材", "1", "1,250.5"}, {"纸箱", "", ""}});
    // A fourth row with values but no goods name is not stored.
    grid().SetTextMatrix(4, 2, QStringLiteral("9"));

    ASSERT_TRUE(m_form->FileSave()) << (m_dialogs.Requests().isEmpty() ? "" : m_dialogs.Requests().last().text.toStdString());
    EXPECT_EQ(messages.last().at(0).toString(), QStringLiteral("保存单据成功！"));
    EXPECT_GT(m_form->GetID(), 0);
    EXPECT_EQ(number(), proposed);
    EXPECT_EQ(record(), QStringLiteral("记录：1/1"));
    EXPECT_FALSE(m_form->IsDirty());
    EXPECT_TRUE(box(FromName)->Locked());

    const QString where = QStringLiteral(" where cnoteID=%1").arg(m_form->GetID());
    EXPECT_EQ(column(db(), "select progid from cnote" + where), QStringList{"650001"});
    EXPECT_EQ(value("select yuanfee from cnote" + where).toDouble(), 1200);
    EXPECT_EQ(value("select hejiyunfee from cnote" + where).toDouble(), 1212.5);
    EXPECT_EQ(value("select consignMode from cnote" + where).toString(), QStringLiteral("自提"));
    EXPECT_EQ(value("select smark from cnote" + where).toString(), QStringLiteral("01"));
    EXPECT_EQ(column(db(), "select goods from cnoteMx where cnoteNumber=" + db().Quote(proposed) + " order by rowIndex"),
              (QStringList{"布匹", "钢材", "纸箱"}));
    EXPECT_EQ(value("select weight from cnoteMx where goods='钢材'").toDouble(), 1250.5);
    EXPECT_EQ(grid().Rows(), 4);
}

TEST_P(CnoteSave, AnAmountWithAGroupingCommaIsRefusedNotStoredAsAnotherAmount)
{
    m_form->FileNew();
    box(Freight)->SetText(QStringLiteral("1,200"));
    box(OtherFee)->SetText(QStringLiteral("12.5"));
    EXPECT_FALSE(m_form->FileSave());
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_TRUE(m_dialogs.Requests()[0].text.contains(QStringLiteral("运费"))) << m_dialogs.Requests()[0].text.toStdString();
    EXPECT_TRUE(m_dialogs.Requests()[0].text.contains(QStringLiteral("1,200")));
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnote")).toInt(), 0);
    EXPECT_EQ(box(Freight)->Text(), QStringLiteral("1,200"));

    // Letters in a fee count 0 in the subtotal, as does the unreadable amount.
    box(Freight)->SetText(QStringLiteral("12.5"));
    box(OtherFee)->SetText(QStringLiteral("abc"));
    EXPECT_EQ(box(Subtotal)->Text(), QStringLiteral("12.5"));
}

TEST_P(CnoteSave, ADuplicateNumberIsRefusedInTheProgramAndAcceptedInAnother)
{
    addNote(7, kProgram, QStringLiteral("W-100"));
    addGoods(QStringLiteral("W-100"), 1, QStringLiteral("旧货"));
    m_form->FileNew();
    box(Number)->SetText(QStringLiteral("W-100"));
    box(FromName)->SetText(QStringLiteral("新托运人"));
    EXPECT_FALSE(m_form->FileSave());
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests()[0].text, QStringLiteral("运单号重复,请检查!"));
    EXPECT_EQ(box(FromName)->Text(), QStringLiteral("新托运人"));
    EXPECT_EQ(m_form->GetID(), 0);

    auto other = openForm(kOtherProgram, 0);
    other->FileNew();
    other->View().Box(Number)->SetText(QStringLiteral("W-100"));
    enterGoods(other->View().Grid()->Grid(), {{"新货", "1", "1"}});
    EXPECT_TRUE(other->FileSave());
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnote where cnoteNumber='W-100'")).toInt(), 2);
    // The goods line of the note of the first program is kept.
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnoteMx where cnoteNumber='W-100'")).toInt(), 2);
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnoteMx where goods='旧货'")).toInt(), 1);
}

TEST_P(CnoteSave, TheUniqueIndexKeepsOneNumberPerProgram)
{
    addNote(7, kProgram, QStringLiteral("W-1"));
    db().Execute(QStringLiteral("insert into cnote (cnoteID, progid, cnoteNumber) values (8, 650001, 'W-1')"), 1).Run();
    EXPECT_FALSE(db().LastError().IsEmpty());
    db().ClearError();
    db().Execute(QStringLiteral("insert into cnote (cnoteID, progid, cnoteNumber) values (7, 650009, 'W-2')"), 1).Run();
    EXPECT_FALSE(db().LastError().IsEmpty());
    db().ClearError();
}

TEST_P(CnoteSave, ANumberTakenMeanwhileIsReplacedByTheOneHandedBack)
{
    auto second = openForm(kProgram, 0);
    m_form->FileNew();
    second->FileNew();
    const QString proposed = number();
    ASSERT_EQ(second->View().Box(Number)->Text(), proposed);
    ASSERT_TRUE(m_form->FileSave());
    second->View().Box(FromName)->SetText(QStringLiteral("第二个工作站"));
    ASSERT_TRUE(second->FileSave());
    const QString taken = second->View().Box(Number)->Text();
    EXPECT_NE(taken, proposed);
    EXPECT_EQ(value("select fromName from cnote where cnoteNumber=" + db().Quote(taken)).toString(), QStringLiteral("第二个工作站"));
    EXPECT_NE(m_form->GetID(), second->GetID());
}

TEST_P(CnoteSave, AChangedNumberIsRefusedWithTheOldNumber)
{
    addNote(7, kProgram, QStringLiteral("W-7"));
    m_form->RecordTop();
    ASSERT_TRUE(m_form->FileEdit());
    box(Number)->SetText(QStringLiteral("W-8"));
    box(FromName)->SetText(QStringLiteral("改过"));
    EXPECT_FALSE(m_form->FileSave());
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_EQ(m_dialogs.Requests()[0].text, QStringLiteral("运单号与原先保存的不一致，原运单号为：W-7"));
    EXPECT_EQ(m_dialogs.Requests()[0].title, QStringLiteral("提示："));
    EXPECT_EQ(value(QStringLiteral("select fromName from cnote where cnoteID=7")).toString(), QStringLiteral("华联商贸"));

    // Its own number passes the duplicate check.
    box(Number)->SetText(QStringLiteral("W-7"));
    EXPECT_TRUE(m_form->FileSave());
    EXPECT_EQ(value(QStringLiteral("select fromName from cnote where cnoteID=7")).toString(), QStringLiteral("改过"));
}

TEST_P(CnoteSave, AFailureOnTheThirdGoodsLineLeavesTheNoteAsItWas)
{
    addNote(7, kProgram, QStringLiteral("W-7"));
    addGoods(QStringLiteral("W-7"), 1, QStringLiteral("旧一"));
    addGoods(QStringLiteral("W-7"), 2, QStringLiteral("旧二"));
    if (GetParam() == TestEngine::Sqlite) {
        run(QStringLiteral("create trigger fail_third before insert on cnoteMx when new.rowIndex = 3 "
                           "begin select raise(abort, 'third line refused'); end"));
    } else {
        run(QStringLiteral("create function fail_third() returns trigger as $$ begin if new.rowIndex = 3 then "
                           "raise exception 'third line refused'; end if; return new; end $$ language plpgsql"));
        run(QStringLiteral("create trigger fail_third before insert on cnoteMx for each row execute function fail_third()"));
    }
    QSignalSpy errors(m_form.get(), &FormComponent::ErrMessage);
    m_form->RecordTop();
    m_form->FileEdit();
    box(FromName)->SetText(QStringLiteral("改过"));
    enterGoods(grid(), {{"新一", "1", "1"}, {"新二", "1", "1"}, {"新三", "1", "1"}, {"新四", "1", "1"}});
    grid().SetTextMatrix(3, 0, QStringLiteral("3"));
    EXPECT_FALSE(m_form->FileSave());
    ASSERT_EQ(errors.count(), 1);
    EXPECT_TRUE(errors[0][0].toString().contains(QStringLiteral("third line refused"))) << errors[0][0].toString().toStdString();
    EXPECT_EQ(errors[0][1].toInt(), 8);
    EXPECT_FALSE(db().InTransaction());
    EXPECT_EQ(value(QStringLiteral("select fromName from cnote where cnoteID=7")).toString(), QStringLiteral("华联商贸"));
    EXPECT_EQ(column(db(), QStringLiteral("select goods from cnoteMx order by rowIndex")), (QStringList{"旧一", "旧二"}));
    EXPECT_EQ(box(FromName)->Text(), QStringLiteral("改过"));
    EXPECT_FALSE(box(FromName)->Locked());
}

TEST_P(CnoteSave, DeletingAnsweredNoChangesNothingAndYesRemovesTheNote)
{
    addNote(7, kProgram, QStringLiteral("W-7"));
    addNote(9, kProgram, QStringLiteral("W-9"));
    addGoods(QStringLiteral("W-7"), 1, QStringLiteral("货"));
    m_form->RecordTop();
    m_dialogs.Answer(DialogAnswer::No);
    EXPECT_FALSE(m_form->FileDelete());
    EXPECT_EQ(m_dialogs.Requests().last().text, QStringLiteral("是否删除当前记录:"));
    EXPECT_FALSE(db().InTransaction());
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnote")).toInt(), 2);
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnoteMx")).toInt(), 1);

    m_dialogs.Answer(DialogAnswer::Yes);
    EXPECT_TRUE(m_form->FileDelete());
    EXPECT_FALSE(db().InTransaction());
    EXPECT_EQ(column(db(), QStringLiteral("select cnoteID from cnote")), QStringList{"9"});
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnoteMx")).toInt(), 0);
    EXPECT_EQ(m_form->GetID(), 9);
    EXPECT_EQ(record(), QStringLiteral("记录：1/1"));

    auto empty = openForm(kProgram, 0);
    EXPECT_FALSE(empty->FileDelete());
    EXPECT_EQ(m_dialogs.Requests().last().text, QStringLiteral("没有可删除的记录!"));
}

TEST_P(CnoteSave, QuotesInEveryTextBoxRoundTrip)
{
    m_form->FileNew();
    m_form->View().ReuseData()->setChecked(false);
    QHash<int, QString> typed;
    for (const ColumnBox& c : TextColumns()) {
        if (c.box == Maker || c.box == Auditor)
            continue;
        // Quotes, "#" and "%1" placeholders stay text in every statement.
        typed[c.box] = QStringLiteral("O'Brien \"%1\" #1 '' %2 ") + QString::number(c.box);
        box(c.box)->SetText(typed[c.box]);
    }
    enterGoods(grid(), {{"it's \"布\"", "1", "1"}});
    grid().SetTextMatrix(1, 3, QStringLiteral("a'b"));
    ASSERT_TRUE(m_form->FileSave()) << (m_dialogs.Requests().isEmpty() ? "" : m_dialogs.Requests().last().text.toStdString());
    const int id = m_form->GetID();
    auto reread = openForm(kProgram, id);
    reread->RecordTop();
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        EXPECT_EQ(reread->View().Box(it.key())->Text(), it.value()) << it.key();
    EXPECT_EQ(reread->View().Grid()->Grid().TextMatrix(1, 1), QStringLiteral("it's \"布\""));
    EXPECT_EQ(reread->View().Grid()->Grid().TextMatrix(1, 3), QStringLiteral("a'b"));
}

TEST_P(CnoteSave, NewWithReuseKeepsTheShownNoteButTheNumber)
{
    addNote(7, kProgram, QStringLiteral("W-7"), QStringLiteral("模板托运人"));
    addGoods(QStringLiteral("W-7"), 1, QStringLiteral("模板货"));
    m_form->RecordTop();
    m_form->View().ReuseData()->setChecked(true);
    m_form->FileNew();
    EXPECT_EQ(box(FromName)->Text(), QStringLiteral("模板托运人"));
    EXPECT_EQ(grid().TextMatrix(1, 1), QStringLiteral("模板货"));
    EXPECT_TRUE(m_form->View().Collection(SignedReceipt)->isChecked());
    EXPECT_NE(number(), QStringLiteral("W-7"));
    EXPECT_EQ(box(NoteDate)->Text(), QStringLiteral("2026-03-15"));
    EXPECT_EQ(m_form->GetID(), 0);

    // Cancel returns to the note shown before.
    EXPECT_TRUE(m_form->FileCancel());
    EXPECT_EQ(m_form->GetID(), 7);
    EXPECT_TRUE(box(FromName)->Locked());
}

ORVEL_OFFICE_ENGINES(CnoteSave);

}  // namespace
