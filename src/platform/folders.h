#pragma once

#include <QString>

// The suite's fixed folder: VELDORIN_DIR, or /opt/veldorin when unset; with a final '/'.
QString veldorinFolder();

// The folder of the running program file, with a final '/'.
QString programFolder();
