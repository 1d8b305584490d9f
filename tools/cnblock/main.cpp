// cnblock: writes the crash reporter's configuration block into a linked
// program, with its options from an options file and its debug data taken
// from the program's DWARF.
//
//   cnblock --options FILE [--form section|trailer] [--password TEXT]
//           [--leak-flags N] [--no-debug-data] [--objcopy PATH] PROGRAM

#include "block_attach.h"
#include "dwarf_debug_data.h"

#include "crashreport/config/config_block.h"
#include "crashreport/config/options_text.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: cnblock --options FILE [--form section|trailer] [--password TEXT]\n"
                 "               [--leak-flags N] [--no-debug-data] [--objcopy PATH] PROGRAM\n";
    return 2;
}

// Days since 1899-12-30 in UTC, the block's date unit.
double nowAsBlockDate()
{
    using namespace std::chrono;
    double unixDays = duration<double>(system_clock::now().time_since_epoch()).count() / 86400.0;
    return unixDays + 25569.0;
}

} // namespace

int main(int argc, char **argv)
{
    std::string optionsFile, form = "section", password, objcopy = "objcopy", program;
    int leakFlags = 0;
    bool debugData = true;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--options")
            optionsFile = next();
        else if (arg == "--form")
            form = next();
        else if (arg == "--password")
            password = next();
        else if (arg == "--leak-flags")
            leakFlags = std::stoi(next());
        else if (arg == "--no-debug-data")
            debugData = false;
        else if (arg == "--objcopy")
            objcopy = next();
        else if (!arg.starts_with("--") && program.empty())
            program = arg;
        else
            return usage();
    }
    if (optionsFile.empty() || program.empty() || (form != "section" && form != "trailer"))
        return usage();

    try {
        std::ifstream in(optionsFile);
        if (!in)
            throw std::runtime_error("cannot read " + optionsFile);
        std::stringstream text;
        text << in.rdbuf();

        crashnote::ConfigBlock block;
        block.options = crashnote::parseOptionsText(text.str());
        block.compilationDate = nowAsBlockDate();
        block.leakFlags = static_cast<std::uint8_t>(leakFlags);
        if (debugData)
            block.debugData = cnblock::extractDebugData(program).encode();

        if (form == "section")
            cnblock::attachAsSection(program, crashnote::writeSectionBlock(block, password), objcopy);
        else
            cnblock::attachAsTrailer(program, crashnote::writeTrailerBlock(block));
    } catch (const crashnote::OptionsTextError &e) {
        std::cerr << "cnblock: " << optionsFile << ": " << e.what() << "\n";
        return 1;
    } catch (const std::exception &e) {
        std::cerr << "cnblock: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
