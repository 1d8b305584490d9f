#pragma once

#include <exception>
#include <QString>

// The readable class name of a failure ("EDatabaseError", "std::runtime_error"),
// shown to users after "Classe: " and used by the failure handlers.
QString exceptionClassName(const std::exception &failure);
