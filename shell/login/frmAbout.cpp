#include "login/frmAbout.h"

#include "common/bCommon.h"
#include "config/clsConfig.h"
#include "database/Database.h"
#include "dialogs/DialogService.h"
#include "log/Logger.h"
#include "registry/RegistryStore.h"
#include "settings/UserSettings.h"
#include "system/AppSystem.h"
#include "workbench/WorkbenchArt.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kPathWidth = 360;  // pixels of the program-folder line
const QString kBuiltInCopyright = QStringLiteral("Tarvel软件");
const QString kUnavailable = QStringLiteral("此时系统信息不可用");

QString link(const QString& target, const QString& caption)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), caption.toHtmlEscaped());
}

}  // namespace

frmAbout::frmAbout(const clsConfig& config, AppSystem& system, QWidget* parent) : QDialog(parent), m_system(system)
{
    setWindowTitle(QStringLiteral("关于软件"));
    buildControls();
    load(config);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_systemInfo, &QPushButton::clicked, this, &frmAbout::ShowSystemInformation);
}

void frmAbout::buildControls()
{
    m_logo = new QLabel(this);
    m_logo->setFixedSize(64, 64);
    m_logo->setScaledContents(true);
    m_logo->setPixmap(WorkbenchArt::Logo(128));
    // The title twice, the second a pixel up and left of its shadow.
    auto* titleBox = new QWidget(this);
    for (int i = 0; i < 2; ++i) {
        m_titles[i] = new QLabel(titleBox);
        QFont font = m_titles[i]->font();
        font.setPointSizeF(font.pointSizeF() * 1.6);
        font.setBold(true);
        m_titles[i]->setFont(font);
        m_titles[i]->move(1 - i, 1 - i);
        m_titles[i]->setStyleSheet(i == 0 ? QStringLiteral("color: rgba(0, 0, 0, 60);") : QStringLiteral("color: #1f2d3d;"));
    }
    titleBox->setMinimumHeight(m_titles[0]->sizeHint().height() * 2);
    m_version = new QLabel(this);
    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("lblPath"));
    m_path->setOpenExternalLinks(true);
    m_path->setFixedWidth(kPathWidth);
    m_web = new QLabel(this);
    m_web->setOpenExternalLinks(true);
    m_credits = new QLabel(this);
    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    m_ok = new QPushButton(QStringLiteral("关闭(&C)"), this);
    m_ok->setDefault(true);
    m_systemInfo = new QPushButton(QStringLiteral("系统信息(&I)"), this);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(titleBox);
    for (QLabel* line : {m_version, m_path, m_web, m_credits, m_description})
        texts->addWidget(line);
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(m_logo, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_systemInfo);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 16);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
}

QString frmAbout::text(const QString& path, const QString& defaultText) const
{
    return m_system.Text(QStringLiteral("main"), path, defaultText);
}

void frmAbout::load(const clsConfig& config)
{
    QString version = text(QStringLiteral("/frmabout/version"), QStringLiteral("版本")) + QStringLiteral(":")
                      + bCommon::ProgramVersion();
    const QString installed = UserSettings::Get(config.Caption(), QStringLiteral("main"), QStringLiteral("ISVERSION"));
    if (!installed.isEmpty()) {
        WriteLog(QStringLiteral("安装版本：") + installed, 1);
        version += QStringLiteral(" ") + text(QStringLiteral("/frmabout/isversion"), QStringLiteral("安装版本:")) + QStringLiteral(" ") + installed;
    }
    m_version->setText(version);

    const QString folder = m_system.AppInfo().AppPath;
    const QString caption = text(QStringLiteral("/frmabout/runpath"), QStringLiteral("安装目录:")) + folder;
    m_path->setToolTip(folder);
    m_path->setText(link(QUrl::fromLocalFile(folder).toString(), ShortenPath(caption, m_path->fontMetrics(), kPathWidth)));

    const QString webhome = config.XML().Value(QStringLiteral("//configuration/system/webhome")).toString().trimmed();
    const QString target = text(QStringLiteral("/frmabout/weburl"), webhome);
    const QString webCaption = text(QStringLiteral("/frmabout/web"), QStringLiteral("升级网站:") + webhome);
    m_web->setText(target.isEmpty() ? webCaption.toHtmlEscaped() : link(QUrl::fromUserInput(target).toString(), webCaption));

    const QString title = text(QStringLiteral("/frmabout/title"), config.Caption());
    for (QLabel* label : m_titles) {
        label->setText(title);
        label->adjustSize();
    }
    m_credits->setText(text(QStringLiteral("/frmabout/program"), QStringLiteral("程序制作")) + QStringLiteral("：")
                       + text(QStringLiteral("/main/copyright"), kBuiltInCopyright));

    QString description = text(QStringLiteral("/filedescription"), QStringLiteral("货运业务管理系统 工作台"));
    if (const QString edition = serverEdition(); !edition.isEmpty())
        description += QStringLiteral("\nSQL Server ") + edition;
    m_description->setText(description);

    const QString logoFile = bCommon::ExpandPath(text(QStringLiteral("/logo"), QString()), false);
    if (!logoFile.isEmpty() && QFileInfo(logoFile).isFile())
        m_logo->setPixmap(QPixmap(logoFile));
    else if (!m_credits->text().contains(QLatin1String("Tarvel")))
        m_logo->hide();

    m_ok->setText(text(QStringLiteral("/frmabout/cmdok"), m_ok->text()));
    m_systemInfo->setText(text(QStringLiteral("/frmabout/cmdsysteminfo"), m_systemInfo->text()));
}

QString frmAbout::serverEdition() const
{
    Database* db = m_system.Database();
    if (!db || db->Properties(QStringLiteral("driver")).Value.toString() != QLatin1String("mssql"))
        return {};
    const QVariant edition = db->Execute(QStringLiteral("SELECT cast(SERVERPROPERTY ('edition') as nvarchar) ")
                                             + QStringLiteral("+ ' '+ cast(SERVERPROPERTY('productversion') as nvarchar)+'('+")
                                             + QStringLiteral("cast(SERVERPROPERTY ('productlevel') as nvarchar) +')'"),
                                         1)
                                 .Value();
    db->ClearError();
    return edition.toString();
}

QString frmAbout::ShortenPath(const QString& path, const QFontMetrics& metrics, int width)
{
    const QChar separator = path.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
    QStringList pieces = path.split(separator);
    for (qsizetype i = pieces.size() - 2; i >= 0 && metrics.horizontalAdvance(pieces.join(separator)) > width; --i) {
        if (pieces[i].size() > 3)
            pieces[i] = pieces[i].left(1) + QStringLiteral("..");
    }
    return pieces.join(separator);
}

bool frmAbout::ShowSystemInformation()
{
    const RegistryStore machine(RegistryRoot::LocalMachine, m_system.AppInfo().AppPath);
    const auto read = [&machine](const QString& key, const QString& name) {
        const std::optional<RegistryValue> value = machine.Value(key, name);
        return value ? value->data.toString() : QString();
    };
    QString tool = read(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"));
    if (tool.isEmpty())
        tool = read(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO")) + QStringLiteral("\\MSINFO32.EXE");
    const QString program = QString(tool).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QFileInfo(program).isFile() || !QProcess::startDetached(program, {})) {
        DialogService::Current().Show(DialogIcon::Information, QStringLiteral("提示："), kUnavailable);
        return false;
    }
    return true;
}
