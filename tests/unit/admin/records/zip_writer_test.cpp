// CRC-32 against published check values (the archive itself is read back by
// an outside reader in tests/tools/workbook_test.sh).
#include "admin/records/zip_writer.h"

#include <gtest/gtest.h>

TEST(ZipCrc32, KnownValues) {
    const struct {
        std::string Bytes;
        std::uint32_t Crc;
    } cases[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"abc", 0x352441C2u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
        {std::string(1, '\0'), 0xD202EF8Du},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Crc, Crc32(c.Bytes)) << c.Bytes;
    // In two pieces, carried over: the same value.
    EXPECT_EQ(0xCBF43926u, Crc32(std::string("6789"), Crc32(std::string("12345"))));
}
