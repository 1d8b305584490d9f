#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace crashnote::report {

// A row is either cells, one per column, or a line across the whole table
// (the call stack's thread lines and the rules around them).
struct TableRow {
    QStringList cells;
    QString wideLine;
    bool isRule = false;

    static TableRow fromCells(QStringList cells) { return {std::move(cells), {}, false}; }
    static TableRow fromLine(QString line) { return {{}, std::move(line), false}; }
    static TableRow rule() { return {{}, {}, true}; }
};

struct TextTable {
    QString caption;
    QStringList titles;
    std::vector<TableRow> rows;
};

// Caption, rule, header row, rule, rows, rule and an empty line.
QString formatTable(const TextTable &table);

// The caption with a rule under it, for a table or section left out.
QString formatCaptionOnly(const QString &caption);

} // namespace crashnote::report
