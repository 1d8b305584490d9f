#include "layout/general_sections.h"

#include <gtest/gtest.h>

using namespace crashnote::report;

TEST(GeneralSections, HiddenItemKeepsItsNumberAndColonsAlign)
{
    const GeneralSection section{1, "Application",
                                 {{"Start Date", "Mon", true},
                                  {"Name/Description", "hidden", false},
                                  {"Version Number", "1.0.0", true},
                                  {"Up Time", "5 seconds", true}}};
    EXPECT_EQ(formatGeneralSection(section).toStdString(),
              "Application:\r\n"
              "-------------------------------\r\n"
              "  1.1 Start Date    : Mon\r\n"
              "  1.3 Version Number: 1.0.0\r\n"
              "  1.4 Up Time       : 5 seconds\r\n");
}

TEST(GeneralSections, MultiLineValueIsIndentedAndGuarded)
{
    const GeneralSection section{3, "User",
                                 {{"ID", "ana", true},
                                  {"Privileges", "a: b\r\n\r\nCAP_KILL - ON", true}}};
    EXPECT_EQ(formatGeneralSection(section).toStdString(),
              "User:\r\n"
              "-------------------------------\r\n"
              "  3.1 ID        : ana\r\n"
              "  3.2 Privileges: a:_b\r\n"
              "                  .\r\n"
              "                  CAP_KILL - ON\r\n");
}

TEST(GeneralSections, SectionWithOnlyHiddenItemsIsDropped)
{
    const std::vector<GeneralSection> sections{
        {1, "A", {{"x", "1", true}}},
        {2, "B", {{"y", "2", false}}},
        {3, "C", {{"z", "", true}}},
    };
    EXPECT_EQ(formatGeneralSections(sections).toStdString(),
              "A:\r\n----------\r\n  1.1 x: 1\r\n"
              "\r\n"
              "C:\r\n---------\r\n  3.1 z: \r\n");
}
