#pragma once

#include "tables/module_info.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace crashnote::report {

// Files mapped with executable code into this process, from the text of
// /proc/self/maps, in load-address order.
std::vector<ModuleInfo> modulesFromMaps(const QString &mapsText, const QString &programPath,
                                        const QString &programVersion);
std::vector<ModuleInfo> loadedModules(const QString &programPath, const QString &programVersion);

// "libfoo.so.1.2.3" gives "1.2.3": the nearest thing to a file version.
QString versionFromFileName(const QString &fileName);

// Every process whose /proc entry can be read.
std::vector<ProcessInfo> runningProcesses();

// "Low" .. "Real-Time" from the scheduling policy and nice value.
QString priorityClass(int policy, int nice);

// Nice value of a thread of this process, when it can be read.
std::optional<int> threadNice(std::uint64_t threadId);

} // namespace crashnote::report
