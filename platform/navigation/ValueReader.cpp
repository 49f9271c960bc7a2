#include "navigation/ValueReader.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

QString ValueReader::ToText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

qint64 ValueReader::ToLong(const QVariant& value)
{
    if (value.isNull())
        return 0;
    // Whole numbers round as the database would convert them; texts like "12.0" are accepted.
    return std::llround(ToDouble(value));
}

double ValueReader::ToDouble(const QVariant& value)
{
    if (value.isNull())
        return 0.0;
    bool ok = false;
    const double d = value.toString().trimmed().toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

QString ValueReader::ToDate(const QVariant& value, const QString& format)
{
    if (value.isNull())
        return {};
    QDate date;
    if (value.typeId() == QMetaType::QDate)
        date = value.toDate();
    else if (value.typeId() == QMetaType::QDateTime)
        date = value.toDateTime().date();
    else
        date = QDate::fromString(value.toString().trimmed().left(10), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return {};
    const QString qtFormat = format.compare(QLatin1String("yyyy-mm-dd"), Qt::CaseInsensitive) == 0 ? QStringLiteral("yyyy-MM-dd") : format;
    return date.toString(qtFormat);
}
