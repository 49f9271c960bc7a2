#include "AlertHost.h"

#include "HostToolBar.h"
#include "database/Database.h"
#include "system/AppSystem.h"

#include <QDate>
#include <QHeaderView>
#include <QTableWidget>

namespace {

struct AlertColumn {
    const char* field;
    const char* caption;
};

const AlertColumn kColumns[] = {
    {"cnoteNumber", "运单号"}, {"cnoteDate", "托运日期"}, {"startway", "发站"}, {"endway", "到站"},
    {"fromName", "托运人"},    {"toName", "收货人"},      {"status", "状态"},
};

const QString kQuery = QStringLiteral(
    "select cnoteNumber, cnoteDate, startway, endway, fromName, toName, status from cnote "
    "where smark='01' order by cnoteDate, cnoteNumber");

QString cellText(const QVariant& value)
{
    return value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime
               ? value.toDate().toString(QStringLiteral("yyyy-MM-dd"))
               : value.toString();
}

}  // namespace

AlertHost::AlertHost(QWidget* parent)
    : HostBase(parent),
      m_table(new QTableWidget(this))
{
    ToolBar()->AddCommands({HostCommand::Refresh, HostCommand::Close}, [this](HostCommand command) { Run(command); });
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setColumnCount(int(std::size(kColumns)));
    for (int c = 0; c < m_table->columnCount(); ++c)
        m_table->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(kColumns[c].caption)));
    m_table->horizontalHeader()->setStretchLastSection(true);
    setContent(m_table);
}

AlertHost::~AlertHost() = default;

bool AlertHost::Py_Init(AppSystem* pcSystem, QObject* /*config*/, int program, const QVariantList& /*arguments*/)
{
    m_lastError.clear();
    m_system = pcSystem;
    m_program = program;
    return load();
}

bool AlertHost::load()
{
    m_table->setRowCount(0);
    Database* db = m_system ? m_system->Database() : nullptr;
    if (!db)
        return fail(QStringLiteral("no database for the alert list"));
    DbRecordset rs = db->Execute(kQuery, 1).Recordset();
    if (!db->LastError().IsEmpty()) {
        const QString error = db->LastError().Message;
        db->ClearError();
        return fail(error);
    }
    for (; !rs.Eof(); rs.MoveNext()) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        for (int c = 0; c < m_table->columnCount(); ++c)
            m_table->setItem(row, c, new QTableWidgetItem(cellText(rs.Field(QString::fromLatin1(kColumns[c].field)))));
    }
    return true;
}

void AlertHost::Clear()
{
    m_table->setRowCount(0);
    m_system = nullptr;
}

bool AlertHost::Run(HostCommand command)
{
    switch (command) {
    case HostCommand::Refresh:
        return load();
    case HostCommand::Close:
        raise(QStringLiteral("unload"), {true});
        return true;
    default:
        return false;
    }
}
