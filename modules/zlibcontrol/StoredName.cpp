#include "StoredName.h"

#include <algorithm>

namespace {

QString withoutDrive(const QString& name)
{
    return name.size() >= 2 && name.at(1) == u':' ? name.mid(2) : name;
}

}

QString StoredName::normalize(const QString& name)
{
    QString result = withoutDrive(name);
    result.replace(u'/', u'\\');
    if (!result.startsWith(u'\\'))
        result.prepend(u'\\');
    return result;
}

QStringList StoredName::components(const QString& storedName)
{
    QString name = withoutDrive(storedName);
    name.replace(u'/', u'\\');
    QStringList parts = name.split(u'\\', Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    return parts;
}

QString StoredName::bareName(const QString& storedName)
{
    const qsizetype cut = std::max(storedName.lastIndexOf(u'\\'), storedName.lastIndexOf(u'/'));
    return withoutDrive(storedName.mid(cut + 1));
}
