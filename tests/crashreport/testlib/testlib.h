#pragma once

// A library that carries a crash reporter of its own, as a plug-in would.

extern "C" {
// Starts the library's reporter and creates its component.
void testlib_start();
// Raises an exception from inside the library.
void testlib_raise();
// Hands a caught exception to the library's own ExceptionManager.
bool testlib_report_caught();
}
