// Fuzz target: the configuration block readers and the decoders behind them
// must refuse any input without crashing or reading out of bounds.

#include "crashreport/config/config_block.h"
#include "crashreport/config/debug_data.h"
#include "crashreport/config/options_codec.h"
#include "crashreport/config/program_block.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::span<const std::uint8_t> input(data, size);
    crashnote::readSectionBlock(input, [] { return std::optional<std::string>(); });
    crashnote::readTrailerBlock(input);
    crashnote::readBlockFromImage(input);
    // The decoders throw on bad input by design; the readers above catch.
    try {
        crashnote::DebugData::decode(input);
    } catch (const std::exception &) {
    }
    try {
        crashnote::decodeOptions(input);
    } catch (const std::exception &) {
    }
    return 0;
}
