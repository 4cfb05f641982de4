#include "io/byte_io.h"

#include <gtest/gtest.h>

#include <array>

namespace velmora {
namespace {

TEST(ByteIo, IntegersAreLittleEndianAndReadBackAsWritten) {
    std::array<uint8_t, 17> bytes{};
    ByteWriter out(bytes);
    out.U16(0x1234);
    out.U32(0xA1B2C3D4);
    out.I32(-2);
    out.Bool(true);
    out.Real48(-1.5);
    EXPECT_EQ(out.Position(), bytes.size());
    const std::array<uint8_t, 17> expected = {0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0xFE, 0xFF, 0xFF,
                                              0xFF, 0x01, 0x81, 0x00, 0x00, 0x00, 0x00, 0xC0};
    EXPECT_EQ(bytes, expected);

    ByteReader in(bytes);
    EXPECT_EQ(in.U16(), 0x1234);
    EXPECT_EQ(in.U32(), 0xA1B2C3D4u);
    EXPECT_EQ(in.I32(), -2);
    EXPECT_TRUE(in.Bool());
    EXPECT_EQ(in.Real48(), -1.5);
    EXPECT_EQ(in.Position(), bytes.size());
}

TEST(ByteIo, AnyNonzeroBooleanByteReadsAsTrue) {
    const std::array<uint8_t, 3> bytes = {0, 1, 0xC7};
    ByteReader in(bytes);
    EXPECT_FALSE(in.Bool());
    EXPECT_TRUE(in.Bool());
    EXPECT_TRUE(in.Bool());
}

}  // namespace
}  // namespace velmora
