#include "workbench/frmEdit.h"

#include "Twips.h"
#include "commandline/CommandLineParser.h"
#include "common/bCommon.h"
#include "config/clsConfig.h"
#include "database/Database.h"
#include "dialogs/DialogService.h"
#include "hosts/EmbeddedHost.h"
#include "log/Logger.h"
#include "parameters/ParameterList.h"
#include "system/AppSystem.h"
#include "workbench/HostEvents.h"
#include "workbench/UnsavedEdits.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include <exception>

namespace {

constexpr int kDesignedWidth = 13140;   // twips
constexpr int kDesignedHeight = 8520;   // twips

// The events that differ between the workbench and a host window, as a host window does them.
class WindowTarget : public HostEventTarget {
public:
    WindowTarget(frmEdit& window, bool& unloading) : m_window(window), m_unloading(unloading) {}
    bool IsWorkbench() const override { return false; }
    void ShowHostMessage(const QString& text) override { m_window.SetHostStatus(text, frmEdit::Message); }
    void UnloadHost(bool unload) override
    {
        m_unloading = unload;
        if (unload)
            m_window.close();
    }

private:
    frmEdit& m_window;
    bool& m_unloading;
};

}  // namespace

frmEdit::frmEdit(HostContext context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(std::move(context)), m_picHolder(new QWidget(this)), m_statusBar(new QStatusBar(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("录入单"));
    resize(Twips::ToPixels(kDesignedWidth), Twips::ToPixels(kDesignedHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    const char* keys[] = {"msg", "date", "user", "period"};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QString::fromLatin1(keys[i]));
        if (i == Message)
            m_statusBar->addWidget(m_panels[i], 1);
        else
            m_statusBar->addPermanentWidget(m_panels[i]);
    }
    m_unloading = false;
    layoutHostArea();
}

frmEdit::~frmEdit()
{
    removeHost();
}

QVariant frmEdit::StoredRecordId(const QVariant& recordId)
{
    if (recordId.isNull() || !recordId.isValid())
        return {};
    const QString text = recordId.toString().trimmed();
    const double value = bCommon::NumericValue(text);
    if (text == QString::number(value, 'g', 15))
        return value;
    return recordId;
}

QString frmEdit::HostType(int kind)
{
    switch (kind) {
    case 100:
    case 105:
        return QStringLiteral("OrvelEdit.oedit");
    case 101:
        return QStringLiteral("OrvelEdit.oReport");
    case 102:
        return QStringLiteral("OrvelEdit.oeditrpt");
    case 103:
        return QStringLiteral("OrvelEdit.oquery");
    case 220:
        return QStringLiteral("OrvelEdit.oalert");
    default:
        return {};
    }
}

QString frmEdit::PanelText(const QString& key) const
{
    for (QLabel* panel : m_panels) {
        if (panel->objectName() == key)
            return panel->text();
    }
    return {};
}

bool frmEdit::InitHostWindow(int program, const QString& caption, int kind, const QVariant& recordId,
                             std::shared_ptr<ParameterList> parameters, int mode)
{
    SetHostStatus(QStringLiteral("正在加载窗体 -->") + caption, Message);
    m_program = program;
    m_caption = caption;
    m_kind = kind;
    m_recordId = StoredRecordId(recordId);
    m_mode = mode;
    m_parameters = std::move(parameters);
    setWindowTitle(caption);
    CreateWindowHost(program, kind);
    if (m_unloading) {
        close();
        return false;
    }
    AppSystem* system = m_context.system;
    SetHostStatus(system->AppInfo().OperationDate.toString(Qt::ISODate), Date);
    SetHostStatus(system->AppInfo().UserName, User);

    Database* db = system->Database();
    const QString number = QString::number(program);
    const QString systemCode = db->Execute(QStringLiteral("select systemcode from xt_objects where progID=") + number, 1).Value().toString();
    const int period = system->Period(systemCode, 0).Value;
    if (period != 0)
        SetHostStatus(QString::number(period), Period);
    const QString commandLine = db->Execute(QStringLiteral("SELECT progCommandLine From xt_objects Where ProgID=") + number, 1).Value().toString().trimmed();
    db->ClearError();
    CommandLineParser parser;
    if (!commandLine.isEmpty())
        parser.Parse(commandLine);
    auto twips = [&parser](const char* name) { return static_cast<int>(bCommon::NumericValue(parser.Option(QString::fromLatin1(name)).Value)); };
    if (twips("w") > 0)
        resize(Twips::ToPixels(twips("w")), height());
    if (twips("h") > 0)
        resize(width(), Twips::ToPixels(twips("h")));
    show();
    if (twips("l") > 0)
        move(Twips::ToPixels(twips("l")), y());
    if (twips("t") > 0)
        move(x(), Twips::ToPixels(twips("t")));
    SetHostStatus(QString(), Message);
    return true;
}

QVariantList frmEdit::initArguments() const
{
    switch (m_kind) {
    case 100:
    case 105:
        return {m_recordId.typeId() == QMetaType::Double ? m_recordId : QVariant(0.0), m_mode};
    case 102:
        return {QVariant::fromValue(m_parameters)};
    case 220:
        return {};
    default:
        return {m_caption};
    }
}

bool frmEdit::CreateWindowHost(int program, int kind)
{
    const QString type = HostType(kind);
    if (type.isEmpty()) {
        DialogService::Current().Show(DialogIcon::Warning, QStringLiteral("提示："), QStringLiteral("该菜单功能未完成！"));
        m_unloading = true;
        return false;
    }
    try {
        EmbeddedHost* host = m_context.createHost ? m_context.createHost(type) : nullptr;
        if (!host)
            throw std::runtime_error(QStringLiteral("无法创建 %1").arg(type).toStdString());
        host->setParent(m_picHolder);
        host->setObjectName(QStringLiteral("edit"));
        m_host = host;
        connect(host, &EmbeddedHost::NamedEvent, this, &frmEdit::onHostEvent);
        if (!host->Py_Init(m_context.system, m_context.config, program, initArguments())) {
            WriteLog(QStringLiteral("初始化控件Init()时出错<%1>").arg(program), 1);
            return false;
        }
        if (kind == 102 && host->Parameters())
            m_parameters = host->Parameters();
        if ((kind == 100 || kind == 105) && m_recordId.isValid() && m_recordId.typeId() != QMetaType::Double) {
            auto list = std::make_shared<ParameterList>();
            list->Add(QStringLiteral("sID"), m_recordId, ParameterList::LongText);
            host->SetParameters(list);
        }
        if (!m_unloading) {
            host->setGeometry(0, 0, m_picHolder->width(), m_picHolder->height());
            host->show();
        }
        return true;
    } catch (const std::exception& e) {
        WriteLog(QStringLiteral("加载动态控件时出错:") + QString::fromStdString(e.what()), 8);
        return false;
    }
}

void frmEdit::SetHostStatus(const QString& text, int panel)
{
    if (panel < Message || panel > Period)
        return;
    QString shown = text;
    if (panel == Message && text.isEmpty() && m_context.system)
        shown = m_context.system->Text(QStringLiteral("main"), QStringLiteral("/mdimain/statusbar/wait"), QStringLiteral("Ready..."));
    else if (panel == Period && m_context.system)
        shown = m_context.system->Text(QStringLiteral("main"), QStringLiteral("/mdimain/statusbar/period"), QStringLiteral("会计期间"))
            + QStringLiteral("：") + text;
    m_panels[panel]->setText(shown);
    m_statusBar->repaint();
}

void frmEdit::onHostEvent(const QString& name, const QVariantList& values)
{
    WindowTarget target(*this, m_unloading);
    HandleHostEvent(target, m_context, name, values);
}

void frmEdit::layoutHostArea()
{
    const int inner = Twips::FromPixels(width());
    const int innerHeight = Twips::FromPixels(height());
    const int statusHeight = Twips::FromPixels(m_statusBar->sizeHint().height());
    m_picHolder->setGeometry(1, 1, Twips::ToPixels(std::max(inner - 30, 0)),
                             Twips::ToPixels(std::max(innerHeight - 30 - statusHeight - 50, 0)));
    m_statusBar->setGeometry(0, height() - m_statusBar->sizeHint().height(), width(), m_statusBar->sizeHint().height());
    if (m_host)
        m_host->setGeometry(0, 0, m_picHolder->width(), m_picHolder->height());
}

void frmEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_context.system)
        m_context.system->Theme().Apply(this);
    QWidget::changeEvent(event);
}

void frmEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutHostArea();
}

void frmEdit::closeEvent(QCloseEvent* event)
{
    // The host asks before it unloads itself; a close from the window's own close box asks here,
    // so that unsaved edits are never dropped silently.
    if (!m_unloading && !ConfirmUnsavedEdits(m_host)) {
        event->ignore();
        return;
    }
    removeHost();
    event->accept();
}

void frmEdit::removeHost()
{
    if (m_host) {
        EmbeddedHost* host = m_host;
        m_host = nullptr;
        host->Clear();
        host->deleteLater();
    }
    m_parameters.reset();
}
