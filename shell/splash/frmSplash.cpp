#include "splash/frmSplash.h"

#include "common/bCommon.h"
#include "config/clsConfig.h"
#include "system/AppSystem.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include <cmath>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

constexpr int kWidth = 458;
constexpr int kHeight = 289;

QString operatingSystemUser()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
#ifdef Q_OS_UNIX
    // Services and su shells often run without USER: the account database still knows the name.
    if (user.isEmpty()) {
        if (const passwd* account = getpwuid(getuid()))
            user = QString::fromLocal8Bit(account->pw_name);
    }
#endif
    return user;
}

QLabel* label(QWidget* parent, const QRect& geometry, const QString& color)
{
    auto* l = new QLabel(parent);
    l->setGeometry(geometry);
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color));
    return l;
}

}  // namespace

frmSplash::frmSplash(const clsConfig& config, AppSystem& system, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::Tool)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_timer.setInterval(300);
    m_timer.stop();
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_timer.stop();
        close();
    });

    m_picture = new QLabel(this);
    m_picture->setGeometry(kWidth - 150, 16, 134, 100);
    m_picture->setScaledContents(true);
    m_picture->hide();
    const QString pictureFile = bCommon::ExpandPath(config.Background_splash(), false);
    if (!pictureFile.isEmpty() && QFileInfo(pictureFile).isFile()) {
        m_picture->setPixmap(QPixmap(pictureFile));
        m_picture->show();
    }

    m_user = label(this, QRect(28, 190, 400, 20), QStringLiteral("#e8eef7"));
    m_user->setText(system.Text(QStringLiteral("main"), QStringLiteral("/splash/user"), QStringLiteral("使用权属于: ")) + operatingSystemUser());
    m_rights = label(this, QRect(28, 214, 400, 20), QStringLiteral("#e8eef7"));
    m_rights->setText(system.Text(QStringLiteral("main"), QStringLiteral("/splash/right"), QStringLiteral("版权所有:"))
                      + system.Text(QStringLiteral("main"), QStringLiteral("/main/copyright"), config.Subject()));
    m_version = label(this, QRect(28, 238, 400, 20), QStringLiteral("#e8eef7"));
    m_version->setText(system.Text(QStringLiteral("main"), QStringLiteral("/splash/version"), QStringLiteral("版本 "))
                       + QStringLiteral("%1.%2").arg(ORVEL_VERSION_MAJOR).arg(ORVEL_VERSION_MINOR));

    const QVariant alpha = config.XML().Value(QStringLiteral("//configuration/system/settings/splashalpha"));
    if (!alpha.isNull()) {
        const double value = bCommon::NumericValue(alpha.toString());
        if (value >= 0 && value <= 255)  // a byte; anything else is ignored
            SetWindowAlpha(static_cast<int>(value));
    }

    const QString caption = config.Caption();
    const TitleSize size = TitleSizeFor(static_cast<int>(caption.size()));
    const QString colors[3] = {QStringLiteral("#1b2a41"), QStringLiteral("#1b2a41"), QStringLiteral("#ffffff")};
    const QPoint offsets[3] = {{2, 2}, {1, 1}, {0, 0}};
    for (int i = 0; i < 3; ++i) {
        m_titles[i] = label(this, QRect(QPoint(28, 120) + offsets[i], QSize(400, size.height + 8)), colors[i]);
        QFont font = m_titles[i]->font();
        font.setPointSizeF(size.points);
        font.setBold(true);
        m_titles[i]->setFont(font);
        m_titles[i]->setText(caption);
    }
    update();
}

frmSplash::TitleSize frmSplash::TitleSizeFor(int captionLength)
{
    if (captionLength < 9)
        return {21.75, 29};
    if (captionLength <= 12)
        return {16.75, 23};
    if (captionLength <= 16)
        return {14.75, 20};
    return {12.75, 18};
}

void frmSplash::SetWindowAlpha(int percentage)
{
    const int capped = std::min(percentage, 100);
    m_alpha = static_cast<int>(std::floor(capped / 100.0 * 255));
    setWindowOpacity(m_alpha / 255.0);
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x2d, 0x5b, 0x9a));
    background.setColorAt(1, QColor(0x14, 0x2f, 0x57));
    painter.fillRect(rect(), background);
    painter.fillRect(QRect(28, 172, width() - 56, 2), QColor(0xf0, 0x8a, 0x24));
}
