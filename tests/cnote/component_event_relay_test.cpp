#include "ComponentEventRelay.h"
#include "FormComponent.h"
#include "ReportComponent.h"

#include "GuiApplication.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// The smallest report: it only raises events for the relay.
class EventReport : public ReportComponent {
public:
    bool Init(AppSystem*, int) override { return true; }
    bool Clear() override { return true; }
    bool Find(const QVariant&) override { return false; }
    bool FindNext() override { return false; }
    bool Filter(const QVariant&) override { return false; }
    bool Refresh() override { return false; }
    bool RecordTop() override { return false; }
    bool RecordPrevious() override { return false; }
    bool RecordNext() override { return false; }
    bool RecordBottom() override { return false; }
    bool PrintPreview() override { return false; }
    bool DoPrint() override { return false; }
    bool PrintSetup() override { return false; }
    bool Help() override { return false; }
    QString ReturnPrintName() const override { return {}; }
    void DoGetFormStatus(const QString&) override {}
    void DoSaveFormStatus(const QString&) override {}
    QString Attributes(const QString&) const override { return {}; }
    QWidget* oTable() const override { return nullptr; }
    ParameterListPtr Parameters() const override { return m_parameters; }
    void SetParameters(ParameterListPtr parameters) override { m_parameters = parameters; }
    QList<QWidget*> Controls() const override { return {}; }
    ParameterListPtr DesignParameters() const override { return {}; }
    void SetDesignParameters(const ParameterList&) override {}

private:
    ParameterListPtr m_parameters;
};

QList<std::pair<QString, QVariantList>> events(const QSignalSpy& spy)
{
    QList<std::pair<QString, QVariantList>> list;
    for (const QList<QVariant>& arguments : spy)
        list.append({arguments.at(0).toString(), arguments.at(1).toList()});
    return list;
}

}  // namespace

TEST(ComponentEventRelay, ReportEventsBecomeNamedEventsWithOrderedValues)
{
    EventReport report;
    ComponentEventRelay relay;
    ASSERT_TRUE(relay.Attach(&report));
    QSignalSpy spy(&relay, &ComponentEventRelay::NamedEvent);

    emit report.Message(QStringLiteral("正在查询..."));
    emit report.ErrMessage(QStringLiteral("RPT_JLQD-->IRptUI_Refresh::x"), 8, QStringLiteral("托运单"));
    emit report.Detaile(1001, 42);
    emit report.RefreshGetGridStatus();
    emit report.Message(QString());

    const QList<std::pair<QString, QVariantList>> expected = {
        {QStringLiteral("message"), {QStringLiteral("正在查询...")}},
        {QStringLiteral("errmessage"), {QStringLiteral("RPT_JLQD-->IRptUI_Refresh::x"), 8, QStringLiteral("托运单")}},
        {QStringLiteral("detaile"), {1001, 42}},
        {QStringLiteral("refreshgetgridstatus"), {}},
        {QStringLiteral("message"), {QString()}},
    };
    EXPECT_EQ(events(spy), expected);
}

TEST(ComponentEventRelay, DetachStopsTheEventsAndOtherWidgetsAreRefused)
{
    EventReport report;
    ComponentEventRelay relay;
    QWidget plain;
    EXPECT_FALSE(relay.Attach(&plain));
    ASSERT_TRUE(relay.Attach(&report));
    QSignalSpy spy(&relay, &ComponentEventRelay::NamedEvent);
    relay.Detach();
    emit report.Message(QStringLiteral("x"));
    EXPECT_EQ(spy.count(), 0);
}

TEST(ComponentEventRelay, TheHostReachesTheContractFromTheCreatedWidget)
{
    EventReport report;
    QWidget* created = &report;
    auto* component = qobject_cast<ReportComponent*>(created);
    ASSERT_NE(component, nullptr);
    IReportUI* contract = component;
    EXPECT_TRUE(contract->Init(nullptr, 1001));
    EXPECT_EQ(qobject_cast<FormComponent*>(created), nullptr);
}
