#include "xml/XmlDoc.h"

#include <QFile>
#include <QRegularExpression>

#include <sstream>

namespace {

// The string-value of a node (all of an element's text, an attribute's value), as XPath defines it.
QString textContent(const pugi::xpath_node& hit)
{
    static const pugi::xpath_query stringValue("string(.)");
    return QString::fromStdString(stringValue.evaluate_string(hit));
}

}  // namespace

bool XmlDoc::Load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_doc.reset();
        m_loaded = false;
        return false;
    }
    const QByteArray bytes = file.readAll();
    return parsed(m_doc.load_buffer(bytes.constData(), size_t(bytes.size())));
}

bool XmlDoc::LoadXml(const QString& markup)
{
    const QByteArray bytes = markup.toUtf8();
    return parsed(m_doc.load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default,
                                    pugi::encoding_utf8));
}

bool XmlDoc::parsed(const pugi::xml_parse_result& result)
{
    m_loaded = bool(result) && m_doc.document_element();
    if (!m_loaded)
        m_doc.reset();
    return m_loaded;
}

QVariant XmlDoc::Value(const QString& path) const
{
    const pugi::xpath_node_set hits = select(path);
    if (hits.empty())
        return {};
    return textContent(hits.first());
}

QVariant XmlDoc::Attribute(const QString& path, const QString& name) const
{
    const pugi::xpath_node_set hits = select(path);
    if (hits.empty())
        return {};
    const pugi::xml_attribute attribute = hits.first().node().attribute(name.toUtf8().constData());
    if (!attribute)
        return {};
    return QString::fromUtf8(attribute.value());
}

int XmlDoc::Count(const QString& path) const
{
    return int(select(path).size());
}

QString XmlDoc::Xml(const QString& path) const
{
    const pugi::xpath_node_set hits = select(path);
    if (hits.empty())
        return {};
    if (hits.first().attribute())
        return QString::fromUtf8(hits.first().attribute().value());
    std::ostringstream out;
    hits.first().node().print(out, "", pugi::format_raw);
    return QString::fromStdString(out.str());
}

pugi::xpath_node_set XmlDoc::select(const QString& path) const
{
    if (!m_loaded || path.trimmed().isEmpty())
        return {};
    try {
        return m_doc.select_nodes(ToXPath(path).toUtf8().constData());
    } catch (const pugi::xpath_exception&) {
        return {};
    }
}

QString XmlDoc::ToXPath(const QString& path)
{
    static const QRegularExpression index(QStringLiteral("^\\[\\s*(\\d+)\\s*\\]"));
    QString out;
    QChar quote;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            const QRegularExpressionMatch m = index.match(QStringView(path).mid(i));
            if (m.hasMatch()) {
                out += QLatin1Char('[') + QString::number(m.captured(1).toLongLong() + 1) + QLatin1Char(']');
                i += m.capturedLength() - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}
