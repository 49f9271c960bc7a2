#include "login/frmLogin.h"
#include "login/PasswordBox.h"

#include "common/bCommon.h"
#include "config/clsConfig.h"
#include "log/Logger.h"
#include "settings/UserSettings.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int kTitleHeight = 88;
constexpr QSize kDialogSize(480, 320);
const QStringList kFontFamilies = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"),
                                   QStringLiteral("Microsoft YaHei"), QStringLiteral("sans-serif")};

bool isClipboardKey(const QKeyEvent* key)
{
    if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste))
        return true;
    const bool control = key->modifiers().testFlag(Qt::ControlModifier);
    return control && (key->key() == Qt::Key_X || key->key() == Qt::Key_C || key->key() == Qt::Key_V);
}

// Keeps a spinner inside first..last by wrapping to the other end.
void wrapSpinner(QSpinBox* spinner, int first, int last)
{
    QObject::connect(spinner, &QSpinBox::valueChanged, spinner, [spinner, first, last](int value) {
        if (value > last)
            spinner->setValue(first);
        else if (value < first)
            spinner->setValue(last);
    });
}

QSpinBox* newSpinner(int minimum, int maximum, const QString& suffix, QWidget* parent)
{
    auto* spinner = new QSpinBox(parent);
    spinner->setRange(minimum, maximum);
    spinner->setSuffix(suffix);
    spinner->setKeyboardTracking(false);
    spinner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return spinner;
}

}  // namespace

frmLogin::frmLogin(clsConfig& config, AppSystem& system, LoginSession& session, QWidget* parent)
    : QDialog(parent)
    , m_config(config)
    , m_system(system)
    , m_session(session)
{
    buildControls();
    loadData();
}

void frmLogin::buildControls()
{
    QFont base = font();
    base.setFamilies(kFontFamilies);
    base.setPointSizeF(10.5);
    setFont(base);
    setWindowTitle(m_config.Caption());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_cobUser = new QComboBox(this);
    m_cobUser->setEditable(true);
    m_cobUser->setInsertPolicy(QComboBox::NoInsert);

    m_txtPassword = MakePasswordBox(this, QStringLiteral("txtPassword"));
    m_txtPassword->setToolTip(QStringLiteral("请输入当前用户密码"));
    m_txtPassword->installEventFilter(this);

    m_chkRemberme = new QCheckBox(this);
    m_chkRemberme->hide();

    m_lblMess = new QLabel(this);
    m_lblMess->setWordWrap(true);
    m_lblMess->setStyleSheet(QStringLiteral("color: #5f6b7a;"));

    m_cmdOK = new QPushButton(QStringLiteral("确认(&D)"), this);
    m_cmdOK->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmLogin::OK);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmLogin::Cancel);

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(QStringLiteral("用户名(&U):"), m_cobUser);
    form->addRow(QStringLiteral("密  码(&P):"), m_txtPassword);
    form->addRow(QStringLiteral("日  期:"), buildDateRow());
    form->addRow(QString(), m_chkRemberme);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_lblMess, 1);
    buttons->addSpacing(12);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(48, 16, 24, 16);
    body->addLayout(form);
    body->addStretch(1);
    body->addLayout(buttons);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(buildTitleArea());
    root->addLayout(body, 1);

    setFixedSize(kDialogSize.expandedTo(sizeHint()));
}

QWidget* frmLogin::buildTitleArea()
{
    auto* area = new QWidget(this);
    area->setFixedHeight(kTitleHeight);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(28, 0, 20, 0);
    QFont title = font();
    title.setPointSizeF(20);
    title.setBold(true);
    const char* colours[] = {"color: rgba(0, 0, 0, 110);", "color: white;"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(area);
        label->setFont(title);
        label->setStyleSheet(QString::fromLatin1(colours[i]));
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        grid->addWidget(label, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
        m_lblProductName_B.at(i) = label;
    }
    // The shadow sits two pixels lower and to the right of the title.
    m_lblProductName_B[0]->setContentsMargins(2, 2, 0, 0);
    m_lblProductName_B[1]->setContentsMargins(0, 0, 2, 2);
    return area;
}

QWidget* frmLogin::buildDateRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    m_spinner[0] = newSpinner(1, 9999, QStringLiteral(" 年"), row);
    m_spinner[1] = newSpinner(0, 99, QStringLiteral(" 月"), row);
    m_spinner[2] = newSpinner(0, 99, QStringLiteral(" 日"), row);
    wrapSpinner(m_spinner[1], 1, 12);
    wrapSpinner(m_spinner[2], 1, 31);
    layout->addWidget(m_spinner[0], 4);
    layout->addWidget(m_spinner[1], 3);
    layout->addWidget(m_spinner[2], 3);
    return row;
}

