#include "system/system_sources.h"
#include "tables/proc_sources.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

using namespace crashnote::report;

TEST(LinuxSources, CapabilitiesBecomePrivileges)
{
    const QString status = "Name:\tveldorin\nCapInh:\t0000000000000000\n"
                           "CapPrm:\t0000000000000023\nCapEff:\t0000000000000021\n";
    const std::vector<Privilege> privileges = privilegesFromStatus(status);
    ASSERT_EQ(privileges.size(), 3u);
    EXPECT_EQ(privileges[0].name.toStdString(), "CAP_CHOWN");
    EXPECT_TRUE(privileges[0].enabled);
    EXPECT_EQ(privileges[1].name.toStdString(), "CAP_DAC_OVERRIDE");
    EXPECT_FALSE(privileges[1].enabled);
    EXPECT_EQ(privileges[2].name.toStdString(), "CAP_KILL");
    EXPECT_TRUE(privileges[2].enabled);
    EXPECT_TRUE(privilegesFromStatus("").empty());
}

TEST(LinuxSources, ProcessorNameOrVendorOrUnknown)
{
    EXPECT_EQ(processorFromCpuInfo("processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t:   Intel(R) Core(TM) i5  \n")
                  .toStdString(),
              "Intel(R) Core(TM) i5");
    EXPECT_EQ(processorFromCpuInfo("vendor_id\t: AuthenticAMD\ncpu family\t: 25\nmodel\t\t: 1\nstepping\t: 1\n").toStdString(),
              "AuthenticAMD - Family 25 Model 1 Stepping 1");
    EXPECT_EQ(processorFromCpuInfo("").toStdString(), "Unknown processor");
}

TEST(LinuxSources, DnsServersAndGateway)
{
    EXPECT_EQ(dnsServersFromResolvConf("# local\nsearch loja\nnameserver 192.168.1.1\nnameserver  8.8.4.4 \n"),
              QStringList({"192.168.1.1", "8.8.4.4"}));
    const QString routes = "Iface\tDestination\tGateway \tFlags\n"
                           "eth0\t000200C0\t00000000\t0001\n"
                           "eth0\t00000000\t010200C0\t0003\n";
    EXPECT_EQ(gatewayFromRouteTable(routes, "eth0").toStdString(), "192.0.2.1");
    EXPECT_EQ(gatewayFromRouteTable(routes, "wlan0").toStdString(), "");
}

TEST(LinuxSources, ModulesFromMapsAreCodeFilesInLoadOrder)
{
    const QString program = QFileInfo("/proc/self/exe").symLinkTarget();
    const QString maps =
        "7f0000000000-7f0000001000 r--p 00000000 08:01 2 /usr/lib/x86_64-linux-gnu/libz.so.1.2.13\n"
        "7f0000001000-7f0000010000 r-xp 00001000 08:01 2 /usr/lib/x86_64-linux-gnu/libz.so.1.2.13\n"
        "7f0000020000-7f0000030000 r--p 00000000 08:01 3 /usr/lib/locale/locale-archive\n"
        "7ffd00000000-7ffd00021000 rw-p 00000000 00:00 0 [stack]\n"
        "560000000000-560000001000 r--p 00000000 08:01 4 " + program + "\n"
        "560000001000-560000009000 r-xp 00001000 08:01 4 " + program + "\n";
    const std::vector<ModuleInfo> modules = modulesFromMaps(maps, program, "1.0.0");
    ASSERT_EQ(modules.size(), 2u);
    EXPECT_EQ(modules[0].path, program);
    EXPECT_EQ(modules[0].base, 0x560000000000u);
    EXPECT_EQ(modules[0].end, 0x560000009000u);
    EXPECT_EQ(modules[0].version.toStdString(), "1.0.0");
    EXPECT_EQ(modules[0].size, std::uint64_t(QFileInfo(program).size()));
    EXPECT_EQ(modules[1].version.toStdString(), "1.2.13");
    EXPECT_EQ(versionFromFileName("libc.so.6").toStdString(), "6");
    EXPECT_EQ(versionFromFileName("libdw-0.188.so").toStdString(), "");
}

TEST(LinuxSources, PriorityClasses)
{
    const std::tuple<int, int, const char *> cases[] = {
        {0, 19, "Low"}, {0, 10, "Low"}, {0, 5, "Below-Normal"}, {0, 0, "Normal"},
        {0, -5, "Above-Normal"}, {0, -20, "High"}, {1, 0, "Real-Time"}, {2, 0, "Real-Time"},
    };
    for (const auto &[policy, nice, expected] : cases)
        EXPECT_EQ(priorityClass(policy, nice).toStdString(), expected) << policy << " " << nice;
}

TEST(LinuxSources, ThisProcessIsListedWithItsThreads)
{
    const std::vector<ProcessInfo> processes = runningProcesses();
    const auto self = std::find_if(processes.begin(), processes.end(),
                                   [](const ProcessInfo &p) { return p.id == getpid(); });
    ASSERT_NE(self, processes.end());
    EXPECT_EQ(self->name.toStdString(), "crashnote_report_system_tests");
    EXPECT_GE(self->threads, 1);
    EXPECT_GT(self->memory, 0u);
    const int nice = getpriority(PRIO_PROCESS, 0);
    EXPECT_EQ(self->priority, priorityClass(0, nice));
    EXPECT_EQ(threadNice(std::uint64_t(gettid())), nice);
}
