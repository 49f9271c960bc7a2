#include "workbench/kvVSTab.h"

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
