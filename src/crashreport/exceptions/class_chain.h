#pragma once

// Class name and ancestors of any polymorphic C++ object, read from its
// run-time type information, so that filters can test classes the reporter
// has never heard of.

#include <string>
#include <typeinfo>
#include <vector>

namespace crashnote {

// Demangled name without namespaces or template arguments' namespaces:
// "crashnote::EAbort" gives "EAbort".
std::string shortClassName(const std::type_info &type);

// The class itself first, then its ancestors nearest first (first base of
// each class when there are several).
std::vector<std::string> classChain(const std::type_info &type);

bool classIsOrDescends(const std::type_info &type, const std::string &className);

} // namespace crashnote
