#include "exception_class.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

QString exceptionClassName(const std::exception &failure) {
  const char *mangled = typeid(failure).name();
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> readable(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                       &std::free);
  return QString::fromLatin1(status == 0 && readable ? readable.get() : mangled);
}
