#pragma once

#include <QString>

// The logon name of the user running the program; empty when the system
// cannot give it or it does not fit the 50 characters the suite allows.
QString NomeUsuarioWindows();
