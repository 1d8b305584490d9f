// Runs the fuzz target over seeded mutations of valid blocks, so that every
// build exercises it without a fuzzing engine.
//
//   crashnote_block_fuzz_driver [iterations]

#include "crashreport/config/config_block.h"
#include "crashreport/config/debug_data.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

std::vector<std::vector<std::uint8_t>> seeds()
{
    crashnote::ConfigBlock block;
    block.options.filters.push_back({true, "EDatabaseError", "m", 0, 1, 2, 0});
    crashnote::DebugData debug;
    debug.units = {"unit.cpp"};
    debug.routines = {{0x10, 0x20, "Routine", "Class", 0, 3}};
    debug.lines = {{0x10, 3, 0}, {0x18, 4, 0}};
    block.debugData = debug.encode();
    std::vector<std::uint8_t> image(64, 0);
    auto trailer = crashnote::writeTrailerBlock(block);
    image.insert(image.end(), trailer.begin(), trailer.end());
    return {crashnote::writeSectionBlock(block), crashnote::writeSectionBlock(block, "pw"), image, block.debugData};
}

} // namespace

int main(int argc, char **argv)
{
    long iterations = argc > 1 ? std::atol(argv[1]) : 20000;
    std::mt19937 random(20240131);
    auto corpus = seeds();
    for (long i = 0; i < iterations; ++i) {
        std::vector<std::uint8_t> input = corpus[static_cast<std::size_t>(i) % corpus.size()];
        int mutations = 1 + static_cast<int>(random() % 8);
        for (int m = 0; m < mutations && !input.empty(); ++m) {
            std::size_t at = random() % input.size();
            switch (random() % 5) {
            case 0:
                input[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
                break;
            case 1:
                input[at] = static_cast<std::uint8_t>(random());
                break;
            case 2:
                input.resize(at);
                break;
            case 3:
                input.insert(input.begin() + static_cast<long>(at), static_cast<std::uint8_t>(random()));
                break;
            default:
                // Large length words are the classic way to overrun a reader.
                for (std::size_t k = at; k < input.size() && k < at + 4; ++k)
                    input[k] = 0xFF;
                break;
            }
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%ld passed, 0 failed\n", iterations);
    return 0;
}
