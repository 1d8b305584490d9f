#include "options_codec.h"

#include "byte_stream.h"
#include "option_fields.h"

#include <stdexcept>
#include <type_traits>

namespace crashnote {

namespace {

constexpr std::uint32_t kOptionsMagic = 0x504F4E43; // "CNOP"
constexpr std::uint16_t kOptionsFormat = 1;

// Text options are not kept in clear inside the program file.
std::string scramble(std::string s)
{
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char>(static_cast<unsigned char>(s[i]) ^ static_cast<unsigned char>(0xA5 + 7 * i));
    return s;
}

struct Writer {
    ByteWriter &w;
    template <typename T>
    void field(const char *, const T &v)
    {
        if constexpr (std::is_same_v<T, bool>)
            w.u8(v ? 1 : 0);
        else if constexpr (std::is_same_v<T, std::string>)
            w.str(scramble(v));
        else if constexpr (sizeof(T) == 1)
            w.u8(static_cast<std::uint8_t>(v));
        else if constexpr (sizeof(T) == 2)
            w.u16(static_cast<std::uint16_t>(v));
        else if constexpr (sizeof(T) == 4)
            w.u32(static_cast<std::uint32_t>(v));
        else
            w.u64(static_cast<std::uint64_t>(v));
    }
    void filters(const char *, const std::vector<TCrashNoteExceptionFilter> &list)
    {
        w.u32(static_cast<std::uint32_t>(list.size()));
        for (const auto &f : list) {
            field("", f.active);
            field("", f.exceptionClass);
            field("", f.message);
            w.u8(f.kind);
            w.u8(f.dialog);
            w.u8(f.handler);
            w.u8(f.action);
        }
    }
    void texts(const char *, const MessageTexts &t)
    {
        w.u32(kMessageTextCount);
        for (const auto &s : t)
            field("", s);
    }
};

struct Reader {
    ByteReader &r;
    template <typename T>
    void field(const char *, T &v)
    {
        if constexpr (std::is_same_v<T, bool>)
            v = r.u8() != 0;
        else if constexpr (std::is_same_v<T, std::string>)
            v = scramble(r.str());
        else if constexpr (sizeof(T) == 1)
            v = static_cast<T>(r.u8());
        else if constexpr (sizeof(T) == 2)
            v = static_cast<T>(r.u16());
        else if constexpr (sizeof(T) == 4)
            v = static_cast<T>(r.u32());
        else
            v = static_cast<T>(r.u64());
    }
    void filters(const char *, std::vector<TCrashNoteExceptionFilter> &list)
    {
        std::uint32_t count = r.u32();
        // Each filter takes at least 13 bytes: refuse counts the record cannot hold.
        if (count > r.remaining() / 13)
            throw TruncatedData();
        list.assign(count, {});
        for (auto &f : list) {
            field("", f.active);
            field("", f.exceptionClass);
            field("", f.message);
            f.kind = r.u8();
            f.dialog = r.u8();
            f.handler = r.u8();
            f.action = r.u8();
        }
    }
    void texts(const char *, MessageTexts &t)
    {
        std::uint32_t count = r.u32();
        if (count > r.remaining() / 4)
            throw TruncatedData();
        for (std::uint32_t i = 0; i < count; ++i) {
            std::string s;
            field("", s);
            if (i < t.size())
                t[i] = std::move(s);
        }
    }
};

} // namespace

std::vector<std::uint8_t> encodeOptions(const OptionValues &values)
{
    ByteWriter w;
    w.u32(kOptionsMagic);
    w.u16(kOptionsFormat);
    visitOptionFields(Writer{w}, values);
    return std::move(w.bytes());
}

OptionValues decodeOptions(std::span<const std::uint8_t> bytes)
{
    ByteReader r(bytes);
    if (r.u32() != kOptionsMagic || r.u16() != kOptionsFormat)
        throw std::runtime_error("not an options record");
    OptionValues values;
    visitOptionFields(Reader{r}, values);
    return values;
}

} // namespace crashnote
