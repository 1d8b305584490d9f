#pragma once

// The one list of option fields, in record order, with the names used in
// options files. Every encoding of the options walks this list, so adding an
// option means adding one line here.

#include "option_values.h"

namespace crashnote {

template <typename Visitor, typename Values>
void visitOptionFields(Visitor &&v, Values &o)
{
    v.field("Active", o.active);
    v.field("FreezeDetection", o.freezeDetection);
    v.field("FreezeTimeout", o.freezeTimeout);
    v.field("DialogKind", o.dialogKind);
    v.field("FirstDialogPage", o.firstDialogPage);
    v.field("FiltersOn", o.filtersOn);
    v.filters("Filter", o.filters);
    v.field("SaveToLog", o.saveToLog);
    v.field("LogEntriesKept", o.logEntriesKept);
    v.field("ReportFlags", o.reportFlags);
    v.field("GeneralSectionMask", o.generalSectionMask);
    v.field("StackFlags", o.stackFlags);
    v.field("ThreadFlags", o.threadFlags);
    v.field("TerminateChoice", o.terminateChoice);
    v.field("TerminateThreshold", o.terminateThreshold);
    v.field("CrashRateOperation", o.crashRateOperation);
    v.field("CrashRateCount", o.crashRateCount);
    v.field("CrashRateMinutes", o.crashRateMinutes);
    v.field("DialogFlags", o.dialogFlags);
    v.field("DialogAutoClose", o.dialogAutoClose);
    v.field("EmailMode", o.emailMode);
    v.field("WebMode", o.webMode);
    v.field("SendFlags", o.sendFlags);
    v.field("SenderAddress", o.senderAddress);
    v.field("EmailRecipients", o.emailRecipients);
    v.field("EmailSubject", o.emailSubject);
    v.field("EmailBody", o.emailBody);
    v.field("ReportInEmailBody", o.reportInEmailBody);
    v.field("SmtpHost", o.smtpHost);
    v.field("SmtpUser", o.smtpUser);
    v.field("SmtpPassword", o.smtpPassword);
    v.field("SmtpPort", o.smtpPort);
    v.field("ProxyHost", o.proxyHost);
    v.field("ProxyUser", o.proxyUser);
    v.field("ProxyPassword", o.proxyPassword);
    v.field("ProxyPort", o.proxyPort);
    v.field("WebAddress", o.webAddress);
    v.field("WebUser", o.webUser);
    v.field("WebPassword", o.webPassword);
    v.field("WebPort", o.webPort);
    v.field("TrackerUser", o.trackerUser);
    v.field("TrackerPassword", o.trackerPassword);
    v.field("TrackerAssignee", o.trackerAssignee);
    v.field("TrackerProject", o.trackerProject);
    v.field("TrackerCategory", o.trackerCategory);
    v.field("TrackerId", o.trackerId);
    v.field("ZipPassword", o.zipPassword);
    v.field("AttachedFiles", o.attachedFiles);
    v.field("SupportPage", o.supportPage);
    v.field("WebPageTemplate", o.webPageTemplate);
    v.field("LogFileName", o.logFileName);
    v.field("Language", o.language);
    v.texts("MessageText", o.messageTexts);
}

} // namespace crashnote
