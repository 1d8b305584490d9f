#pragma once

#include "report_builder.h"

// A database error on the main thread of a console build with one worker
// thread; its report text is known byte for byte.
crashnote::report::ReportInput sampleInput();
crashnote::report::ReportFacts sampleFacts();
