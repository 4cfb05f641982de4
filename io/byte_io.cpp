#include "io/byte_io.h"

#include <algorithm>
#include <cassert>

#include "io/real48.h"

namespace velmora {

// The records have fixed layouts, so running past the end is a programming error.
std::span<uint8_t> ByteWriter::Take(size_t n) {
    assert(n <= out_.size() - pos_);
    auto field = out_.subspan(pos_, n);
    pos_ += n;
    return field;
}

void ByteWriter::U8(uint8_t v) {
    Take(1)[0] = v;
}

void ByteWriter::U16(uint16_t v) {
    auto f = Take(2);
    f[0] = static_cast<uint8_t>(v);
    f[1] = static_cast<uint8_t>(v >> 8);
}

void ByteWriter::U32(uint32_t v) {
    auto f = Take(4);
    for (size_t i = 0; i < 4; ++i) f[i] = static_cast<uint8_t>(v >> (8 * i));
}

void ByteWriter::Bytes(std::span<const uint8_t> block) {
    std::ranges::copy(block, Take(block.size()).begin());
}

void ByteWriter::Real48(double v) {
    Bytes(DoubleToReal48(v));
}

std::span<const uint8_t> ByteReader::Take(size_t n) {
    assert(n <= in_.size() - pos_);
    auto field = in_.subspan(pos_, n);
    pos_ += n;
    return field;
}

uint8_t ByteReader::U8() {
    return Take(1)[0];
}

uint16_t ByteReader::U16() {
    auto f = Take(2);
    return static_cast<uint16_t>(f[0] | (f[1] << 8));
}

uint32_t ByteReader::U32() {
    auto f = Take(4);
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(f[i]) << (8 * i);
    return v;
}

void ByteReader::Bytes(std::span<uint8_t> block) {
    std::ranges::copy(Take(block.size()), block.begin());
}

double ByteReader::Real48() {
    return Real48ToDouble(Take(6).first<6>());
}

}  // namespace velmora
