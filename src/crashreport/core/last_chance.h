#pragma once

// The last-chance handler: an exception that nothing catches ends in
// std::terminate, with the raising thread's stack still in place.

#include <exception>

namespace crashnote {

void installLastChanceHandler();
void removeLastChanceHandler();

// Processes an exception that nothing caught, once.
void processUncaught(std::exception_ptr exception);

} // namespace crashnote
