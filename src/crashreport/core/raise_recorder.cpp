#include "raise_recorder.h"

#include "interception_state.h"
#include "real_functions.h"

#include <array>
#include <dlfcn.h>
#include <execinfo.h>

extern "C" void CrashNote_CallGeneralRaise(std::uint32_t, std::uint32_t, std::uint32_t, void *,
                                           const std::uintptr_t *);

namespace crashnote {

namespace {

constexpr int kMaxFrames = 64;
constexpr int kRing = 4;

struct RawRaise {
    const void *object = nullptr;
    std::uint64_t address = 0;
    int frames = 0;
    void *stack[kMaxFrames];
};

struct RaiseRing {
    std::array<RawRaise, kRing> entries;
    unsigned next = 0;
};

thread_local RaiseRing ring;

} // namespace

GeneralRaiseRecorder programGeneralRaise()
{
    static const GeneralRaiseRecorder recorder = []() -> GeneralRaiseRecorder {
        using Entry = void (*)(std::uint32_t, std::uint32_t, std::uint32_t, void *, const std::uintptr_t *);
        void *program = ::dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD);
        if (!program)
            return nullptr;
        static Entry entry = reinterpret_cast<Entry>(::dlsym(program, "CrashNote_CallGeneralRaise"));
        ::dlclose(program);
        // In the program file itself the entry point is our own.
        if (!entry || entry == &CrashNote_CallGeneralRaise)
            return nullptr;
        return [](const void *object, std::uint64_t address) {
            const std::uintptr_t arguments[2] = {reinterpret_cast<std::uintptr_t>(object), address};
            entry(0x0EEDFADE, 0, 2, nullptr, arguments);
        };
    }();
    return recorder;
}

void recordRaise(const void *object, std::uint64_t address)
{
    RawRaise &slot = ring.entries[ring.next++ % kRing];
    slot.object = object;
    slot.address = address;
    slot.frames = ::backtrace(slot.stack, kMaxFrames);
}

std::optional<RaiseRecord> findRaise(const void *object)
{
    for (unsigned i = 0; i < kRing; ++i) {
        const RawRaise &slot = ring.entries[(ring.next - 1 - i) % kRing];
        if (slot.object == object && object) {
            RaiseRecord record;
            record.object = object;
            record.address = slot.address;
            // The calls start at the raiser: drop the frames of the raise hook.
            int first = 0;
            for (int f = 0; f < slot.frames; ++f)
                if (reinterpret_cast<std::uint64_t>(slot.stack[f]) == slot.address + 5)
                    first = f;
            for (int f = first; f < slot.frames; ++f)
                record.stack.push_back(reinterpret_cast<std::uint64_t>(slot.stack[f]));
            return record;
        }
    }
    return std::nullopt;
}

std::vector<std::uint64_t> captureStack(int skip)
{
    void *frames[kMaxFrames];
    int count = ::backtrace(frames, kMaxFrames);
    std::vector<std::uint64_t> stack;
    for (int i = skip + 1; i < count; ++i)
        stack.push_back(reinterpret_cast<std::uint64_t>(frames[i]));
    return stack;
}

void prepareStackCapture()
{
    void *frame[1];
    ::backtrace(frame, 1);
}

} // namespace crashnote

// Referenced by the link options so that this file is linked in even when
// another library (a sanitizer) already offers __cxa_throw.
extern "C" const int crashnote_raise_recorder = 1;

// Every C++ raise passes here: record where it came from, then raise.
extern "C" [[noreturn]] void __cxa_throw(void *object, void *type, void (*destructor)(void *))
{
    if (!crashnote::InsideReporter::active()) {
        // The call instruction is 5 bytes before the return address.
        auto address = reinterpret_cast<std::uint64_t>(__builtin_return_address(0)) - 5;
        if (crashnote::isIntercepting())
            crashnote::recordRaise(object, address);
        else if (auto programRecorder = crashnote::programGeneralRaise())
            // A library's reporter hands its raises to the program's.
            programRecorder(object, address);
    }
    crashnote::realCxaThrow()(object, type, destructor);
    __builtin_unreachable();
}
