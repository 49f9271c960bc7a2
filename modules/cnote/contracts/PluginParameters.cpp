#include "PluginParameters.h"

void PluginParameters::Add(const QString& name, const QString&, const QVariant& value)
{
    const qsizetype index = indexOf(name);
    if (index >= 0)
        m_items[index].Value = value;
    else
        m_items.append({name, value});
}

bool PluginParameters::Exists(const QString& name) const
{
    return indexOf(name) >= 0;
}

PluginParameter PluginParameters::Item(const QString& name) const
{
    const qsizetype index = indexOf(name);
    return index >= 0 ? m_items.at(index) : PluginParameter{name, QVariant()};
}

qsizetype PluginParameters::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
