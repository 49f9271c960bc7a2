#include "ReportHost.h"

#include "HostToolBar.h"
#include "ReportComponent.h"
#include "system/AppSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

ReportHost::ReportHost(Kind kind, QWidget* parent)
    : HostBase(parent),
      m_kind(kind)
{
    ToolBar()->AddCommands({HostCommand::Refresh, HostCommand::Find, HostCommand::FindNext, HostCommand::Filter,
                            HostCommand::PrintPreview, HostCommand::Print, HostCommand::PrintSetup, HostCommand::Close},
                           [this](HostCommand command) { Run(command); });
    ToolBar()->setEnabled(false);
}

ReportHost::~ReportHost()
{
    Clear();
}

QString ReportHost::LayoutFileName(const QString& appPath, int program, const QString& user)
{
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\s]"));
    QDir folder(appPath.isEmpty() ? QCoreApplication::applicationDirPath() : appPath);
    folder.mkpath(QStringLiteral("selfbb"));
    const QString name = QStringLiteral("RPT%1_%2.txt").arg(program).arg(QString(user).replace(unsafe, QStringLiteral("_")));
    return folder.filePath(QStringLiteral("selfbb/") + name);
}

bool ReportHost::Py_Init(AppSystem* pcSystem, QObject* /*config*/, int program, const QVariantList& arguments)
{
    Clear();
    m_system = pcSystem;
    m_program = program;
    if (m_kind == Kind::ReportWithParameters)
        m_parameters = arguments.value(0).value<ParameterListPtr>();
    else
        m_caption = arguments.value(0).toString();
    QWidget* component = createComponent(pcSystem, program);
    if (!component)
        return false;
    auto* report = qobject_cast<ReportComponent*>(component);
    if (!report) {
        releaseComponent();
        return fail(QStringLiteral("the component of program %1 is no report").arg(program));
    }
    if (!report->Init(pcSystem, program)) {
        report->Clear();
        releaseComponent();
        return fail(QStringLiteral("Init of the report of program %1 failed").arg(program));
    }
    m_report = report;
    if (m_kind == Kind::ReportWithParameters)
        m_report->SetParameters(m_parameters);
    const AppInfoData& info = pcSystem->AppInfo();
    m_layoutFile = LayoutFileName(info.AppPath, program, info.UserID.isEmpty() ? info.UserName : info.UserID);
    m_report->DoGetFormStatus(m_layoutFile);
    ToolBar()->setEnabled(true);
    return true;
}

void ReportHost::SetParameters(ParameterListPtr parameters)
{
    EmbeddedHost::SetParameters(parameters);
    if (m_report)
        m_report->SetParameters(parameters);
}

ParameterListPtr ReportHost::Parameters() const
{
    return m_report ? m_report->Parameters() : m_parameters;
}

void ReportHost::Clear()
{
    if (m_report) {
        m_report->DoSaveFormStatus(m_layoutFile);
        m_report->Clear();
    }
    m_report = nullptr;
    releaseComponent();
    m_system = nullptr;
    m_layoutFile.clear();
    ToolBar()->setEnabled(false);
}

bool ReportHost::Run(HostCommand command)
{
    if (!m_report)
        return false;
    switch (command) {
    case HostCommand::Refresh:
        return m_report->Refresh();
    case HostCommand::Find:
        return m_report->Find(QVariant());
    case HostCommand::FindNext:
        return m_report->FindNext();
    case HostCommand::Filter:
        return m_report->Filter(QVariant());
    case HostCommand::PrintPreview:
    case HostCommand::Print:
    case HostCommand::PrintSetup:
        return print(command);
    case HostCommand::Close:
        raise(QStringLiteral("unload"), {true});
        return true;
    default:
        return false;
    }
}

bool ReportHost::print(HostCommand command)
{
    const bool done = command == HostCommand::PrintPreview ? m_report->PrintPreview()
                      : command == HostCommand::Print     ? m_report->DoPrint()
                                                          : m_report->PrintSetup();
    handOnPrintFile(m_report->ReturnPrintName());
    return done;
}
