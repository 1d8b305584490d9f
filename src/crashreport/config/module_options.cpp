#include "module_options.h"

#include "byte_stream.h"
#include "options_codec.h"
#include "crashreport/exceptions/exceptions.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace crashnote {

void TCrashNoteModuleOptions::changed()
{
    if (onChange_)
        onChange_();
}

void TCrashNoteModuleOptions::endUpdate()
{
    if (updateDepth_ > 0 && --updateDepth_ == 0)
        changed();
}

void TCrashNoteModuleOptions::setActive(bool on)
{
    update([on](OptionValues &v) { v.active = on; });
}

void TCrashNoteModuleOptions::setFreezeDetection(bool on)
{
    update([on](OptionValues &v) { v.freezeDetection = on; });
}

void TCrashNoteModuleOptions::assign(const TCrashNoteModuleOptions *source)
{
    if (!source)
        throw EConvertError("Impossible to assign nil as TCrashNoteModuleOptions.");
    if (source == this)
        return;
    update([source](OptionValues &v) { v = source->values_; });
}

void TCrashNoteModuleOptions::reset()
{
    update([](OptionValues &v) { v = OptionValues{}; });
}

void TCrashNoteModuleOptions::saveToStream(std::ostream &out) const
{
    ByteWriter w;
    auto record = encodeOptions(values_);
    w.u32(static_cast<std::uint32_t>(record.size()));
    w.raw(record);
    out.write(reinterpret_cast<const char *>(w.bytes().data()), static_cast<std::streamsize>(w.bytes().size()));
    if (!out)
        throw EInOutError("Cannot write the options.");
}

void TCrashNoteModuleOptions::loadFromStream(std::istream &in)
{
    unsigned char sizeBytes[4];
    if (!in.read(reinterpret_cast<char *>(sizeBytes), 4))
        throw EReadError("Cannot read the options.");
    std::uint32_t size = ByteReader(sizeBytes).u32();
    std::vector<std::uint8_t> record(size);
    if (!in.read(reinterpret_cast<char *>(record.data()), size))
        throw EReadError("Cannot read the options.");
    OptionValues loaded;
    try {
        loaded = decodeOptions(record);
    } catch (const std::exception &) {
        throw EReadError("Cannot read the options.");
    }
    update([&loaded](OptionValues &v) { v = std::move(loaded); });
}

void TCrashNoteModuleOptions::saveToFile(const std::string &path) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EFCreateError("Cannot create file \"" + path + "\".");
    saveToStream(out);
}

void TCrashNoteModuleOptions::loadFromFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EFOpenError("Cannot open file \"" + path + "\".");
    loadFromStream(in);
}

} // namespace crashnote
