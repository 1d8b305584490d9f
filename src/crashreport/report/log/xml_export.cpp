#include "log/xml_export.h"

#include "layout/line_break.h"
#include "log/xml_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace crashnote::report {

namespace {

// A rule, or the CPU dump's two rules side by side.
bool isRule(const QString &line)
{
    return line.startsWith(QLatin1Char('-'))
        && line.count(QLatin1Char('-')) + line.count(QLatin1Char(' ')) == line.size();
}

// Reads a report text block by block: a caption line and its rule, then
// the lines up to the next empty line.
class ReportReader {
public:
    explicit ReportReader(const QString &entry)
        : lines_(entry.split(crlf))
    {
    }

    bool atBlock() const
    {
        skipEmpty();
        return index_ + 1 < lines_.size() && lines_.at(index_).endsWith(QLatin1Char(':'))
            && isRule(lines_.at(index_ + 1));
    }

    // Caption without ":", then the lines of the block; a table's final rule ends it.
    QString takeBlock(QStringList &body)
    {
        skipEmpty();
        const QString caption = lines_.at(index_).chopped(1);
        index_ += 2;
        while (index_ < lines_.size() && !lines_.at(index_).isEmpty())
            body += lines_.at(index_++);
        return caption;
    }

    bool nextIsGeneralSection() const
    {
        if (!atBlock() || index_ + 2 >= lines_.size())
            return false;
        static const QRegularExpression item(QStringLiteral("^  \\d+\\.\\d+ "));
        return item.match(lines_.at(index_ + 2)).hasMatch();
    }

    QString firstLine() const { return lines_.value(0); }
    void skipHeader() const { index_ = 1; }

private:
    void skipEmpty() const
    {
        while (index_ < lines_.size() && lines_.at(index_).isEmpty())
            ++index_;
    }

    QStringList lines_;
    mutable qsizetype index_ = 0;
};

QString readBack(const QString &line)
{
    const QString value = line.trimmed();
    return value == QStringLiteral(".") ? QString() : QString(value).replace(QStringLiteral(":_"), QStringLiteral(": "));
}

XmlElement generalGroup(const QString &caption, const QStringList &body)
{
    static const QRegularExpression itemLine(QStringLiteral("^  (\\d+)\\.(\\d+) (.*?) *: (.*)$"));
    XmlElement group{QStringLiteral("Group"), {{"ID", {}}, {"Label", caption}}, {}, {}};
    for (const QString &line : body) {
        const QRegularExpressionMatch match = itemLine.match(line);
        if (match.hasMatch()) {
            group.attributes[0].second = match.captured(1);
            group.add({QStringLiteral("Line"),
                       {{"ID", match.captured(1) + QLatin1Char('.') + match.captured(2)},
                        {"Label", match.captured(3)},
                        {"Value", readBack(match.captured(4))}},
                       {},
                       {}});
        } else if (!group.children.empty()) {
            auto &value = group.children.back().attributes[2].second;
            value += crlf + readBack(line);
        }
    }
    return group;
}

QStringList cells(const QString &row)
{
    QStringList parts = row.split(QLatin1Char('|'));
    parts = parts.mid(1, parts.size() - 2);
    for (QString &part : parts)
        part = part.trimmed();
    return parts;
}

// Table rows between the header's rule and the closing rule.
QStringList tableRows(const QStringList &body)
{
    QStringList rows;
    for (qsizetype i = 2; i < body.size() && !isRule(body.at(i)); ++i)
        rows += body.at(i);
    return rows;
}

XmlElement threadElement(const QString &line)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\*?)(.*?): [^=]*=(\\d+); [^=]*=([^;]*); [^=]*=([^;]*)(; \\[.*\\])?$"));
    const QRegularExpressionMatch match = pattern.match(line);
    QString name = QStringLiteral("RunningThread");
    if (match.captured(1) == QStringLiteral("*"))
        name = QStringLiteral("ExceptionThread");
    return {name,
            {{"ID", match.captured(3)},
             {"Priority", match.captured(4)},
             {"Class", match.captured(5)},
             {"MainThread", match.captured(6).isEmpty() ? "False" : "True"}},
            {},
            {}};
}

XmlElement callStackLine(const QStringList &parts)
{
    static const QRegularExpression line(QStringLiteral("^(\\d+)\\[(\\d+)\\]$"));
    const QRegularExpressionMatch position = line.match(parts.at(5));
    return {QStringLiteral("Line"),
            {{"Address", parts.at(0)}, {"Module", parts.at(1)}, {"Unit", parts.at(2)},
             {"Class", parts.at(3)}, {"Procedure", parts.at(4)},
             {"Number", position.captured(1)}, {"Offset", position.captured(2)}},
            {},
            {}};
}

XmlElement callStack(const QStringList &body)
{
    XmlElement stack{QStringLiteral("CallStack"), {}, {}, {}};
    // The rows go to the last thread, or to its calling-thread group when one was opened.
    bool inCallingGroup = false;
    for (const QString &row : tableRows(body)) {
        const QStringList parts = cells(row);
        if (parts.size() == 1) {
            if (isRule(parts.first()))
                continue;
            XmlElement thread = threadElement(parts.first());
            // The calling-thread group of a thread follows the thread's own group.
            inCallingGroup = !stack.children.empty()
                && thread.attributes[0].second == stack.children.back().attributes[0].second;
            if (inCallingGroup) {
                thread.name = QStringLiteral("CallingThread");
                stack.children.back().add(std::move(thread));
            } else {
                stack.add(std::move(thread));
            }
            continue;
        }
        if (stack.children.empty() || parts.size() < 6)
            continue;
        XmlElement &thread = stack.children.back();
        XmlElement &group = inCallingGroup ? thread.children.back() : thread;
        group.add(callStackLine(parts));
    }
    return stack;
}

