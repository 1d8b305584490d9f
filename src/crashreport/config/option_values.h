#pragma once

// Every reporter option with its default.

#include "exception_filter.h"
#include "message_texts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace crashnote {

inline constexpr std::uint64_t kAllGeneralSections = (std::uint64_t(1) << 48) - 1;

struct OptionValues {
    bool active = true;
    bool freezeDetection = false;
    std::uint32_t freezeTimeout = 60;           // seconds
    std::uint8_t dialogKind = 2;                // 0 none, 1 message box, 2 classic, 3 detailed
    std::uint8_t firstDialogPage = 0;
    bool filtersOn = true;
    std::vector<TCrashNoteExceptionFilter> filters;
    bool saveToLog = true;
    std::int32_t logEntriesKept = 32;           // -1: no limit
    std::uint8_t reportFlags = 0x30;
    std::uint64_t generalSectionMask = kAllGeneralSections;
    std::uint8_t stackFlags = 0x0F;
    std::uint16_t threadFlags = 0x58;
    std::uint8_t terminateChoice = 2;           // 1 end, 2 restart
    std::uint32_t terminateThreshold = 3;
    std::uint8_t crashRateOperation = 2;        // 0 none, 1 terminate, 2 restart
    std::uint32_t crashRateCount = 10;
    std::uint32_t crashRateMinutes = 1;
    std::uint16_t dialogFlags = 0x18F;
    std::uint32_t dialogAutoClose = 0;          // seconds, 0 never
    std::uint8_t emailMode = 0;
    std::uint8_t webMode = 0;
    std::uint16_t sendFlags = 0x51;
    std::string senderAddress = "crashnote@localhost";
    std::string emailRecipients;
    std::string emailSubject;
    std::string emailBody;
    bool reportInEmailBody = false;
    std::string smtpHost;
    std::string smtpUser;
    std::string smtpPassword;
    std::uint16_t smtpPort = 25;
    std::string proxyHost;
    std::string proxyUser;
    std::string proxyPassword;
    std::uint16_t proxyPort = 8080;
    std::string webAddress;
    std::string webUser;
    std::string webPassword;
    std::uint32_t webPort = 0;
    std::string trackerUser;
    std::string trackerPassword;
    std::string trackerAssignee;
    std::string trackerProject;
    std::string trackerCategory;
    std::string trackerId;
    std::string zipPassword;
    std::string attachedFiles;
    std::string supportPage;
    std::string webPageTemplate =
        "<html>\r\n<head><title>Error</title></head>\r\n<body>\r\n<%HTML_TAG%>\r\n</body>\r\n</html>";
    std::string logFileName;
    std::string language = "English";
    MessageTexts messageTexts = defaultMessageTexts();

    bool operator==(const OptionValues &) const = default;
};

// Bits of the flag options that the reporter itself tests.
namespace flags {
inline constexpr std::uint8_t reportNoDuplicates = 0x01;
inline constexpr std::uint8_t reportAskSteps = 0x02;
inline constexpr std::uint8_t reportDeleteLogOnNewVersion = 0x04;
inline constexpr std::uint8_t stackOtherThreads = 0x04;
inline constexpr std::uint8_t stackOtherSystemThreads = 0x08;
inline constexpr std::uint16_t threadSuspendOthers = 0x01;
inline constexpr std::uint16_t threadNeverSuspendMain = 0x02;
inline constexpr std::uint16_t threadSuspendSystemThreads = 0x04;
inline constexpr std::uint16_t threadUseProgramOptions = 0x08;
inline constexpr std::uint16_t threadProcessSafeCall = 0x40;
inline constexpr std::uint16_t threadStandardHandlingAfter = 0x80;
inline constexpr std::uint16_t sendScreenshot = 0x10;
inline constexpr std::uint64_t generalCustomSection = std::uint64_t(1) << 47;
} // namespace flags

} // namespace crashnote
