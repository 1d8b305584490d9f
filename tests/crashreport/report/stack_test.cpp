#include "stack/address_resolver.h"
#include "stack/call_stack_builder.h"
#include "stack/process_symbols.h"
#include "stack/return_address_scan.h"
#include "stopped_thread.h"
#include "tables/proc_sources.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace crashnote::report;

namespace {

struct OwnProcess : ::testing::Test {
    QString program = QFileInfo("/proc/self/exe").symLinkTarget();
    std::vector<ModuleInfo> modules = loadedModules(program, "1.0.0");
    ProcessSymbols symbols;
    AddressResolver resolver{symbols, modules, nullptr};

    const ModuleInfo &programModule() const
    {
        for (const ModuleInfo &module : modules)
            if (module.path == program)
                return module;
        throw std::runtime_error("program not mapped");
    }

    std::vector<StackEntry> stackOf(const StoppedThread &stopped, std::uint8_t stackFlags = 0x0F)
    {
        ReportInput input;
        input.options.stackFlags = stackFlags;
        input.exception.threadId = stopped.threadId();
        input.exception.address = stopped.context().rip;
        input.exceptionContext = stopped.context();
        ThreadInput thread;
        thread.threadId = stopped.threadId();
        input.threads = {thread};
        return buildCallStack(input, resolver, symbols, modules);
    }
};

struct Addr2lineAnswer {
    std::string function;
    std::string file;
    std::uint32_t line = 0;
};

// addr2line's answer for the routine that holds each address: the last
// frame of its inline chain.
std::vector<Addr2lineAnswer> addr2line(const QString &program, const std::vector<std::uint64_t> &offsets)
{
    QStringList arguments{"-a", "-f", "-i", "-C", "-e", program};
    for (std::uint64_t offset : offsets)
        arguments += QString::number(offset, 16).prepend("0x");
    QProcess process;
    process.start("addr2line", arguments);
    process.waitForFinished();
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    std::vector<Addr2lineAnswer> answers;
    for (qsizetype i = 0; i + 2 < lines.size(); i += 2) {
        if (lines.at(i).startsWith("0x")) {
            answers.emplace_back();
            ++i;
        }
        const QString place = lines.at(i + 1).section(' ', 0, 0);
        answers.back() = {lines.at(i).toStdString(), QFileInfo(place.section(':', 0, 0)).fileName().toStdString(),
                          place.section(':', 1, 1).toUInt()};
        if (i + 2 < lines.size() && lines.at(i + 2).startsWith("0x"))
            continue;
    }
    return answers;
}

} // namespace

TEST_F(OwnProcess, StoppedThreadStackMatchesAddr2line)
{
    const StoppedThread stopped;
    const std::vector<StackEntry> entries = stackOf(stopped);
    ASSERT_GE(entries.size(), 3u);
    EXPECT_TRUE(entries[0].firstEntry);
    // Unoptimised builds keep library helpers (std::atomic's operators) as
    // frames of their own above the waiting routine.
    std::size_t start = 0;
    while (start < entries.size() && entries[start].routine.toStdString() != stoppedThreadChain[0])
        ++start;
    ASSERT_LE(start + std::size(stoppedThreadChain), entries.size());
    for (std::size_t i = 0; i < std::size(stoppedThreadChain); ++i) {
        const StackEntry &entry = entries[start + i];
        EXPECT_EQ(entry.routine.toStdString(), stoppedThreadChain[i]) << i;
        EXPECT_EQ(entry.kind, EntryKind::LineKnown) << i;
        EXPECT_EQ(entry.unit.toStdString(), "stopped_thread.cpp") << i;
        EXPECT_EQ(entry.threadId, stopped.threadId());
    }

    std::vector<std::uint64_t> offsets;
    std::vector<const StackEntry *> compared;
    for (const StackEntry &entry : entries)
        if (entry.modulePath == program && entry.kind == EntryKind::LineKnown) {
            offsets.push_back(entry.address - programModule().base);
            compared.push_back(&entry);
        }
    const std::vector<Addr2lineAnswer> answers = addr2line(program, offsets);
    ASSERT_EQ(answers.size(), compared.size());
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const StackEntry &entry = *compared[i];
        // Template arguments are spelled differently by the two ("<0>" and "<0ul>").
        const std::string routine = entry.routine.toStdString();
        EXPECT_NE(answers[i].function.find(routine.substr(0, routine.find('<'))), std::string::npos)
            << answers[i].function << " vs " << routine;
        EXPECT_EQ(answers[i].file, entry.unit.toStdString());
        EXPECT_EQ(answers[i].line, entry.line);
    }
}

