#include "system/read_text_file.h"
#include "system/system_sources.h"

#include <QFile>
#include <QStringList>

#include <pwd.h>
#include <unistd.h>

namespace crashnote::report {

namespace {

// Names of the capabilities in their bit order (linux/capability.h).
const char *const capabilityNames[] = {
    "CAP_CHOWN", "CAP_DAC_OVERRIDE", "CAP_DAC_READ_SEARCH", "CAP_FOWNER", "CAP_FSETID",
    "CAP_KILL", "CAP_SETGID", "CAP_SETUID", "CAP_SETPCAP", "CAP_LINUX_IMMUTABLE",
    "CAP_NET_BIND_SERVICE", "CAP_NET_BROADCAST", "CAP_NET_ADMIN", "CAP_NET_RAW", "CAP_IPC_LOCK",
    "CAP_IPC_OWNER", "CAP_SYS_MODULE", "CAP_SYS_RAWIO", "CAP_SYS_CHROOT", "CAP_SYS_PTRACE",
    "CAP_SYS_PACCT", "CAP_SYS_ADMIN", "CAP_SYS_BOOT", "CAP_SYS_NICE", "CAP_SYS_RESOURCE",
    "CAP_SYS_TIME", "CAP_SYS_TTY_CONFIG", "CAP_MKNOD", "CAP_LEASE", "CAP_AUDIT_WRITE",
    "CAP_AUDIT_CONTROL", "CAP_SETFCAP", "CAP_MAC_OVERRIDE", "CAP_MAC_ADMIN", "CAP_SYSLOG",
    "CAP_WAKE_ALARM", "CAP_BLOCK_SUSPEND", "CAP_AUDIT_READ", "CAP_PERFMON", "CAP_BPF",
    "CAP_CHECKPOINT_RESTORE",
};

std::uint64_t capabilitySet(const QString &statusText, const QString &key)
{
    for (const QString &line : statusText.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed().toULongLong(nullptr, 16);
    return 0;
}

} // namespace

std::vector<Privilege> privilegesFromStatus(const QString &statusText)
{
    const std::uint64_t permitted = capabilitySet(statusText, QStringLiteral("CapPrm"));
    const std::uint64_t effective = capabilitySet(statusText, QStringLiteral("CapEff"));
    std::vector<Privilege> privileges;
    for (std::size_t bit = 0; bit < std::size(capabilityNames); ++bit)
        if (permitted >> bit & 1)
            privileges.push_back({QString::fromLatin1(capabilityNames[bit]), bool(effective >> bit & 1)});
    return privileges;
}

void readUserValues(SystemValues &values)
{
    if (const passwd *entry = getpwuid(geteuid())) {
        values.logonName = QFile::decodeName(entry->pw_name);
        // The full name is the first field of the account's comment.
        values.fullName = QString::fromUtf8(entry->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
    }
    values.privileges = privilegesFromStatus(readTextFile(QStringLiteral("/proc/self/status")));
}

} // namespace crashnote::report
