#pragma once

#include <QString>

#include <vector>

namespace crashnote::report {

struct GeneralItem {
    QString label;
    QString value;          // may hold several lines
    bool visible = true;    // a hidden item keeps its number
};

struct GeneralSection {
    int number = 0;
    QString header;
    std::vector<GeneralItem> items; // numbered from 1 in this order
};

// One section: header, rule and item lines, with the ": " of all items
// aligned. Empty when every item is hidden.
QString formatGeneralSection(const GeneralSection &section);

// The sections that have a visible item, separated by one empty line.
QString formatGeneralSections(const std::vector<GeneralSection> &sections);

// The line prefix of an item, "  2.8 " followed by the label.
QString generalItemPrefix(int sectionNumber, int itemNumber, const QString &label);

} // namespace crashnote::report
