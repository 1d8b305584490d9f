#pragma once

#include <QString>

namespace crashnote::report {

// What the general sections say about the module that raised and the error.
struct ExceptionFacts {
    QString programName;          // file name of the program file
    QString modulePath;           // module holding the exception address; empty when none
    QString moduleDescription;
    QString moduleVersion;
    QString bugId;
};

} // namespace crashnote::report
