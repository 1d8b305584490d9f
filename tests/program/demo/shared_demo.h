#pragma once

#include "demo_size.h"

#include <QString>

// Copies a finished demo of `size` into `folder`. The demo itself is made once
// per build of the tests and kept in the build tree for every test process.
void copySharedDemo(const demo::DemoSize &size, const QString &folder);
