#include "workbench/NavPanel.h"

#include "Twips.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 2700;   // twips
constexpr int kButtonHeight = 540;   // twips
constexpr int kFirstTop = 150;       // twips

}  // namespace

NavPanel::NavPanel(QWidget* parent)
    : QWidget(parent), m_container(new QWidget(this)), m_headerArea(new QWidget(this)),
      m_headerLayout(new QVBoxLayout(m_headerArea)), m_iconRow(new QWidget(m_headerArea)), m_headerGroup(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("NavPanel"));
    setAttribute(Qt::WA_StyledBackground);
    m_container->setObjectName(QStringLiteral("NavContainer"));
    m_container->setAttribute(Qt::WA_StyledBackground);
    m_headerArea->setObjectName(QStringLiteral("NavHeaders"));
    m_headerArea->setAttribute(Qt::WA_StyledBackground);
    m_headerLayout->setContentsMargins(0, 0, 0, 0);
    m_headerLayout->setSpacing(0);
    auto* iconLayout = new QHBoxLayout(m_iconRow);
    iconLayout->setContentsMargins(6, 2, 6, 2);
    iconLayout->addStretch();
    m_headerLayout->addWidget(m_iconRow);
    m_headerGroup->setExclusive(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_container, 1);
    layout->addWidget(m_headerArea);

    auto* templateButton = new QToolButton(m_container);
    templateButton->setObjectName(QStringLiteral("But"));
    templateButton->setProperty("index", 0);
    templateButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    templateButton->setIconSize(QSize(24, 24));
    templateButton->setCheckable(true);
    templateButton->setAutoRaise(true);
    templateButton->setGeometry(0, Twips::ToPixels(kFirstTop) - Twips::ToPixels(kButtonHeight + kButtonSpacing),
                                Twips::ToPixels(kButtonWidth), Twips::ToPixels(kButtonHeight));
    templateButton->hide();
    m_buttons.append(templateButton);
    layoutHeaders();
}

void NavPanel::AddGroup(const QString& caption, const QString& key, const QIcon& icon)
{
    auto* header = new QPushButton(m_headerArea);
    header->setObjectName(QStringLiteral("NavGroup"));
    header->setToolTip(caption);
    header->setIcon(icon);
    header->setIconSize(QSize(20, 20));
    header->setCheckable(true);
    header->setFlat(true);
    const int index = m_groups.size();
    m_headerGroup->addButton(header, index);
    connect(header, &QPushButton::clicked, this, [this, index] { SetActiveGroup(index); });
    m_groups.append({caption, key, header});
    layoutHeaders();
}

QString NavPanel::GroupCaption(int index) const
{
    return index >= 0 && index < m_groups.size() ? m_groups.at(index).caption : QString();
}

QString NavPanel::GroupKey(int index) const
{
    return index >= 0 && index < m_groups.size() ? m_groups.at(index).key : QString();
}

QString NavPanel::ActiveCaption() const
{
    return GroupCaption(m_active);
}

QString NavPanel::ActiveKey() const
{
    return GroupKey(m_active);
}

int NavPanel::FindGroup(const QString& key) const
{
    for (int i = 0; i < m_groups.size(); ++i) {
        if (m_groups.at(i).key == key)
            return i;
    }
    return -1;
}

void NavPanel::SetActiveGroup(int index)
{
    if (index < 0 || index >= m_groups.size())
        return;
    m_active = index;
    m_groups.at(index).header->setChecked(true);
    emit groupActivated(m_groups.at(index).caption);
}

void NavPanel::SetVisibleItems(int count)
{
    m_visibleItems = std::max(count, 0);
    layoutHeaders();
}

void NavPanel::layoutHeaders()
{
    // Full headers first, in group order; the rest become icons in the row below them.
    auto* iconLayout = static_cast<QHBoxLayout*>(m_iconRow->layout());
    for (int i = 0; i < m_groups.size(); ++i) {
        QPushButton* header = m_groups.at(i).header;
        m_headerLayout->removeWidget(header);
        iconLayout->removeWidget(header);
        const bool full = i < m_visibleItems;
        header->setText(full ? m_groups.at(i).caption : QString());
        header->setProperty("compact", !full);
        header->setSizePolicy(full ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
        if (full)
            m_headerLayout->insertWidget(i, header);
        else
            iconLayout->insertWidget(iconLayout->count() - 1, header);
    }
    m_iconRow->setVisible(m_groups.size() > m_visibleItems);
}

int NavPanel::AddButton(const QString& caption, const QString& tag, const QIcon& icon)
{
    QToolButton* above = m_buttons.last();
    const int index = m_buttons.size();
    auto* button = new QToolButton(m_container);
    button->setObjectName(QStringLiteral("But"));
    button->setProperty("index", index);
    button->setText(caption);
    button->setProperty("tag", tag);
    button->setIcon(icon);
    // The template's look, copied from the button above.
    button->setToolButtonStyle(above->toolButtonStyle());
    button->setIconSize(above->iconSize());
    button->setCheckable(above->isCheckable());
    button->setAutoRaise(above->autoRaise());
    const int top = Twips::FromPixels(above->y()) + Twips::FromPixels(above->height()) + kButtonSpacing;
    button->setGeometry(above->x(), Twips::ToPixels(top), above->width(), above->height());
    button->raise();
    connect(button, &QToolButton::clicked, this, [this, index] {
        for (int i = 1; i < m_buttons.size(); ++i)
            m_buttons.at(i)->setChecked(i == index);
        emit buttonClicked(index);
    });
    button->show();
    m_buttons.append(button);
    return index;
}

void NavPanel::ClearButtons()
{
    while (m_buttons.size() > 1)
        delete m_buttons.takeLast();
}

QToolButton* NavPanel::Button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

QString NavPanel::ButtonCaption(int index) const
{
    const QToolButton* button = Button(index);
    return button ? button->text() : QString();
}

QString NavPanel::ButtonTag(int index) const
{
    const QToolButton* button = Button(index);
    return button ? button->property("tag").toString() : QString();
}

void NavPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    centreButtons();
}

void NavPanel::centreButtons()
{
    const int width = std::max(m_container->width() - 16, 40);
    for (QToolButton* button : m_buttons)
        button->setGeometry((m_container->width() - width) / 2, button->y(), width, button->height());
}
