#include "log/xml_writer.h"

#include "layout/line_break.h"

namespace crashnote::report {

namespace {

bool needsReference(char16_t c)
{
    return c < 32 || c == u'"' || c == u'&' || c == u'\'' || c == u'<' || c == u'>'
        || (c >= 127 && c <= 255);
}

// XML has no way to write these control characters at all, not even as references.
bool forbiddenInXml(char16_t c)
{
    return c < 32 && c != u'\t' && c != u'\n' && c != u'\r';
}

void writeElement(const XmlElement &element, int level, QString &out)
{
    const QString indent(2 * level, QLatin1Char(' '));
    out += indent + QLatin1Char('<') + element.name;
    for (const auto &[name, value] : element.attributes)
        out += QLatin1Char(' ') + name + QStringLiteral("=\"") + escapeXmlAttribute(value) + QLatin1Char('"');
    if (element.text.isEmpty() && element.children.empty()) {
        out += QStringLiteral("/>") + crlf;
        return;
    }
    out += QLatin1Char('>') + escapeXmlAttribute(element.text) + crlf;
    for (const XmlElement &child : element.children)
        writeElement(child, level + 1, out);
    out += indent + QStringLiteral("</") + element.name + QLatin1Char('>') + crlf;
}

} // namespace

QString escapeXmlAttribute(const QString &value)
{
    QString escaped;
    for (QChar qc : value) {
        const char16_t c = qc.unicode();
        if (forbiddenInXml(c))
            escaped += QLatin1Char(' ');
        else if (needsReference(c))
            escaped += QStringLiteral("&#%1;").arg(int(c), 3, 10, QLatin1Char('0'));
        else
            escaped += qc;
    }
    return escaped;
}

QString writeXml(const XmlElement &root)
{
    QString out;
    writeElement(root, 0, out);
    return out;
}

} // namespace crashnote::report
