#include "processing_steps.h"

#include "built_report_steps.h"

#include "crashreport/config/message_texts.h"

#include <cstdio>
#include <mutex>

namespace crashnote {

namespace {
std::mutex stepsMutex;
ProcessingSteps &currentSteps()
{
    static ProcessingSteps steps = [] {
        ProcessingSteps defaults;
        defaults.report = std::make_shared<BuiltReportSteps>();
        return defaults;
    }();
    return steps;
}
} // namespace

std::string ProcessingContext::dialogMessage() const
{
    return customMessage.empty() ? exception.message.value_or("") : customMessage;
}

void ReportSteps::buildReport(ProcessingContext &context)
{
    // A short report for programs that replace the report builder.
    const CaughtException &e = context.exception;
    char address[24];
    std::snprintf(address, sizeof address, "%016llX", static_cast<unsigned long long>(e.address));
    context.record.reportText = "CrashNote 6.0.6\r\n\r\nType: " +
                                (e.className.empty() ? std::string("Unknown exception type") : e.className) +
                                "\r\nMessage: " + e.message.value_or("Unknown error message.") +
                                "\r\nAddress: " + address + "\r\nThread: " + std::to_string(e.threadId) + "\r\n";
}

void DialogSteps::showDialog(ProcessingContext &context, std::uint8_t)
{
    const std::string &intro = context.options.messageTexts[msgErrorOccurred];
    std::string text = intro + "\r\n\r\n" + context.record.reportText;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

ProcessingSteps processingSteps()
{
    std::lock_guard lock(stepsMutex);
    return currentSteps();
}

void setProcessingSteps(ProcessingSteps steps)
{
    std::lock_guard lock(stepsMutex);
    currentSteps() = std::move(steps);
}

} // namespace crashnote
