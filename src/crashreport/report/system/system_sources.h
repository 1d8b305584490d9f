#pragma once

#include "system/system_values.h"

#include <QString>

namespace crashnote::report {

// Each fills its part of the values from Linux sources.
void readUserValues(SystemValues &values);
void readComputerValues(SystemValues &values, const QString &programPath);
void readOperatingSystemValues(SystemValues &values);
void readNetworkValues(SystemValues &values);

// All of them.
SystemValues readSystemValues(const QString &programPath);

// The capabilities of /proc/self/status's "CapPrm" and "CapEff" lines as
// privileges: those the process may use, on when effective.
std::vector<Privilege> privilegesFromStatus(const QString &statusText);

// The first "model name" of /proc/cpuinfo; else vendor " - " family/model; else "Unknown processor".
QString processorFromCpuInfo(const QString &cpuInfoText);

// "nameserver" lines of /etc/resolv.conf, in order.
QStringList dnsServersFromResolvConf(const QString &resolvConfText);

// Default gateway of an interface from /proc/net/route; empty when none.
QString gatewayFromRouteTable(const QString &routeText, const QString &interfaceName);

} // namespace crashnote::report
