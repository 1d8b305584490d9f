#pragma once

// The exception classes the reporter raises and recognises. Their C++ class
// names (without namespace) are the names that filters and reports use, and
// their bases are the ancestors a filter matches.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace crashnote {

// Base of every exception carrying a message of its own.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char *what() const noexcept override { return message_.c_str(); }
    const std::string &message() const { return message_; }
    void setMessage(std::string message) { message_ = std::move(message); }

private:
    std::string message_;
};

#define CRASHNOTE_EXCEPTION(Name, Base)          \
    class Name : public Base {                   \
    public:                                      \
        using Base::Base;                        \
    }

// Silent exception: never reported.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
    using Exception::Exception;
};

CRASHNOTE_EXCEPTION(EConvertError, Exception);
CRASHNOTE_EXCEPTION(EDatabaseError, Exception);
CRASHNOTE_EXCEPTION(EInOutError, Exception);
CRASHNOTE_EXCEPTION(EStreamError, Exception);
CRASHNOTE_EXCEPTION(EReadError, EStreamError);
CRASHNOTE_EXCEPTION(EFCreateError, EStreamError);
CRASHNOTE_EXCEPTION(EFOpenError, EStreamError);

// Failures the processor signalled (fatal signals).
class EExternal : public Exception {
public:
    EExternal(std::string message, std::uint64_t address) : Exception(std::move(message)), address_(address) {}
    std::uint64_t exceptionAddress() const { return address_; }

private:
    std::uint64_t address_;
};

class EAccessViolation : public EExternal {
public:
    EAccessViolation(std::string message, std::uint64_t address, std::uint64_t accessedAddress, bool write)
        : EExternal(std::move(message), address), accessedAddress_(accessedAddress), write_(write)
    {
    }
    std::uint64_t accessedAddress() const { return accessedAddress_; }
    bool isWrite() const { return write_; }

private:
    std::uint64_t accessedAddress_;
    bool write_;
};

CRASHNOTE_EXCEPTION(EIntError, EExternal);
CRASHNOTE_EXCEPTION(EDivByZero, EIntError);
CRASHNOTE_EXCEPTION(EIntOverflow, EIntError);
CRASHNOTE_EXCEPTION(EMathError, EExternal);
CRASHNOTE_EXCEPTION(EZeroDivide, EMathError);
CRASHNOTE_EXCEPTION(EInvalidOp, EMathError);
CRASHNOTE_EXCEPTION(EOverflow, EMathError);
CRASHNOTE_EXCEPTION(EUnderflow, EMathError);
CRASHNOTE_EXCEPTION(EPrivilege, EExternal);

// The reporter's own exceptions.
CRASHNOTE_EXCEPTION(ECrashNote, Exception);
CRASHNOTE_EXCEPTION(CrashNoteNotPresent, ECrashNote);
CRASHNOTE_EXCEPTION(ECrashNoteCritical, ECrashNote);
CRASHNOTE_EXCEPTION(EFrozenApplication, ECrashNote);
CRASHNOTE_EXCEPTION(EMemoryLeak, ECrashNote);
CRASHNOTE_EXCEPTION(EMultiFree, ECrashNote);
CRASHNOTE_EXCEPTION(EMemoryOverrun, ECrashNote);
CRASHNOTE_EXCEPTION(EProcNull, ECrashNote);
CRASHNOTE_EXCEPTION(EHookingError, ECrashNote);
CRASHNOTE_EXCEPTION(ESharedArea, ECrashNote);
CRASHNOTE_EXCEPTION(ECrashNoteSocketError, ECrashNote);

#undef CRASHNOTE_EXCEPTION

} // namespace crashnote
