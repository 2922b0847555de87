#include "Bytes.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

Bytes Bytes::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return Bytes(
        std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

std::uint8_t Bytes::u8(std::size_t at) const {
    if (at >= data_.size())
        throw std::out_of_range("read past the end of the file");
    return data_[at];
}
