#include "FakeForm.h"

FakeForm::FakeForm(QWidget* parent)
    : FormComponent(parent)
{
}

bool FakeForm::call(const QString& name)
{
    m_calls.append(name);
    const QString operation = name.section(QLatin1Char(':'), 0, 0);
    if (!m_failing.contains(operation))
        return true;
    emit ErrMessage(QStringLiteral("FakeForm-->%1::refused").arg(operation), 8, m_title);
    return false;
}

// A navigation: shows document id and tells the host.
bool FakeForm::load(const QString& name, int id)
{
    if (!call(name))
        return false;
    m_id = id;
    emit FormRefreshed();
    return true;
}

bool FakeForm::Init(AppSystem* /*pcSystem*/, int plCzID, int plID)
{
    m_title = QStringLiteral("Fake%1").arg(plCzID);
    m_id = plID;
    return call(QStringLiteral("Init:%1:%2").arg(plCzID).arg(plID));
}

// The record goes away with the form: Clear publishes it as the property event "calls".
bool FakeForm::Clear()
{
    const bool done = call(QStringLiteral("Clear"));
    emit Property(QStringLiteral("calls"), m_calls, false);
    return done;
}

bool FakeForm::FileNew()
{
    if (!call(QStringLiteral("FileNew")))
        return false;
    emit Message(QStringLiteral("正在新增单据..."));
    return true;
}

bool FakeForm::FileNewNext()
{
    call(QStringLiteral("FileNewNext"));
    return false;
}

bool FakeForm::FileEdit()
{
    if (!call(QStringLiteral("FileEdit")))
        return false;
    emit Message(QStringLiteral("正在修改单据中..."));
    return true;
}

bool FakeForm::FileDelete() { return call(QStringLiteral("FileDelete")); }

bool FakeForm::FileSave()
{
    if (!call(QStringLiteral("FileSave")))
        return false;
    m_dirty = false;
    emit Message(QStringLiteral("保存单据成功！"));
    return true;
}

bool FakeForm::FileCancel()
{
    if (!call(QStringLiteral("FileCancel")))
        return false;
    m_dirty = false;
    emit Message(QString());
    return true;
}

bool FakeForm::Find(const QVariant& pvData)
{
    m_lastPvData = pvData;
    return load(QStringLiteral("Find"), 7);
}

bool FakeForm::FindNext() { return load(QStringLiteral("FindNext"), 8); }

bool FakeForm::Filter(const QVariant& pvData)
{
    m_lastPvData = pvData;
    return load(QStringLiteral("Filter"), 1);
}

bool FakeForm::Refresh() { return load(QStringLiteral("Refresh"), m_id); }
bool FakeForm::RecordTop() { return load(QStringLiteral("RecordTop"), 1); }
bool FakeForm::RecordPrevious() { return load(QStringLiteral("RecordPrevious"), qMax(1, m_id - 1)); }
bool FakeForm::RecordNext() { return load(QStringLiteral("RecordNext"), m_id + 1); }
bool FakeForm::RecordBottom() { return load(QStringLiteral("RecordBottom"), 9); }
bool FakeForm::Check() { return call(QStringLiteral("Check")); }
bool FakeForm::UnCheck() { return call(QStringLiteral("UnCheck")); }

bool FakeForm::PrintPreview()
{
    m_printName = QStringLiteral("selfPrint/note%1.prn").arg(m_id);
    return call(QStringLiteral("PrintPreview"));
}

bool FakeForm::DoPrint() { return call(QStringLiteral("DoPrint")); }
bool FakeForm::PrintSetup() { return call(QStringLiteral("PrintSetup")); }
bool FakeForm::Help()
{
    call(QStringLiteral("Help"));
    return false;
}

bool FakeForm::DoSetStatus(const QString& psStatusName, bool pbStatus)
{
    m_audited = pbStatus;
    return call(QStringLiteral("DoSetStatus:%1:%2").arg(psStatusName, pbStatus ? "true" : "false"));
}

bool FakeForm::CheckStatus(const QString& /*psStatusName*/) const { return m_audited; }
void FakeForm::DoGetFormStatus() { call(QStringLiteral("DoGetFormStatus")); }
void FakeForm::DoSaveFormStatus() { call(QStringLiteral("DoSaveFormStatus")); }

QString FakeForm::Attributes(const QString& psName) const
{
    return psName.toDouble() == 98 ? QStringLiteral("check") : QString();
}

bool FakeForm::Action(const QString& psKey)
{
    call(QStringLiteral("Action:") + psKey);
    return false;
}
void FakeForm::SetDesignParameters(const ParameterList& /*parameters*/) { call(QStringLiteral("SetDesignParameters")); }