XmlElement rowsAsElements(const QString &listName, const QString &rowName, const QStringList &names,
                          const QStringList &body)
{
    XmlElement list{listName, {}, {}, {}};
    for (const QString &row : tableRows(body)) {
        const QStringList parts = cells(row);
        XmlElement element{rowName, {}, {}, {}};
        for (qsizetype i = 0; i < names.size(); ++i)
            element.attributes.emplace_back(names.at(i), parts.value(i));
        list.add(std::move(element));
    }
    return list;
}

XmlElement assembler(const QStringList &body)
{
    static const QRegularExpression instruction(QStringLiteral("^([0-9A-F]{8,16})  (.*?)(?:  +; (.*))?$"));
    XmlElement element{QStringLiteral("Assembler"), {}, {}, {}};
    for (const QString &line : body) {
        const QRegularExpressionMatch match = instruction.match(line);
        if (match.hasMatch())
            element.add({QStringLiteral("Line"),
                         {{"Address", match.captured(1)}, {"Command", match.captured(2).trimmed()},
                          {"Comment", match.captured(3)}}, {}, {}});
        else
            element.add({QStringLiteral("Line"), {{"Address", {}}, {"Command", {}},
                                                  {"Comment", line.mid(1).trimmed()}}, {}, {}});
    }
    return element;
}

XmlElement cpu(const QStringList &registers, const QStringList &dump)
{
    XmlElement values{QStringLiteral("Registers"), {}, {}, {}};
    static const QRegularExpression pair(QStringLiteral("([A-Z0-9]+): (\\S+)"));
    for (const QString &line : registers)
        for (const QRegularExpressionMatch &match : pair.globalMatch(line))
            values.attributes.emplace_back(match.captured(1), match.captured(2));

    XmlElement stack{QStringLiteral("Stack"), {}, {}, {}};
    XmlElement memory{QStringLiteral("MemoryDump"), {}, {}, {}};
    static const QRegularExpression dumpLine(
        QStringLiteral("^([0-9A-F]+): ([0-9A-F]+)   ([0-9A-F]+): ((?:[0-9A-F]{2} ){16}) (.{16})$"));
    for (const QString &line : dump) {
        const QRegularExpressionMatch match = dumpLine.match(line);
        if (!match.hasMatch())
            continue;
        stack.add({QStringLiteral("Line"), {{"Address", match.captured(1)}, {"Value", match.captured(2)}}, {}, {}});
        memory.add({QStringLiteral("Line"),
                    {{"Address", match.captured(3)}, {"Bytes", match.captured(4).trimmed()},
                     {"Chars", match.captured(5)}}, {}, {}});
    }
    return {QStringLiteral("CPU"), {}, {}, {std::move(values), std::move(stack), std::move(memory)}};
}

XmlElement logElement(const QString &entry)
{
    ReportReader reader(entry);
    XmlElement log{QStringLiteral("Log"),
                   {{"Version", reader.firstLine().section(QLatin1Char(' '), 1)}}, {}, {}};
    reader.skipHeader();

    XmlElement &general = log.add({QStringLiteral("General"), {}, {}, {}});
    while (reader.nextIsGeneralSection()) {
        QStringList body;
        const QString caption = reader.takeBlock(body);
        general.add(generalGroup(caption, body));
    }

    // Then, in this order: call stack, modules, processes, assembler, CPU.
    std::vector<QStringList> blocks;
    while (reader.atBlock()) {
        QStringList body;
        reader.takeBlock(body);
        blocks.push_back(body);
    }
    const auto block = [&](std::size_t i) { return i < blocks.size() ? blocks[i] : QStringList(); };
    log.add(callStack(block(0)));
    log.add(rowsAsElements(QStringLiteral("Modules"), QStringLiteral("Module"),
                           {"Handle", "Name", "Description", "Version", "Size", "Modified", "Path"}, block(1)));
    log.add(rowsAsElements(QStringLiteral("Processes"), QStringLiteral("Process"),
                           {"ID", "Name", "Description", "Version", "Memory", "Priority", "Threads", "Path"},
                           block(2)));
    log.add(assembler(block(3)));
    log.add(cpu(block(4), block(5)));
    return log;
}

} // namespace

QString logToXml(const QStringList &entries)
{
    XmlElement doc{QStringLiteral("Doc"), {}, {}, {}};
    for (const QString &entry : entries)
        doc.add(logElement(entry));
    return writeXml(doc);
}

QString xmlExportFileName(const QString &logFilePath, const QString &folder)
{
    return QDir(folder).filePath(QFileInfo(logFilePath).completeBaseName() + QStringLiteral(".xml"));
}

bool writeXmlExport(const QStringList &entries, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(logToXml(entries).toUtf8());
    return file.commit();
}

} // namespace crashnote::report
