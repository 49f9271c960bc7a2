#include "CnoteStatements.h"

#include "controls/BoxFormat.h"
#include "database/Database.h"
#include "grid/NumberFormat.h"

using namespace CnoteFields;

namespace {

QString cellNumber(const QString& text)
{
    return SqlNumber(NumberFormat::Parse(text.trimmed()).value_or(0));
}

}  // namespace

QString CnoteStatements::text(int box) const
{
    return m_db.Quote(m_entry.text(box));
}

QString CnoteStatements::number(int box) const
{
    return SqlNumber(ReadAmount(m_entry.text(box)).value_or(0));
}

QString CnoteStatements::CollectionMode() const
{
    if (m_entry.checks[SelfCollect])
        return QStringLiteral("自提");
    if (m_entry.checks[Direct])
        return QStringLiteral("直送");
    return {};
}

QDate CnoteStatements::ConsignmentDate() const
{
    if (m_entry.text(NoteDate).trimmed().isEmpty())
        return QDate(1900, 1, 1);
    return BoxFormat::ParseDate(m_entry.text(NoteDate)).value_or(QDate(1900, 1, 1));
}

QList<CnoteStatements::Assignment> CnoteStatements::headerValues() const
{
    const auto makeDate = BoxFormat::ParseDate(m_entry.text(MakeDate));
    return {
        {"cnoteDate", m_db.DateLiteral(ConsignmentDate())}, {"cnoteNumber", text(Number)},
        {"startway", text(StartWay)}, {"endway", text(EndWay)}, {"midway1", text(MidWay1)}, {"midway2", text(MidWay2)},
        {"fromName", text(FromName)}, {"fromAddr", text(FromAddr)}, {"fromPhone", text(FromPhone)}, {"fromLxr", text(FromLxr)},
        {"toName", text(ToName)}, {"toAddr", text(ToAddr)}, {"toPhone", text(ToPhone)}, {"toLxr", text(ToLxr)},
        {"rk", text(Warehouse)}, {"sl", text(Acceptor)}, {"sk", text(Cashier)},
        {"yuanfee", number(Freight)}, {"biaofee", number(InsuranceFee)}, {"zhisongfee", number(DirectFee)},
        {"qitafee", number(OtherFee)}, {"xianjin", number(Cash)}, {"quankuan", number(Owed)},
        {"tihuofukuan", number(OnCollection)}, {"huikou", number(Rebate)}, {"yifuhuikou", number(RebatePaid)},
        {"comments", text(Comments)}, {"toyunfee", number(CollectFreight)}, {"tohuokuan", number(CollectGoods)},
        {"songhuodan", number(DeliveryCopies)}, {"fapiao", number(InvoiceCopies)},
        {"qianshou", text(Signer)}, {"qianID", text(SignerId)}, {"hejiyunfee", number(Subtotal)},
        {"consignMode", m_db.Quote(CollectionMode())},
        {"signhd", m_entry.checks[SignedReceipt] ? "1" : "0"}, {"signfp", m_entry.checks[Receipt] ? "1" : "0"},
        {"zdr", text(Maker)}, {"zdDate", makeDate ? m_db.DateLiteral(*makeDate) : QStringLiteral("null")},
    };
}

QString CnoteStatements::DuplicateWhenChanging(qint64 id, int program) const
{
    return QStringLiteral(" Select  * From cnote Where cnoteID <> %1 and progid =%2 and cnoteNumber=%3")
        .arg(id)
        .arg(program)
        .arg(m_db.Quote(m_entry.text(Number).trimmed()));
}

QString CnoteStatements::DuplicateForNew(const QString& number, int program) const
{
    // Both values in one substitution, so that a "%1" inside the number stays text.
    return QStringLiteral(" select  * from  cnote where  cnoteNumber =%1 and progid =%2").arg(m_db.Quote(number), QString::number(program));
}

QString CnoteStatements::StoredNumber(qint64 id)
{
    return QStringLiteral(" select cnoteNumber from cnote where cnoteID=%1").arg(id);
}

QString CnoteStatements::Update(qint64 id) const
{
    QStringList sets;
    for (const Assignment& a : headerValues())
        sets << a.column + QLatin1Char('=') + a.value;
    return QStringLiteral(" Update cnote     SET %1 WHERE cnoteID=%2").arg(sets.join(QLatin1Char(','))).arg(id);
}

QString CnoteStatements::Insert(qint64 id, int program) const
{
    QStringList columns{"cnoteID", "progid", "smark", "status"};
    QStringList values{QString::number(id), QString::number(program), QStringLiteral("'01'"), m_db.Quote(QStringLiteral("填单"))};
    for (const Assignment& a : headerValues()) {
        columns << a.column;
        values << a.value;
    }
    return QStringLiteral(" InSert Into cnote (%1 ) values (%2)").arg(columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')));
}

QString CnoteStatements::RemoveGoods() const
{
    return QStringLiteral(" delete from cnoteMx where cnoteNumber=%1").arg(text(Number));
}

QString CnoteStatements::InsertGoods(const CnoteEntry::GoodsLine& line) const
{
    return QStringLiteral(" InSert Into cnoteMx ( cnoteNumber,rowIndex,goods,piece,packaging,weight,bulkfactor,ward,feeweight ) "
                          "values (%1,%2,%3,%4,%5,%6,%7,%8,%9)")
        .arg(text(Number), cellNumber(line[0]), m_db.Quote(line[1]), cellNumber(line[2]), m_db.Quote(line[3]),
             cellNumber(line[4]), cellNumber(line[5]), cellNumber(line[6]), cellNumber(line[7]));
}

QString CnoteStatements::DeleteNote(qint64 id)
{
    return QStringLiteral("Delete from cnote where cnoteID=%1").arg(id);
}

QString CnoteStatements::DeleteGoods() const
{
    return QStringLiteral(" Delete from cnotemx where cnoteNumber=%1").arg(text(Number));
}

QString CnoteStatements::NumberUsedElsewhere(qint64 id) const
{
    return QStringLiteral("select count(*) from cnote where cnoteID <> %1 and cnoteNumber=%2").arg(id).arg(text(Number));
}
