#pragma once

// The reporter's numbered message texts: captions, labels and messages.

#include <array>
#include <string>

namespace crashnote {

inline constexpr int kMessageTextCount = 158;
using MessageTexts = std::array<std::string, kMessageTextCount>;

// Slots named by the code that shows them.
enum MessageSlot : int {
    msgInformation = 0,
    msgQuestion = 1,
    msgError = 2,
    msgDialogCaption = 3,
    msgErrorOccurred = 4,
    msgLeakCaption = 105,
    msgLeakSize = 108,
    msgLeakCount = 109,
    msgMultiFree = 154,
    msgMemoryOverrun = 155,
    msgFrozen = 156,
};

const MessageTexts &defaultMessageTexts();

} // namespace crashnote
