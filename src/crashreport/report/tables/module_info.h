#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace crashnote::report {

// A file mapped into the process: the program or one of its libraries.
struct ModuleInfo {
    std::uint64_t base = 0;     // lowest address of its mapping
    std::uint64_t end = 0;      // one past its highest mapped address
    QString path;
    QString description;
    QString version;
    std::uint64_t size = 0;     // file size in bytes
    QDateTime modified;
};

// A running process of the computer.
struct ProcessInfo {
    std::int64_t id = 0;
    QString name;
    QString description;
    QString version;
    std::uint64_t memory = 0;   // resident set in bytes
    QString priority;           // "Low" .. "Real-Time"
    int threads = 0;
    QString folder;
};

} // namespace crashnote::report
