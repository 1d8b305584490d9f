#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace crashnote::report {

struct NetworkAdapter {
    QString address;   // IPv4, dotted
    QString mask;
    QString gateway;   // empty when the adapter has none
    bool dhcp = false;
};

struct Privilege {
    QString name;
    bool enabled = false;
};

// Values of the report that describe the user, computer, operating system
// and network. Whatever Linux cannot tell stays empty.
struct SystemValues {
    QString logonName;
    QString fullName;
    QString company;
    std::vector<Privilege> privileges;

    QString computerName;
    std::optional<std::uint64_t> totalMemory;  // bytes
    std::optional<std::uint64_t> freeMemory;
    std::optional<std::uint64_t> totalDisk;
    std::optional<std::uint64_t> freeDisk;
    std::optional<std::int64_t> systemUpSeconds;
    QString processor;
    QString videoCard;
    QString printer;

    QString osType;
    QString osBuild;
    QString osUpdate;
    QString language;
    QString charset;

    std::vector<NetworkAdapter> adapters;
    QStringList dnsServers;
};

} // namespace crashnote::report