TEST_F(OwnProcess, ScanFindsTheReturnAddressesTheUnwinderFound)
{
    const StoppedThread stopped;
    const std::vector<std::uint64_t> unwound = walkStack(symbols, stopped.context(), modules).returnAddresses;
    ASSERT_GE(unwound.size(), 2u);
    const auto isCode = [&](std::uint64_t value) {
        return std::any_of(modules.begin(), modules.end(),
                           [&](const ModuleInfo &m) { return value >= m.base && value < m.end; });
    };
    const std::vector<std::uint64_t> scanned = scanReturnAddresses(stopped.context().rsp, stackScanBytes, isCode);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NE(std::find(scanned.begin(), scanned.end(), unwound[i]), scanned.end()) << i;
        EXPECT_TRUE(callInstructionBefore(unwound[i]).has_value());
    }
    // A value that is not behind a call is no return address. (A routine's
    // start will not do: the routine before it may end with a call that does
    // not return, as sanitized builds' do.)
    alignas(16) static const unsigned char noCall[16] = {};
    EXPECT_FALSE(callInstructionBefore(std::uint64_t(reinterpret_cast<std::uintptr_t>(noCall + sizeof noCall))).has_value());
}

TEST_F(OwnProcess, BlockDebugDataComesFirstThenExportedSymbols)
{
    struct FixedBlock : BlockDebugData {
        std::optional<SourcePosition> find(const QString &path, std::uint64_t offset) const override
        {
            if (path.endsWith("crashnote_report_stack_tests") && offset < 0x100000000)
                return SourcePosition{"Main.pas", "TFormCadCaps", "FormActivate", 120, 4};
            return std::nullopt;
        }
    };
    const AddressResolver withBlock(symbols, modules, std::make_shared<FixedBlock>());
    const StackEntry own = withBlock.resolve(std::uint64_t(reinterpret_cast<std::uintptr_t>(&walkStack)));
    EXPECT_EQ(own.unit.toStdString(), "Main.pas");
    EXPECT_EQ(own.className.toStdString(), "TFormCadCaps");
    EXPECT_EQ(own.line, 120u);
    EXPECT_EQ(own.kind, EntryKind::LineKnown);

    // libc carries no DWARF here: its exported symbol names the routine.
    const StackEntry libc = resolver.resolve(std::uint64_t(reinterpret_cast<std::uintptr_t>(&getppid)) + 1);
    EXPECT_TRUE(libc.modulePath.contains("libc.so")) << libc.modulePath.toStdString();
    EXPECT_TRUE(libc.routine.contains("getppid")) << libc.routine.toStdString();
    EXPECT_TRUE(libc.kind == EntryKind::RoutineOnly || libc.kind == EntryKind::LineKnown);
}

namespace {

__attribute__((noinline)) std::uint64_t callerAddress()
{
    return std::uint64_t(reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

struct PackagingScreen {
    __attribute__((noinline)) std::uint64_t placeInSave()
    {
        const std::uint64_t here = callerAddress();
        asm volatile("");
        return here;
    }
};

} // namespace

TEST_F(OwnProcess, MethodsGetTheirClass)
{
    const StackEntry entry = resolver.resolve(PackagingScreen().placeInSave() - 1);
    EXPECT_EQ(entry.className.toStdString(), "PackagingScreen");
    EXPECT_EQ(entry.routine.toStdString(), "placeInSave");
    EXPECT_EQ(entry.unit.toStdString(), "stack_test.cpp");
    EXPECT_EQ(entry.kind, EntryKind::LineKnown);
    EXPECT_EQ(entry.lineOffset, 2u);
}

TEST(QualifiedNames, ClassAndRoutine)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"main", "", "main"},
        {"crashnote::report::AddressResolver::resolve(unsigned long) const", "crashnote::report::AddressResolver", "resolve"},
        {"std::vector<std::pair<int, int>, std::allocator<std::pair<int, int> > >::push_back(std::pair<int, int>&&)",
         "std::vector<std::pair<int, int>, std::allocator<std::pair<int, int> > >", "push_back"},
        {"(anonymous namespace)::middleCall()", "(anonymous namespace)", "middleCall"},
        {"getpid", "", "getpid"},
    };
    for (const auto &[demangled, cls, routine] : cases) {
        QString className, routineName;
        splitQualifiedName(demangled, className, routineName);
        EXPECT_EQ(className.toStdString(), cls) << demangled;
        EXPECT_EQ(routineName.toStdString(), routine) << demangled;
    }
}

