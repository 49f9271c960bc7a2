#include "parameters/ParameterList.h"

void ParameterList::Add(const QString& name, const QVariant& value, int typeCode)
{
    const qsizetype index = indexOf(name);
    if (index >= 0)
        m_items[index] = {m_items.at(index).Name, value, typeCode};
    else
        m_items.append({name, value, typeCode});
}

bool ParameterList::Exists(const QString& name) const
{
    return indexOf(name) >= 0;
}

ParameterItem ParameterList::Item(const QString& name) const
{
    const qsizetype index = indexOf(name);
    return index >= 0 ? m_items.at(index) : ParameterItem{name, QVariant(), 0};
}

qsizetype ParameterList::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
