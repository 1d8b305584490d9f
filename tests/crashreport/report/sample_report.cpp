#include "sample_report.h"

#include <QTimeZone>

using namespace crashnote::report;

namespace {

QDateTime utc(int day, int hour, int minute, int second)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second), QTimeZone::utc());
}

StackEntry entry(std::uint64_t thread, std::uint64_t address, const char *unit, const char *cls,
                 const char *routine, std::uint32_t line, std::uint32_t offset)
{
    StackEntry e;
    e.kind = EntryKind::LineKnown;
    e.modulePath = "/opt/veldorin/veldorin";
    e.moduleBase = 0x400000;
    e.threadId = thread;
    e.address = address;
    e.unit = unit;
    e.className = cls;
    e.routine = routine;
    e.line = line;
    e.lineOffset = offset;
    return e;
}

} // namespace

ReportInput sampleInput()
{
    ReportInput input;
    input.application.startTime = utc(1, 12, 0, 0);
    input.application.programPath = "/opt/veldorin/veldorin";
    input.application.description = "Cadastro de Embalagens";
    input.application.version = "1.0.0";
    input.application.parameters = {"-x"};
    input.exception.className = "EDatabaseError";
    input.exception.message = QStringLiteral("Table not found");
    input.exception.address = 0x401A2B;
    input.exception.threadId = 100;
    input.exception.time = utc(1, 12, 1, 5);
    input.options.generalSectionMask &= ~(std::uint64_t(1) << 4);     // 1.5
    input.options.generalSectionMask &= ~(std::uint64_t(0x1F) << 36);  // section 6
    input.userEmail = "ana@loja.com.br";
    input.customData = {" Loja = 3 "};
    input.stepsToReproduce = "  Opened the screen\n";

    return input;
}

ReportFacts sampleFacts()
{
    ReportFacts facts;
    SystemValues &system = facts.system;
    system.logonName = "ana";
    system.fullName = "Ana Silva";
    system.privileges = {{"CAP_CHOWN", false}, {"CAP_KILL", true}};
    system.computerName = "balcao";
    system.totalMemory = 2048ull << 20;
    system.freeMemory = 512ull << 20;
    system.totalDisk = 100ull << 30;
    system.freeDisk = 50ull << 30;
    system.systemUpSeconds = 3600;
    system.processor = "Intel(R) Xeon(R) CPU";
    system.osType = "Debian GNU/Linux 12 (bookworm)";
    system.adapters = {{"192.168.1.10", "255.255.255.0", "192.168.1.1", true},
               {"10.0.0.5", "255.0.0.0", "", false}};
    system.dnsServers = {"192.168.1.1"};

    facts.stack = {entry(100, 0x401A2B, "screen.cpp", "Packaging", "save", 120, 4),
               entry(100, 0x401B00, "main.cpp", "", "main", 30, 2),
               entry(101, 0x402000, "worker.cpp", "Worker", "run", 10, 1)};
    facts.stack[0].firstEntry = true;
    facts.threads = {{100, "", 0, true}, {101, "Worker", std::nullopt, false}};
    facts.modules = {
        {0x400000, 0x500000, "/opt/veldorin/veldorin", "", "1.0.0", 123456,
         QDateTime(QDate(2026, 2, 1), QTime(10, 0, 0))},
        {0x7F0000000000, 0x7F0000100000, "/usr/lib/x86_64-linux-gnu/libc.so.6", "", "2.36", 1922136,
         QDateTime(QDate(2026, 1, 15), QTime(8, 30, 0))}};
    facts.processes = {{1, "init", "", "", 4096, "Normal", 1, "/sbin"}};
    facts.disassemblyLines = "0000000000401A2B  mov eax, dword ptr [rbx]  ; <-- EXCEPTION\r\n";
    facts.disassemblyWidth = 59;
    return facts;
}