TEST(HidingRule, RepeatWithinNextTwoResolvedEntriesOfTheModuleIsHidden)
{
    const auto entry = [](std::uint64_t address, EntryKind kind, const char *module = "/a") {
        StackEntry e;
        e.address = address;
        e.kind = kind;
        e.modulePath = module;
        e.foundByScan = true;
        return e;
    };
    std::vector<StackEntry> entries{
        entry(1, EntryKind::LineKnown),
        entry(9, EntryKind::LineKnown, "/b"),        // other module: not counted
        entry(2, EntryKind::ModuleOnly),            // unresolved: not counted
        entry(5, EntryKind::LineKnown),
        entry(1, EntryKind::LineKnown),             // second later resolved entry of /a repeats entry 0
        entry(7, EntryKind::LineKnown),
        entry(8, EntryKind::LineKnown),
        entry(5, EntryKind::LineKnown),             // third after entry 3: too far
    };
    std::vector<StackEntry> exact = entries;
    hideRepeatedEntries(entries);
    EXPECT_EQ(entries[0].kind, EntryKind::Hidden);
    EXPECT_EQ(entries[3].kind, EntryKind::LineKnown);
    EXPECT_EQ(entries[4].kind, EntryKind::LineKnown);

    // Frames of the exact walk are real recursion and stay.
    for (StackEntry &e : exact)
        e.foundByScan = false;
    hideRepeatedEntries(exact);
    EXPECT_EQ(exact[0].kind, EntryKind::LineKnown);
}

extern "C" void _start();

TEST_F(OwnProcess, StartUpCodeWithoutDwarfHasNoUnit)
{
    const StackEntry start = resolver.resolve(std::uint64_t(reinterpret_cast<std::uintptr_t>(&_start)) + 1);
    EXPECT_EQ(start.routine.toStdString(), "_start");
    EXPECT_TRUE(start.unit.isEmpty()) << start.unit.toStdString();
    EXPECT_EQ(start.kind, EntryKind::RoutineOnly);
}

TEST_F(OwnProcess, RecordedStackStartsAfterTheInterruptedInstruction)
{
    // As recorded inside a signal handler: the handler's call, the
    // interrupted instruction, then the real callers.
    ReportInput input;
    input.exception.threadId = 1;
    input.exception.address = 0x5000;
    ThreadInput thread;
    thread.threadId = 1;
    thread.returnAddresses = {0x1000, 0x5000, 0x2001, 0x3001};
    input.threads = {thread};
    std::vector<std::uint64_t> addresses;
    for (const StackEntry &entry : buildCallStack(input, resolver, symbols, modules))
        addresses.push_back(entry.address);
    EXPECT_EQ(addresses, (std::vector<std::uint64_t>{0x5000, 0x2000, 0x3000}));

    // As recorded when thrown: the exception address is the throwing call,
    // the first recorded address the return from it.
    const std::uint64_t returnAddress = PackagingScreen().placeInSave();
    input.exception.address = *callInstructionBefore(returnAddress);
    input.threads[0].returnAddresses = {returnAddress, 0x2001};
    addresses.clear();
    for (const StackEntry &entry : buildCallStack(input, resolver, symbols, modules))
        addresses.push_back(entry.address);
    EXPECT_EQ(addresses, (std::vector<std::uint64_t>{input.exception.address, 0x2000}));
}
