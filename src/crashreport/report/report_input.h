#pragma once

// Everything the bug report builder needs to know about one exception.
// Plain data: the reporter core fills it, the builder only reads it.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace crashnote::report {

// General-purpose registers of a stopped thread (x86-64), as read from its
// signal context.
struct CpuContext {
    std::uint64_t rax = 0, rbx = 0, rcx = 0, rdx = 0;
    std::uint64_t rsi = 0, rdi = 0, rbp = 0, rsp = 0;
    std::uint64_t r8 = 0, r9 = 0, r10 = 0, r11 = 0;
    std::uint64_t r12 = 0, r13 = 0, r14 = 0, r15 = 0;
    std::uint64_t rip = 0;
};

// One thread whose calls go into the call-stack table.
struct ThreadInput {
    std::uint64_t threadId = 0;      // kernel thread id (gettid)
    QString className;               // class of the framework thread object; empty when none
    std::optional<int> priority;     // unknown priority is written as "??"
    bool isMainThread = false;
    bool createdByProgram = true;    // false for threads of libraries and the system
    std::optional<CpuContext> context;        // registers when the thread was stopped
    std::vector<std::uint64_t> returnAddresses; // calls recorded earlier (e.g. at throw); used instead of walking
    std::vector<std::uint64_t> creationStack;   // calls that created this thread (return addresses)
};

// Where a module-relative address lies in the source, as the configuration
// block's debug data tells it.
struct SourcePosition {
    QString unit;
    QString className;
    QString routine;
    std::uint32_t line = 0;
    std::uint32_t lineOffset = 0;
};

// Debug data of the configuration block, filled by the core. Consulted first,
// before the module's own symbols and DWARF.
class BlockDebugData {
public:
    virtual ~BlockDebugData() = default;
    virtual std::optional<SourcePosition> find(const QString &modulePath,
                                               std::uint64_t moduleOffset) const = 0;
};

// What the user saw on screen when the exception was raised; read on the
// raising thread before processing starts.
struct ActiveControls {
    QString formClass;
    QString formText;
    QString controlClass;
    QString controlText;       // already masked with "*" for password fields
};

// The screen the program shows on; filled from the GUI, absent in console programs.
struct DisplayInfo {
    int width = 0;
    int height = 0;
    int depth = 0;
    int dpi = 0;
};

struct AccessViolation {
    std::uint64_t accessedAddress = 0;
    bool write = false;
};

struct ExceptionInput {
    QString className;                     // empty: not an object, "Unknown exception type"
    std::optional<QString> message;        // nullopt: not a std::exception, "Unknown error message."
    std::optional<AccessViolation> accessViolation; // set for SIGSEGV/SIGBUS with a fault address
    std::uint64_t address = 0;
    std::uint64_t threadId = 0;
    QDateTime time;                        // when the exception was taken
};

struct ApplicationInput {
    QDateTime startTime;
    QString programPath;                   // empty: /proc/self/exe
    QString description;
    QString version;                       // the program's own version from the build
    QStringList parameters;                // command-line parameters after the program name
    std::optional<QDateTime> compilationDateUtc; // from the configuration block
};

struct ReportOptions {
    std::uint64_t generalSectionMask = (std::uint64_t(1) << 48) - 1;
    std::uint8_t reportFlags = 0x30;
    std::uint8_t stackFlags = 0x0F;
    // The 158 message texts of the active options; slots missing here use
    // their defaults.
    QStringList messageTexts;
};

struct ReportInput {
    ExceptionInput exception;
    ApplicationInput application;
    ReportOptions options;
    // In any order; the one whose id is exception.threadId is the exception
    // thread, the others are listed as the stack flags say.
    std::vector<ThreadInput> threads;
    std::optional<CpuContext> exceptionContext; // registers of the failing thread
    std::optional<ActiveControls> activeControls; // nullopt in console programs
    std::optional<DisplayInfo> display;
    QString userEmail;
    QString stepsToReproduce;
    QStringList customData;                // "name=value" lines from the custom-data handlers
    std::shared_ptr<const BlockDebugData> blockDebugData; // may be null
};

} // namespace crashnote::report
