#include "workbench/kvVSTab.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

kvVSTab::kvVSTab(QWidget* parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("kvVSTab"));
    setDocumentMode(true);
    setExpanding(false);
    setDrawBase(false);
    setElideMode(Qt::ElideRight);
    connect(this, &QTabBar::currentChanged, this, &kvVSTab::onCurrentChanged);
}

int kvVSTab::Add(const QString& caption, const QString& key)
{
    const int index = addTab(caption);
    setTabData(index, key);
    return index + 1;
}

void kvVSTab::Remove(int tab)
{
    if (tab == Selected())
        m_current = -1;  // the tab being removed is not left: its area is gone
    removeTab(tab - 1);
    m_current = currentIndex();
}

QString kvVSTab::Key(int tab) const
{
    return tabData(tab - 1).toString();
}

QString kvVSTab::Caption(int tab) const
{
    return tabText(tab - 1);
}

void kvVSTab::Select(int tab)
{
    if (tab == Selected())
        emit TabEntering(tab);
    else
        setCurrentIndex(tab - 1);
}

void kvVSTab::onCurrentChanged(int index)
{
    if (m_current >= 0 && m_current < count())
        emit TabLeaving(m_current + 1);
    m_current = index;
    if (index >= 0)
        emit TabEntering(index + 1);
}

void kvVSTab::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        if (const int index = tabAt(event->position().toPoint()); index >= 0)
            emit CloseRequested(index + 1);
        return;
    }
    QTabBar::mouseReleaseEvent(event);
}

void kvVSTab::contextMenuEvent(QContextMenuEvent* event)
{
    const int index = tabAt(event->pos());
    if (index < 0)
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(QStringLiteral("关闭")), &QAction::triggered, this, [this, index] { emit CloseRequested(index + 1); });
    menu->popup(event->globalPos());
}
