#pragma once
// Field-by-field access to the fixed binary records of the options file and the
// saved-game file: little-endian integers, one-byte booleans, raw byte blocks and
// 6-byte reals, written and read in order at a running position. Records are
// never copied as C++ structs, so the layout stays the file's whatever the
// compiler does with padding or byte order.

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmora {

class ByteWriter {
  public:
    explicit ByteWriter(std::span<uint8_t> out) : out_(out) {}

    void U8(uint8_t v);
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bool(bool v) { U8(v ? 1 : 0); }
    void Bytes(std::span<const uint8_t> block);
    void Real48(double v);

    size_t Position() const { return pos_; }

  private:
    std::span<uint8_t> Take(size_t n);
    std::span<uint8_t> out_;
    size_t pos_ = 0;
};

class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> in) : in_(in) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    // Any byte other than 0 reads as true.
    bool Bool() { return U8() != 0; }
    void Bytes(std::span<uint8_t> block);
    double Real48();

    size_t Position() const { return pos_; }

  private:
    std::span<const uint8_t> Take(size_t n);
    std::span<const uint8_t> in_;
    size_t pos_ = 0;
};

}  // namespace velmora
