#pragma once

// Little-endian writer and bounds-checked reader for the reporter's binary
// records (configuration block, options, debug data).

#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace crashnote {

// Thrown by ByteReader when a record ends before its fields do.
class TruncatedData : public std::runtime_error {
public:
    TruncatedData() : std::runtime_error("truncated data") {}
};

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void u64(std::uint64_t v) { put(v, 8); }
    void f64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        u64(bits);
    }
    void str(const std::string &s)
    {
        u32(static_cast<std::uint32_t>(s.size()));
        raw(s.data(), s.size());
    }
    void raw(const void *data, std::size_t size)
    {
        auto p = static_cast<const std::uint8_t *>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void raw(std::span<const std::uint8_t> data) { raw(data.data(), data.size()); }
    std::vector<std::uint8_t> &bytes() { return bytes_; }

private:
    void put(std::uint64_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint8_t u8() { return static_cast<std::uint8_t>(get(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(get(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(get(4)); }
    std::uint64_t u64() { return get(8); }
    double f64()
    {
        std::uint64_t bits = u64();
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    std::string str()
    {
        auto bytes = take(u32());
        return std::string(bytes.begin(), bytes.end());
    }
    std::span<const std::uint8_t> take(std::size_t size)
    {
        if (size > remaining())
            throw TruncatedData();
        auto part = data_.subspan(pos_, size);
        pos_ += size;
        return part;
    }
    std::span<const std::uint8_t> rest() { return take(remaining()); }
    std::size_t remaining() const { return data_.size() - pos_; }
    std::size_t position() const { return pos_; }

private:
    std::uint64_t get(int width)
    {
        auto bytes = take(static_cast<std::size_t>(width));
        std::uint64_t v = 0;
        for (int i = 0; i < width; ++i)
            v |= std::uint64_t(bytes[static_cast<std::size_t>(i)]) << (8 * i);
        return v;
    }
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

} // namespace crashnote
