#pragma once

#include "layout/general_sections.h"
#include "report_input.h"
#include "sections/exception_facts.h"
#include "system/system_values.h"

#include <QString>

#include <vector>

namespace crashnote::report {

// Sections 1 to 7 with every item in place; the general section mask and the
// kind of program decide which items are visible.
std::vector<GeneralSection> generalSections(const ReportInput &input, const SystemValues &system,
                                            const ExceptionFacts &facts);

// The custom-data and steps-to-reproduce sections (both numbered 8), each
// only when it has something to show.
std::vector<GeneralSection> extraSections(const ReportInput &input);

// Mask bit that switches the custom section on.
constexpr int customSectionMaskBit = 47;

} // namespace crashnote::report