void frmLogin::loadData()
{
    try {
        for (QLabel* label : m_lblProductName_B) {
            label->setText(m_config.Caption());
            label->show();
        }
        loadBackground();
        loadRemember();
        const QDate today = QDate::currentDate();
        m_spinner[0]->setValue(today.year());
        m_spinner[1]->setValue(today.month());
        m_spinner[2]->setValue(today.day());
        fillUsers();
        if (m_cobUser->count() > 0)
            m_cobUser->setCurrentIndex(0);
        m_cobUser->setEditText(userSetting(QStringLiteral("LogonUser"), m_cobUser->currentText()));
        m_cmdOK->setText(text(QStringLiteral("/login/cmdok"), QStringLiteral("确定(&D)")));
        m_cmdCancel->setText(text(QStringLiteral("/login/cmdcancel"), QStringLiteral("取消(&C)")));
        m_lblMess->setText(text(QStringLiteral("/login/hint"), QString()));
    } catch (const std::exception& e) {
        noteError(QString::fromLocal8Bit(e.what()));
    }
    if (!m_loadError.isEmpty())
        WriteLog(QStringLiteral("加载数据时出错,原因:") + m_loadError, 4);
}

void frmLogin::loadBackground()
{
    if (m_config.Background_Login().trimmed().isEmpty())
        return;
    const QString file = bCommon::ExpandPath(m_config.Background_Login(), false);
    if (!QFileInfo::exists(file) || !m_background.load(file))
        return;
    for (QLabel* label : m_lblProductName_B)
        label->hide();
}

void frmLogin::loadRemember()
{
    const QString allowed =
        m_config.XML().Value(QStringLiteral("/configuration/system/settings/remerber")).toString().trimmed().toLower();
    if (allowed != QLatin1String("1") && allowed != QLatin1String("true"))
        return;
    m_chkRemberme->setText(text(QStringLiteral("/login/remember"), QStringLiteral("保存密码")));
    m_chkRemberme->show();
    m_chkRemberme->setChecked(bCommon::NumericValue(userSetting(QStringLiteral("remerber"), QStringLiteral("0"))) != 0);
    const QString stored = userSetting(QStringLiteral("remerberString"));
    if (m_chkRemberme->isChecked() && !stored.isEmpty())
        m_txtPassword->setText(m_cipher.Decipher(stored));
}

void frmLogin::fillUsers()
{
    m_userStyle = settingNumber(12, QStringLiteral("loginuserstyle"));
    if (m_userStyle == 1) {
        // Typed names only: no list to drop down.
        m_cobUser->setStyleSheet(QStringLiteral("QComboBox { border: 1px solid #b8bfc8; border-radius: 2px; padding: 1px 4px; "
                                                "background: palette(base); } QComboBox::drop-down { width: 0px; border: none; }"));
        return;
    }
    if (m_userStyle == 2) {
        m_recentCount = settingNumber(38, QStringLiteral("loginusercount"));
        for (int i = 1; i <= m_recentCount; ++i) {
            const QString name = userSetting(QStringLiteral("LogonUser%1").arg(i));
            if (name.isEmpty())
                break;
            m_cobUser->addItem(name);
        }
        return;
    }
    const QList<LoginUser> users = m_session.Users();
    noteError(m_session.LastError().Message);
    for (const LoginUser& user : users)
        m_cobUser->addItem(user.UserName);
}

