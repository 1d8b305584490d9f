#include "system/read_text_file.h"
#include "system/system_sources.h"

#include <QDir>
#include <QStringList>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace crashnote::report {

namespace {

QString ipv4Text(const sockaddr *address)
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(address)->sin_addr, text, sizeof text);
    return QString::fromLatin1(text);
}

// A lease file of one of the usual DHCP clients names the interface.
bool hasDhcpLease(const QString &interfaceName)
{
    const QStringList folders = {QStringLiteral("/var/lib/dhcp"), QStringLiteral("/var/lib/dhclient"),
                                 QStringLiteral("/var/lib/NetworkManager"), QStringLiteral("/run/systemd/netif/leases")};
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &file : dir.entryList(QDir::Files))
            if (file.contains(interfaceName) && file.contains(QStringLiteral("lease")))
                return true;
        if (folder.endsWith(QStringLiteral("leases")) && dir.exists(QString::number(if_nametoindex(interfaceName.toUtf8().constData()))))
            return true;
    }
    return false;
}

} // namespace

QStringList dnsServersFromResolvConf(const QString &resolvConfText)
{
    QStringList servers;
    for (const QString &line : resolvConfText.split(QLatin1Char('\n'))) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words.size() >= 2 && words.first() == QStringLiteral("nameserver"))
            servers += words.at(1);
    }
    return servers;
}

QString gatewayFromRouteTable(const QString &routeText, const QString &interfaceName)
{
    for (const QString &line : routeText.split(QLatin1Char('\n')).mid(1)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() < 3 || fields.at(0) != interfaceName || fields.at(1) != QStringLiteral("00000000"))
            continue;
        // The kernel writes the address in the machine's byte order.
        in_addr gateway {};
        gateway.s_addr = std::uint32_t(fields.at(2).toUInt(nullptr, 16));
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &gateway, text, sizeof text);
        return QString::fromLatin1(text);
    }
    return {};
}

void readNetworkValues(SystemValues &values)
{
    const QString routes = readTextFile(QStringLiteral("/proc/net/route"));
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) == 0) {
        QStringList seen;
        for (const ifaddrs *entry = list; entry; entry = entry->ifa_next) {
            if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET || (entry->ifa_flags & IFF_LOOPBACK))
                continue;
            const QString name = QString::fromUtf8(entry->ifa_name);
            // An adapter shows its first address only.
            if (seen.contains(name))
                continue;
            seen += name;
            values.adapters.push_back({ipv4Text(entry->ifa_addr),
                                       entry->ifa_netmask ? ipv4Text(entry->ifa_netmask) : QString(),
                                       gatewayFromRouteTable(routes, name), hasDhcpLease(name)});
        }
        freeifaddrs(list);
    }
    values.dnsServers = dnsServersFromResolvConf(readTextFile(QStringLiteral("/etc/resolv.conf")));
}

} // namespace crashnote::report
