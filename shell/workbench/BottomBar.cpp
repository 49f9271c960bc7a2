#include "workbench/BottomBar.h"

#include "Twips.h"
#include "workbench/LinkLabel.h"
#include "workbench/WorkbenchArt.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kRightMargin = 300;  // twips
constexpr int kIconGap = 100;      // twips from an icon to its link
constexpr int kLinkGap = 500;      // twips between a link and the next icon
constexpr int kTop = 60;           // twips from the bar's top to its items
constexpr int kMessageLeft = 30;   // twips from the bar's left edge to the status line

}  // namespace

BottomBar::BottomBar(QWidget* parent) : QWidget(parent), m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("Panel2"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(28);
    m_message->setObjectName(QStringLiteral("lnkMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Twips::ToPixels(kMessageLeft), Twips::ToPixels(kTop), Twips::ToPixels(kRightMargin), Twips::ToPixels(kTop));
    layout->setSpacing(0);
    layout->addWidget(m_message, 1);
    const WorkbenchArt::Glyph glyphs[3] = {WorkbenchArt::Glyph::Web, WorkbenchArt::Glyph::Support, WorkbenchArt::Glyph::Mail};
    const int iconNumbers[3] = {4, 5, 3};
    for (int i = 0; i < 3; ++i) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("Img%1").arg(iconNumbers[i]));
        icon->setPixmap(WorkbenchArt::Icon(glyphs[i], QColor(0x5a, 0x6b, 0x7d), 14).pixmap(14, 14));
        m_links[i] = new LinkLabel(QStringLiteral("lnklbl%1").arg(i), QString(), this);
        if (i > 0)
            layout->addSpacing(Twips::ToPixels(kLinkGap));
        layout->addWidget(icon);
        layout->addSpacing(Twips::ToPixels(kIconGap));
        layout->addWidget(m_links[i]);
    }
    m_links[1]->setCursor(Qt::ArrowCursor);  // the support line is text, not a link
    m_links[2]->setText(QStringLiteral("意见与建议"));
}
