#pragma once

#include "PlatformExport.h"

#include <QString>
#include <QVariant>
#include <pugixml.hpp>

// An XML document with path queries. Paths are XPath with one difference: a positional index
// "[i]" counts from 0 ("/a/b[0]" is the first b). A path that selects nothing reads as a null
// QVariant (empty text once converted); an invalid path selects nothing.
class ORVEL_PLATFORM_EXPORT XmlDoc {
public:
    // Parses the file; false when it cannot be read or is not well-formed.
    bool Load(const QString& fileName);
    // Parses markup given as text; false when it is not well-formed.
    bool LoadXml(const QString& markup);

    // Text content of the first selected node (all of its text, for an element).
    QVariant Value(const QString& path) const;
    // Value of the attribute on the first selected node.
    QVariant Attribute(const QString& path, const QString& name) const;
    int Count(const QString& path) const;
    // Markup of the first selected node; empty when nothing is selected.
    QString Xml(const QString& path) const;

    bool IsLoaded() const { return m_loaded; }
    // The document element, for parts that walk the tree themselves; empty before a load.
    pugi::xml_node Root() const { return m_doc.document_element(); }

    // "/a/b[0]" -> "/a/b[1]": positional indexes to XPath's 1-based ones, quoted text untouched.
    static QString ToXPath(const QString& path);

private:
    pugi::xpath_node_set select(const QString& path) const;
    bool parsed(const pugi::xml_parse_result& result);

    pugi::xml_document m_doc;
    bool m_loaded = false;
};
