#pragma once

// The steps of processing that belong to the report text and log, the
// dialogs, sending and the program's windows. Each has a default that works
// without windows; the report, dialog and sending parts replace them.

#include "processing_context.h"

#include <functional>
#include <memory>

namespace crashnote {

class ReportSteps {
public:
    virtual ~ReportSteps() = default;
    // Builds the call stacks (with the bug identifier), the module and
    // process lists and the text; fills record.reportText and record.bugId.
    virtual void buildReport(ProcessingContext &context);
    virtual bool isDuplicate(ProcessingContext &) { return false; }
    virtual void addCustomSection(ProcessingContext &) {}
    virtual void deleteLogOnVersionChange(ProcessingContext &) {}
    // Throws on failure; the caller turns it into a warning.
    virtual void saveToLog(ProcessingContext &) {}
};

class DialogSteps {
public:
    virtual ~DialogSteps() = default;
    // Shows the dialog of the kind (1 message box, 2 classic, 3 detailed);
    // the default writes message text 4, a blank line and the report to
    // standard output, as console programs do.
    virtual void showDialog(ProcessingContext &context, std::uint8_t kind);
    virtual void requestStepsToReproduce(ProcessingContext &) {}
    virtual void copyToClipboard(const std::string &) {}
};

class SendSteps {
public:
    virtual ~SendSteps() = default;
    virtual void captureScreen(ProcessingContext &) {}
    virtual void writeScreenshot(ProcessingContext &) {}
    virtual void freeScreenshot() {}
    // Returns whether every configured delivery succeeded.
    virtual bool send(ProcessingContext &) { return false; }
};

// What the reporter needs of the program's GUI, when there is one.
class HostHooks {
public:
    virtual ~HostHooks() = default;
    virtual bool hasGui() const { return false; }
    virtual bool isGuiThread() const { return false; }
    // Called by the waiting GUI thread while a dialog is open.
    virtual void dispatchPendingEvents() {}
    virtual bool dialogOpen() const { return false; }
    virtual void bringMainWindowToFront() {}
};

struct ProcessingSteps {
    std::shared_ptr<ReportSteps> report = std::make_shared<ReportSteps>();
    std::shared_ptr<DialogSteps> dialogs = std::make_shared<DialogSteps>();
    std::shared_ptr<SendSteps> sending = std::make_shared<SendSteps>();
    std::shared_ptr<HostHooks> host = std::make_shared<HostHooks>();
};

ProcessingSteps processingSteps();
void setProcessingSteps(ProcessingSteps steps);

} // namespace crashnote
