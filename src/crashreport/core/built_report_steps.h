#pragma once

// The report and log steps of processing, done by the report builder and
// the log file.

#include "processing_steps.h"

namespace crashnote {

class BuiltReportSteps : public ReportSteps {
public:
    void buildReport(ProcessingContext &context) override;
    bool isDuplicate(ProcessingContext &context) override;
    void addCustomSection(ProcessingContext &context) override;
    void deleteLogOnVersionChange(ProcessingContext &context) override;
    void saveToLog(ProcessingContext &context) override;
};

} // namespace crashnote
