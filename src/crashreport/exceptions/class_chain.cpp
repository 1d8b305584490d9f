#include "class_chain.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace crashnote {

std::string shortClassName(const std::type_info &type)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    std::string name = status == 0 && demangled ? demangled.get() : type.name();
    // Drop the namespace of the outermost name only ("a::b::C<x::Y>" -> "C<x::Y>").
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c == '<' || c == '(')
            ++depth;
        else if (c == '>' || c == ')')
            --depth;
        else if (depth == 0 && c == ':' && i + 1 < name.size() && name[i + 1] == ':')
            start = i + 2;
    }
    return name.substr(start);
}

std::vector<std::string> classChain(const std::type_info &type)
{
    std::vector<std::string> chain;
    const std::type_info *current = &type;
    while (current) {
        chain.push_back(shortClassName(*current));
        if (auto si = dynamic_cast<const abi::__si_class_type_info *>(current))
            current = si->__base_type;
        else if (auto vmi = dynamic_cast<const abi::__vmi_class_type_info *>(current))
            current = vmi->__base_count > 0 ? vmi->__base_info[0].__base_type : nullptr;
        else
            current = nullptr;
    }
    return chain;
}

bool classIsOrDescends(const std::type_info &type, const std::string &className)
{
    for (const auto &name : classChain(type))
        if (name == className)
            return true;
    return false;
}

} // namespace crashnote
