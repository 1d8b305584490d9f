#pragma once

// The failures the test program raises on request.

#include <string>

namespace testprog {

// Raises the named failure on the calling thread. Returns false for an
// unknown name.
bool raiseFailure(const std::string &kind);

// The routine whose debug data the tests look up.
void knownRoutine();

} // namespace testprog
