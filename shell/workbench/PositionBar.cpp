#include "workbench/PositionBar.h"

#include "Twips.h"
#include "workbench/ImageButton.h"
#include "workbench/LinkLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kRightMargin = 780;  // twips
constexpr int kGap = 200;          // twips between the items on the right
const QColor kIconColor(0x4a, 0x58, 0x67);

}  // namespace

PositionBar::PositionBar(QWidget* parent)
    : QWidget(parent), m_toggle(new QToolButton(this)), m_position(new QLabel(QStringLiteral("当前位置："), this)),
      m_alert(MakeImageButton(this, 5, QStringLiteral(" 显示预警"), WorkbenchArt::Glyph::Alert, QColor(0xd9, 0x7a, 0x00))),
      m_period(new QLabel(this)), m_operator(new QLabel(this)),
      m_password(new LinkLabel(QStringLiteral("lnklbl3"), QStringLiteral("[修改密码]"), this)),
      m_about(new LinkLabel(QStringLiteral("lnklbl4"), QStringLiteral("[关于软件]"), this))
{
    setObjectName(QStringLiteral("Panel1"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(32);
    m_toggle->setObjectName(QStringLiteral("Img2"));
    m_toggle->setAutoRaise(true);
    m_toggle->setIconSize(QSize(18, 18));
    m_toggle->setCursor(Qt::PointingHandCursor);
    m_toggle->setToolTip(QStringLiteral("显示/隐藏导航栏"));
    SetPanelShown(true);
    m_position->setObjectName(QStringLiteral("lbl1"));
    m_period->setObjectName(QStringLiteral("lbl2"));
    m_operator->setObjectName(QStringLiteral("lbl0"));
    m_alert->setCheckable(true);
    m_alert->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, Twips::ToPixels(kRightMargin), 0);
    layout->setSpacing(Twips::ToPixels(kGap));
    layout->addWidget(m_toggle);
    layout->addWidget(m_position, 1);
    for (QWidget* item : {static_cast<QWidget*>(m_alert), static_cast<QWidget*>(m_period), static_cast<QWidget*>(m_operator),
                          static_cast<QWidget*>(m_password), static_cast<QWidget*>(m_about)})
        layout->addWidget(item);
}

void PositionBar::SetPanelShown(bool shown)
{
    m_toggle->setIcon(WorkbenchArt::Icon(shown ? WorkbenchArt::Glyph::PanelShown : WorkbenchArt::Glyph::PanelHidden, kIconColor, 18));
}
