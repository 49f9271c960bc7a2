#include "CnoteLoader.h"

#include "CnoteFormView.h"
#include "controls/kvTxt_S.h"
#include "database/Database.h"
#include "grid/FlexGrid.h"
#include "navigation/ValueReader.h"

#include <QCheckBox>
#include <QLabel>

using namespace CnoteFields;

namespace {

const QString kSelect = QStringLiteral(" SELECT * from cnote ");
const QString kIdColumn = QStringLiteral("cnoteID");

QString amountText(double value, bool showZero)
{
    return value == 0 && !showZero ? QString() : SqlNumber(value);
}

}  // namespace

CnoteLoader::CnoteLoader(CnoteFormView& view, CnoteState& state, Events events)
    : m_view(view), m_state(state), m_events(std::move(events))
{
}

void CnoteLoader::Bind(Database* db)
{
    m_db = db;
    m_navigator.Bind(db);
}

void CnoteLoader::Release()
{
    m_db = nullptr;
    m_navigator.Bind(nullptr);
}

bool CnoteLoader::LoadData(int mode)
{
    if (!m_db) {
        m_events.error(QStringLiteral("CNOTE_S-->LoadData::") + QStringLiteral("没有数据库"));
        return false;
    }
    m_state.baseCondition = QStringLiteral("progid=") + QString::number(m_state.program);
    if (m_state.initialId > 0)
        m_state.baseCondition += QStringLiteral(" and cnoteID=") + QString::number(m_state.initialId);
    const bool filtering = !m_state.filterCondition.isEmpty();
    if (filtering)
        m_state.baseCondition += QStringLiteral(" AND ") + m_state.filterCondition;
    m_view.Filtering()->setVisible(filtering);

    QString position;
    DbRecordset records;
    const QVariant result = m_navigator.Move(&position, &records, kSelect, m_state.baseCondition, mode, m_state.currentId, kIdColumn, 1);
    show(result, records, position, true);
    m_state.dirty = false;
    m_view.Grid()->update();
    m_events.refreshed();
    records.Close();
    m_db->ClearError();
    return true;
}

bool CnoteLoader::FindData(const QString& condition, int mode)
{
    if (!m_db) {
        m_events.error(QStringLiteral("CNOTE_S-->FindData::") + QStringLiteral("没有数据库"));
        return false;
    }
    QString position;
    DbRecordset records;
    const QVariant result = m_navigator.Find(&position, &records, kSelect, m_state.baseCondition, condition, kIdColumn);
    show(result, records, position, mode == 0);
    records.Close();
    m_db->ClearError();
    return true;
}

void CnoteLoader::show(const QVariant& result, DbRecordset& records, const QString& position, bool clearWhenNone)
{
    if (result.isNull()) {
        if (clearWhenNone)
            m_events.clearForm();
        return;
    }
    if (!result.toString().isEmpty()) {
        m_events.error(result.toString());
        return;
    }
    m_events.clearForm();
    if (!(records.Bof() && records.Eof()))
        fillFromRecord(records, position);
}

void CnoteLoader::fillFromRecord(DbRecordset& records, const QString& position)
{
    using namespace ValueReader;
    auto field = [&](const char* name) { return records.Field(QString::fromLatin1(name)); };
    m_state.currentId = m_state.previousId = ToLong(field("cnoteID"));
    m_view.Box(NoteDate)->SetText(ToDate(field("cnoteDate"), QStringLiteral("yyyy-mm-dd")));
    for (const ColumnBox& c : TextColumns()) {
        if (c.box != Maker && c.box != Auditor)
            m_view.Box(c.box)->SetText(ToText(field(c.column)));
    }
    for (const ColumnBox& c : MoneyColumns())
        m_view.Box(c.box)->SetText(amountText(ToDouble(field(c.column)), false));
    m_view.Box(Subtotal)->SetText(amountText(ToDouble(field("hejiyunfee")), true));
    for (const ColumnBox& c : CountColumns())
        m_view.Box(c.box)->SetText(amountText(double(ToLong(field(c.column))), false));

    const QString mode = ToText(field("consignMode"));
    m_view.Collection(SelfCollect)->setChecked(mode == QStringLiteral("自提"));
    m_view.Collection(Direct)->setChecked(mode == QStringLiteral("直送"));
    m_view.Collection(SignedReceipt)->setChecked(ToLong(field("signhd")) != 0);
    m_view.Collection(Receipt)->setChecked(ToLong(field("signfp")) != 0);

    m_view.Box(MakeDate)->SetText(ToDate(field("zdDate"), QStringLiteral("yyyy-mm-dd")));
    m_view.Box(Maker)->SetText(ToText(field("zdr")));
    m_view.Box(AuditDate)->SetText(ToDate(field("shDate"), QStringLiteral("yyyy-mm-dd")));
    m_view.Box(Auditor)->SetText(ToText(field("shr")));

    m_view.Record()->setText(QStringLiteral("记录：") + (position.isEmpty() ? QStringLiteral("0/0") : position));
    m_view.Audited()->setVisible(ToText(field("smark")) != QLatin1String("01"));
    fillGoods();
}

void CnoteLoader::fillGoods()
{
    using namespace ValueReader;
    const QString sql = QStringLiteral(" SELECT * from cnoteMx  WHERE cnoteNumber=%1 order by rowIndex")
                            .arg(m_db->Quote(m_view.Box(Number)->Text()));
    const QList<QVariantList> rows = m_db->Execute(sql, 1).Recordset().GetRows();
    if (!m_db->LastError().IsEmpty()) {
        m_events.error(m_db->LastError().Message);
        return;
    }
    FlexGrid* grid = m_view.Grid();
    grid->SetRedraw(false);
    GridModel& model = grid->Grid();
    m_view.SetGridRows(int(rows.size()));
    // Columns of cnoteMx in order: cnoteNumber, rowIndex, goods, piece, packaging, weight,
    // bulkfactor, ward, feeweight.
    for (int i = 0; i < rows.size(); ++i) {
        const QVariantList& r = rows[i];
        const int row = model.FixedRows() + i;
        model.SetTextMatrix(row, 0, QString::number(ToLong(r.value(1))));
        model.SetTextMatrix(row, 1, ToText(r.value(2)));
        model.SetTextMatrix(row, 2, QString::number(ToLong(r.value(3))));
        model.SetTextMatrix(row, 3, ToText(r.value(4)));
        for (int col = 4; col <= 7; ++col)
            model.SetTextMatrix(row, col, SqlNumber(ToDouble(r.value(col + 1))));
    }
    grid->SetRedraw(true);
}
