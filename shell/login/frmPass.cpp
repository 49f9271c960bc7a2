#include "login/frmPass.h"

#include "dialogs/DialogService.h"
#include "log/Logger.h"
#include "login/PasswordBox.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int kCheckDelayMs = 250;  // the old password is hashed once typing pauses

}  // namespace

frmPass::frmPass(AppSystem& system, LoginSession& session, QWidget* parent)
    : QDialog(parent), m_system(system), m_session(session)
{
    setWindowTitle(QStringLiteral("修改密码"));
    setModal(true);
    buildControls();
    m_checkDelay.setSingleShot(true);
    m_checkDelay.setInterval(kCheckDelayMs);
    connect(&m_checkDelay, &QTimer::timeout, this, &frmPass::CheckOldPassword);
    connect(m_old, &QLineEdit::textChanged, this, [this] { m_checkDelay.start(); });
    connect(m_ok, &QPushButton::clicked, this, &frmPass::Save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_hint->clear();
    m_hint->setEnabled(false);
    m_user->setText(m_session.UserName());
    m_user->setEnabled(false);
    m_hasPassword = !m_session.Password(QString()).isEmpty();
    CheckOldPassword();
    applyTexts();
}

void frmPass::buildControls()
{
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("header"));
    header->setAttribute(Qt::WA_StyledBackground);
    header->setStyleSheet(QStringLiteral("#header { background: #1f4e9c; } #header QLabel { color: #ffffff; }"));
    m_lblTitle = new QLabel(QStringLiteral("修改用户密码"), header);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblHint = new QLabel(QStringLiteral("请先输入旧密码，再输入两次新密码。"), header);
    auto* headerLayout = new QVBoxLayout(header);
    headerLayout->setContentsMargins(18, 12, 18, 12);
    headerLayout->addWidget(m_lblTitle);
    headerLayout->addWidget(m_lblHint);

    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("USER"));
    m_old = MakePasswordBox(this, QStringLiteral("Oldpassword"));
    m_hint = new QLineEdit(this);
    m_hint->setObjectName(QStringLiteral("hint"));
    m_new = MakePasswordBox(this, QStringLiteral("newpassword"));
    m_again = MakePasswordBox(this, QStringLiteral("newpasswordagain"));
    const char* const captions[5] = {"用户名:", "旧密码:", "密码提示问题:", "新密码:", "确认新密码:"};
    QLineEdit* const boxes[5] = {m_user, m_old, m_hint, m_new, m_again};
    auto* form = new QFormLayout;
    form->setContentsMargins(18, 14, 18, 6);
    form->setSpacing(8);
    for (int i = 0; i < 5; ++i) {
        m_labels[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        form->addRow(m_labels[i], boxes[i]);
    }

    m_ok = new QPushButton(QStringLiteral("保存(&S)"), this);
    m_ok->setObjectName(QStringLiteral("CmdOK"));
    m_ok->setDefault(true);
    m_close = new QPushButton(QStringLiteral("关闭(&X)"), this);
    m_close->setObjectName(QStringLiteral("CmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(18, 6, 18, 14);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(400);
}

QString frmPass::text(const QString& path, const QString& current) const
{
    return m_system.Text(QStringLiteral("main"), path, current);
}

void frmPass::applyTexts()
{
    setWindowTitle(text(QStringLiteral("/frmpass/caption"), windowTitle()));
    m_lblHint->setText(text(QStringLiteral("/frmpass/hint"), m_lblHint->text()));
    m_lblTitle->setText(text(QStringLiteral("/frmpass/title"), m_lblTitle->text()));
    const char* const paths[5] = {"/frmpass/username", "/frmpass/oldpassword", "/frmpass/question", "/frmpass/newpassword",
                                  "/frmpass/confirm"};
    for (int i = 0; i < 5; ++i)
        m_labels[i]->setText(text(QLatin1String(paths[i]), m_labels[i]->text()));
    m_ok->setText(text(QStringLiteral("/frmpass/cmdok"), m_ok->text()));
    m_close->setText(text(QStringLiteral("/frmpass/cmdclose"), m_close->text()));
}

void frmPass::Py_Init(int functionCode, const QString& menuName)
{
    m_functionCode = functionCode;
    m_menuName = menuName;
}

void frmPass::setNewBoxesEnabled(bool enabled)
{
    for (QLineEdit* box : {m_new, m_again})
        box->setEnabled(enabled);
}

void frmPass::CheckOldPassword()
{
    m_checkDelay.stop();
    try {
        if (m_hasPassword) {
            setNewBoxesEnabled(m_session.VerifyPassword(m_old->text()));
        } else {
            m_old->setEnabled(false);
            setNewBoxesEnabled(true);
        }
    } catch (const std::exception& e) {
        WriteLog(QStringLiteral("OldPassWord_Change") + QString::fromStdString(e.what()), 4);
    }
}

void frmPass::Save()
{
    try {
        DialogService& dialogs = DialogService::Current();
        if (!m_session.VerifyPassword(m_old->text())) {
            dialogs.Show(DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("请先输入原先的旧密码后继续.."));
            m_old->setFocus();
            return;
        }
        if (m_new->text().isEmpty() && m_again->text().isEmpty()
            && dialogs.Show(DialogIcon::Warning, QStringLiteral("提示："), QStringLiteral("新密码为空，是否继续？"), DialogButtons::YesNo)
                   != DialogAnswer::Yes)
            return;
        if (!m_session.CheckSession()) {
            WriteLog(m_session.LastError().Message, 2);
            return;
        }
        if (m_new->text() != m_again->text()) {
            dialogs.Show(DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("密码两次输入不一致，请重输！"));
            m_new->setFocus();
            return;
        }
        if (!m_session.ChangePassword(m_old->text(), m_new->text())) {
            WriteLog(m_session.LastError().Message, 8);
            return;
        }
        WriteLog(QStringLiteral("祝贺你，修改密码成功！"), 2);
        WriteActionLog(QStringLiteral("修改当用户密码"), m_functionCode);
        m_hasPassword = !m_session.Password(QString()).isEmpty();
        accept();
    } catch (const std::exception& e) {
        WriteLog(QStringLiteral("修改密码时出错") + QString::fromStdString(e.what()), 4);
    }
}

void frmPass::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_system.Theme().Apply(this);
}

void frmPass::done(int result)
{
    WriteActionLog(QStringLiteral("退出[") + m_menuName + QStringLiteral("]"), m_functionCode);
    QDialog::done(result);
}
