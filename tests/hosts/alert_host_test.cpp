#include "AlertHost.h"
#include "HostFixture.h"

#include <QTableWidget>

namespace {

class AlertHostTest : public HostTest {
protected:
    void addNote(int id, const QString& number, const QString& date, const QString& mark)
    {
        run(QStringLiteral("insert into cnote (cnoteID, progid, smark, cnoteDate, cnoteNumber, startway, endway, fromName, toName) "
                           "values (%1, 650001, '%2', '%3', '%4', '上海', '广州', '甲公司', '乙公司')")
                .arg(id)
                .arg(mark, date, number));
    }

    QStringList column(const QTableWidget* table, int c)
    {
        QStringList texts;
        for (int r = 0; r < table->rowCount(); ++r)
            texts.append(table->item(r, c)->text());
        return texts;
    }
};

TEST_F(AlertHostTest, ListsTheNotesNotYetAuditedReadOnly)
{
    addNote(1, "B-2", "2024-05-02", "01");
    addNote(2, "A-1", "2024-05-01", "01");
    addNote(3, "C-3", "2024-04-30", "02");
    AlertHost host;
    ASSERT_TRUE(host.Py_Init(&m_system, nullptr, 0, {}));
    const QTableWidget* table = host.Table();
    EXPECT_EQ(column(table, 0), QStringList({"A-1", "B-2"}));
    EXPECT_EQ(column(table, 1), QStringList({"2024-05-01", "2024-05-02"}));
    EXPECT_EQ(column(table, 4), QStringList({"甲公司", "甲公司"}));
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);

    run("update cnote set smark='02' where cnoteID=2");
    EXPECT_TRUE(host.Run(HostCommand::Refresh));
    EXPECT_EQ(column(table, 0), QStringList({"B-2"}));

    host.Clear();
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_FALSE(host.Run(HostCommand::Refresh));
}

TEST_F(AlertHostTest, AnUnreadableListMakesPyInitFalse)
{
    run("drop table cnote");
    AlertHost host;
    watch(host);
    EXPECT_FALSE(host.Py_Init(&m_system, nullptr, 0, {}));
    EXPECT_FALSE(host.LastError().isEmpty());
    const QList<HostEvent> events = takeEvents();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].name, "errmessage");
    EXPECT_EQ(events[0].values.value(1), 1);
}

}  // namespace