void frmLogin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_cobUser->currentText().isEmpty())
        m_cobUser->setFocus();
    else
        m_txtPassword->setFocus();
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtPassword && passwordKey(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

// True when the password box must not see the event: clipboard keys and middle-button paste
// are dropped, Enter moves on and runs OK.
bool frmLogin::passwordKey(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isClipboardKey(key))
            return true;
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        focusNextChild();
        OK();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

void frmLogin::OK()
{
    try {
        login();
    } catch (const std::exception& e) {
        WriteLog(QStringLiteral("发生错误:") + QString::fromLocal8Bit(e.what()), 8);
    }
}

void frmLogin::login()
{
    const int year = m_spinner[0]->value();
    const int month = m_spinner[1]->value();
    const int day = m_spinner[2]->value();
    const QDate date(year, month, day);
    if (!date.isValid()) {
        WriteLog(QStringLiteral("操作日期%1-%2-%3不正确,请重新选择").arg(year).arg(month).arg(day), 4);
        return;
    }
    const QString typed = m_cobUser->currentText();
    const QString user = typed.trimmed();
    if (user.isEmpty()) {
        WriteLog(QStringLiteral("用户名不能为空，请重试!"), 4);
        m_cobUser->setFocus();
        return;
    }
    m_session.SetUserName(user);
    if (!m_session.CheckPassword(m_txtPassword->text().trimmed())) {
        const QString reason = m_session.LastError().Message;
        WriteLog(reason.isEmpty() ? QStringLiteral("无效的密码或者用户名") + user + QStringLiteral(" ，请重试!") : reason, 4);
        m_txtPassword->setFocus();
        m_txtPassword->selectAll();
        return;
    }
    AppInfoData& info = m_system.AppInfo();
    info.OperationDate = date;
    info.UserID = m_session.UserID();
    info.UserName = m_session.UserName();
    saveUserSetting(QStringLiteral("LogonUser"), typed);
    if (m_userStyle == 2)
        saveRecentUsers(user);
    const bool remember = m_chkRemberme->isChecked();
    saveUserSetting(QStringLiteral("remerber"), remember ? QStringLiteral("1") : QStringLiteral("0"));
    const QString password = m_txtPassword->text();
    saveUserSetting(QStringLiteral("remerberString"), remember && !password.isEmpty() ? m_cipher.Encipher(password) : QString());
    accept();
}

// Newest first: the user moves (or is added) to the front, the list keeps at most N names.
void frmLogin::saveRecentUsers(const QString& user)
{
    QStringList recent;
    for (int i = 1; i <= m_recentCount; ++i) {
        const QString name = userSetting(QStringLiteral("LogonUser%1").arg(i));
        if (name.isEmpty())
            break;
        recent << name;
    }
    recent.removeAll(user);
    recent.prepend(user);
    for (int i = 0; i < recent.size() && i < m_recentCount; ++i)
        saveUserSetting(QStringLiteral("LogonUser%1").arg(i + 1), recent.at(i));
}

void frmLogin::Cancel()
{
    reject();
}

void frmLogin::reject()
{
    m_session.SetUserName(QString());
    QDialog::reject();
}

void frmLogin::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
        return;
    }
    painter.fillRect(rect(), QColor(0xf6, 0xf8, 0xfb));
    const QRect title(0, 0, width(), kTitleHeight);
    QLinearGradient gradient(title.topLeft(), title.topRight());
    gradient.setColorAt(0, QColor(0x0d, 0x4a, 0x8c));
    gradient.setColorAt(1, QColor(0x2f, 0x86, 0xd0));
    painter.fillRect(title, gradient);
    painter.fillRect(QRect(0, kTitleHeight, width(), 3), QColor(0xf0, 0xa0, 0x30));
}

void frmLogin::noteError(const QString& message)
{
    if (m_loadError.isEmpty())
        m_loadError = message;
}

QString frmLogin::userSetting(const QString& key, const QString& defaultValue) const
{
    return UserSettings::Get(m_config.Caption(), QString::fromLatin1(kSettingsSection), key, defaultValue);
}

void frmLogin::saveUserSetting(const QString& key, const QString& value) const
{
    UserSettings::Save(m_config.Caption(), QString::fromLatin1(kSettingsSection), key, value);
}

int frmLogin::settingNumber(int group, const QString& key)
{
    const QString value = m_system.Setting(group, key).Value;
    noteError(m_system.LastError().Message);
    return static_cast<int>(bCommon::NumericValue(value));
}

QString frmLogin::text(const QString& path, const QString& defaultText)
{
    return m_system.Text(QStringLiteral("main"), path, defaultText);
}
