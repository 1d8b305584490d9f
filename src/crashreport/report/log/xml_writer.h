#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace crashnote::report {

struct XmlElement {
    QString name;
    std::vector<std::pair<QString, QString>> attributes;
    QString text;
    std::vector<XmlElement> children;

    XmlElement &add(XmlElement child)
    {
        children.push_back(std::move(child));
        return children.back();
    }
};

// The export's own layout: two blanks per level, one element per line,
// attribute values with every unsafe character as a three-digit reference.
QString writeXml(const XmlElement &root);

// An attribute value as the export writes it.
QString escapeXmlAttribute(const QString &value);

} // namespace crashnote::report
