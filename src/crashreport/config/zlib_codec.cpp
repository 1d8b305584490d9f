#include "zlib_codec.h"

#include <stdexcept>
#include <zlib.h>

namespace crashnote {

std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), 9) != Z_OK)
        throw std::runtime_error("zlib compression failed");
    out.resize(size);
    return out;
}

std::vector<std::uint8_t> zlibDecompress(std::span<const std::uint8_t> data, std::size_t maxSize)
{
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw std::runtime_error("zlib initialisation failed");
    zs.next_in = const_cast<Bytef *>(data.data());
    zs.avail_in = static_cast<uInt>(data.size());
    std::vector<std::uint8_t> out;
    std::uint8_t chunk[16384];
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        zs.next_out = chunk;
        zs.avail_out = sizeof chunk;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) {
            inflateEnd(&zs);
            throw std::runtime_error("damaged zlib stream");
        }
        out.insert(out.end(), chunk, chunk + (sizeof chunk - zs.avail_out));
        if (out.size() > maxSize || (rc == Z_OK && zs.avail_in == 0 && zs.avail_out != 0)) {
            inflateEnd(&zs);
            throw std::runtime_error("damaged zlib stream");
        }
    }
    inflateEnd(&zs);
    return out;
}

} // namespace crashnote
