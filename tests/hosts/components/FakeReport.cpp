#include "FakeReport.h"

FakeReport::FakeReport(QWidget* parent)
    : ReportComponent(parent)
{
}

bool FakeReport::call(const QString& name, bool result)
{
    m_calls.append(name);
    return result;
}

bool FakeReport::Init(AppSystem* /*pcSystem*/, int plCzID) { return call(QStringLiteral("Init:%1").arg(plCzID)); }
// The record goes away with the report: Clear publishes it as the property event "calls".
bool FakeReport::Clear()
{
    const bool done = call(QStringLiteral("Clear"));
    emit Property(QStringLiteral("calls"), m_calls, false);
    return done;
}
bool FakeReport::Find(const QVariant& pvData) { return call(QStringLiteral("Find:%1").arg(pvData.isValid())); }
bool FakeReport::FindNext() { return call(QStringLiteral("FindNext")); }
bool FakeReport::Filter(const QVariant& pvData) { return call(QStringLiteral("Filter:%1").arg(pvData.isValid())); }
bool FakeReport::Refresh() { return call(QStringLiteral("Refresh")); }
bool FakeReport::RecordTop() { return call(QStringLiteral("RecordTop"), false); }
bool FakeReport::RecordPrevious() { return call(QStringLiteral("RecordPrevious"), false); }
bool FakeReport::RecordNext() { return call(QStringLiteral("RecordNext"), false); }
bool FakeReport::RecordBottom() { return call(QStringLiteral("RecordBottom"), false); }
bool FakeReport::PrintPreview() { return call(QStringLiteral("PrintPreview"), false); }
bool FakeReport::DoPrint() { return call(QStringLiteral("DoPrint"), false); }
bool FakeReport::PrintSetup() { return call(QStringLiteral("PrintSetup"), false); }
bool FakeReport::Help() { return call(QStringLiteral("Help"), false); }
void FakeReport::DoGetFormStatus(const QString& psFile) { call(QStringLiteral("DoGetFormStatus:") + psFile); }
void FakeReport::DoSaveFormStatus(const QString& psFile) { call(QStringLiteral("DoSaveFormStatus:") + psFile); }

void FakeReport::SetParameters(ParameterListPtr parameters)
{
    m_parameters = std::move(parameters);
    call(QStringLiteral("SetParameters"));
}
