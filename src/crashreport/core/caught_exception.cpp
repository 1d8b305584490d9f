#include "caught_exception.h"

#include "crashreport/exceptions/class_chain.h"
#include "crashreport/exceptions/exceptions.h"

#include <cxxabi.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace crashnote {

namespace {

void describeObject(CaughtException &e, const std::type_info &type, const std::exception *object)
{
    e.classChain = classChain(type);
    e.className = e.classChain.empty() ? std::string() : e.classChain.front();
    if (object)
        e.message = object->what();
    if (auto external = dynamic_cast<const EExternal *>(object))
        e.address = external->exceptionAddress();
    if (auto violation = dynamic_cast<const EAccessViolation *>(object)) {
        e.accessedAddress = violation->accessedAddress();
        e.writeAccess = violation->isWrite();
    }
}

} // namespace

bool CaughtException::descendsFrom(const std::string &name) const
{
    for (const auto &c : classChain)
        if (c == name)
            return true;
    return false;
}

const void *CaughtException::identity() const
{
    if (made)
        return made.get();
    // libstdc++ keeps the thrown object's address as the only member.
    static_assert(sizeof(std::exception_ptr) == sizeof(void *));
    const void *address;
    __builtin_memcpy(&address, &object, sizeof address);
    return address;
}

CaughtException describeException(std::exception_ptr ptr)
{
    CaughtException e;
    e.object = ptr;
    e.threadId = currentThreadId();
    if (!ptr)
        return e;
    try {
        std::rethrow_exception(ptr);
    } catch (const std::exception &object) {
        describeObject(e, typeid(object), &object);
    } catch (...) {
        if (const std::type_info *type = abi::__cxa_current_exception_type()) {
            // Only class types are objects; a thrown int has no class name.
            if (dynamic_cast<const abi::__class_type_info *>(type))
                describeObject(e, *type, nullptr);
        }
    }
    return e;
}

CaughtException describeMadeException(std::shared_ptr<const std::exception> object)
{
    CaughtException e;
    e.made = object;
    e.threadId = currentThreadId();
    describeObject(e, typeid(*object), object.get());
    return e;
}

std::uint64_t currentThreadId() { return static_cast<std::uint64_t>(::syscall(SYS_gettid)); }

} // namespace crashnote
