#include "workbench/LockOverlay.h"

#include "Twips.h"
#include "login/PasswordBox.h"
#include "workbench/ImageButton.h"
#include "workbench/WorkbenchArt.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kVeilOffset = 30;  // twips: the veil starts above and left of the window's corner

}  // namespace

LockOverlay::LockOverlay(QWidget* window) : QWidget(window), m_window(window), m_capture(new QLabel(window))
{
    setObjectName(QStringLiteral("pic0"));
    m_capture->setObjectName(QStringLiteral("pic2"));
    m_capture->hide();
    m_dialog = buildDialog();
    m_dialog->installEventFilter(this);
    window->installEventFilter(this);
    hide();
}

QWidget* LockOverlay::buildDialog()
{
    auto* dialog = new QWidget(this);
    dialog->setObjectName(QStringLiteral("pic1"));
    dialog->setAttribute(Qt::WA_StyledBackground);
    dialog->setStyleSheet(QStringLiteral(
        "#pic1 { background: #ffffff; border-radius: 10px; }"
        "#pic1 QLabel { color: #26323f; }"
        "#txtPassword { border: 1px solid #c5cfdb; border-radius: 4px; padding: 5px 8px; }"
        "#txtPassword:focus { border-color: #1a56c4; }"
        "#pic1 QToolButton { border: 1px solid #c5cfdb; border-radius: 4px; padding: 5px 14px; }"
        "#pic1 QToolButton:hover { background: #eef3fb; }"));
    auto* shadow = new QGraphicsDropShadowEffect(dialog);
    shadow->setBlurRadius(28);
    shadow->setOffset(0, 6);
    shadow->setColor(QColor(0, 0, 0, 110));
    dialog->setGraphicsEffect(shadow);

    m_picture = new QLabel(dialog);
    m_picture->setFixedSize(72, 72);
    m_picture->setScaledContents(true);
    m_picture->setPixmap(WorkbenchArt::LockPicture(144));
    auto* prompt = new QLabel(QStringLiteral("请录入登录密码:"), dialog);
    m_password = MakePasswordBox(dialog, QStringLiteral("txtPassword"));
    m_return = MakeImageButton(dialog, 3, QStringLiteral(" 返回系统"), WorkbenchArt::Glyph::Unlock, QColor(0x1a, 0x56, 0xc4));
    m_exit = MakeImageButton(dialog, 4, QStringLiteral(" 退出系统"), WorkbenchArt::Glyph::Exit, QColor(0xc6, 0x28, 0x28));
    m_return->setAutoRaise(false);
    m_exit->setAutoRaise(false);
    connect(m_password, &QLineEdit::returnPressed, this, &LockOverlay::unlockRequested);
    connect(m_return, &QToolButton::clicked, this, &LockOverlay::unlockRequested);
    connect(m_exit, &QToolButton::clicked, this, &LockOverlay::exitRequested);

    auto* fields = new QVBoxLayout;
    fields->setSpacing(8);
    fields->addWidget(prompt);
    fields->addWidget(m_password);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_return);
    buttons->addWidget(m_exit);
    fields->addLayout(buttons);
    auto* layout = new QHBoxLayout(dialog);
    layout->setContentsMargins(22, 20, 22, 18);
    layout->setSpacing(18);
    layout->addWidget(m_picture, 0, Qt::AlignTop);
    layout->addLayout(fields, 1);
    dialog->setFixedSize(420, 150);
    return dialog;
}

void LockOverlay::SetDialogPicture(const QPixmap& picture)
{
    m_picture->setPixmap(picture);
}

void LockOverlay::coverWindow()
{
    const int offset = Twips::ToPixels(kVeilOffset);
    setGeometry(-offset, -offset, m_window->width() + offset, m_window->height() + offset);
}

void LockOverlay::Lock(const QPixmap& capture)
{
    m_capture->setGeometry(m_window->rect());
    m_capture->setPixmap(capture);
    coverWindow();
    m_veil = QPixmap(size());
    m_veil.fill(VeilColor());
    if (!capture.isNull()) {
        QPainter painter(&m_veil);
        painter.setOpacity(kBlendOpacity / 255.0);
        painter.drawPixmap(m_veil.rect(), capture);
    }
    show();
    raise();
    m_dialog->move((width() - m_dialog->width()) / 2, (height() - m_dialog->height()) / 2);
    m_dialog->show();
    m_dialog->raise();
    m_password->setFocus();
}

void LockOverlay::Unlock()
{
    m_capture->setPixmap(QPixmap());
    m_veil = QPixmap();
    m_dialog->hide();
    hide();
}

void LockOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_veil.isNull())
        painter.fillRect(rect(), VeilColor());
    else
        painter.drawPixmap(rect(), m_veil);
}

bool LockOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Resize && IsLocked()) {
        coverWindow();
    } else if (watched == m_dialog) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) {
                m_dragging = true;
                m_dragOrigin = mouse->globalPosition().toPoint();
            }
            break;
        case QEvent::MouseMove:
            if (m_dragging && (mouse->buttons() & Qt::LeftButton)) {
                const QPoint now = mouse->globalPosition().toPoint();
                m_dialog->move(m_dialog->pos() + now - m_dragOrigin);
                m_dragOrigin = now;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (mouse->button() == Qt::LeftButton)
                m_dragging = false;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
