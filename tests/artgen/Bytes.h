#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Little-endian field access over a file's bytes, checked against the end.
class Bytes {
public:
    explicit Bytes(std::vector<std::uint8_t> data) : data_(std::move(data)) {}
    static Bytes load(const std::string& path);

    std::size_t size() const { return data_.size(); }
    std::uint8_t u8(std::size_t at) const;
    std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(u8(at) | u8(at + 1) << 8); }
    std::uint32_t u32(std::size_t at) const {
        return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
    const std::vector<std::uint8_t>& data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
};
