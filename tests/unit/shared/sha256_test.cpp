#include "shared/sha256.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(Sha256, KnownDigestsAndPiecewiseInput) {
    // Published test vectors, and lengths around the padding boundary.
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    const std::string text(200, 'x');
    for (std::size_t split : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 199u}) {
        Sha256 hash;
        hash.Add(text.data(), split);
        hash.Add(text.data() + split, text.size() - split);
        EXPECT_EQ(hash.HexDigest(), Sha256Hex(text)) << split;
    }
    TempFolder folder;
    folder.Write("doc.html", "abc");
    EXPECT_EQ(FileSha256Hex(folder.File("doc.html")), Sha256Hex("abc"));
    EXPECT_EQ(FileSha256Hex(folder.File("missing.html")), "");
}

// The processor's SHA instructions (where it has them) and the portable
// rounds agree for every length around the block and padding edges.
TEST(Sha256, ProcessorRoundsMatchThePortableOnes) {
    std::string bytes;
    for (int i = 0; i < 70000; ++i) bytes += static_cast<char>((i * 131 + i / 7) & 0xFF);
    for (std::size_t length : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 127u, 128u, 1000u, 69999u}) {
        Sha256 fast, portable(false);
        fast.Add(bytes.data(), length);
        portable.Add(bytes.data(), length);
        EXPECT_EQ(fast.HexDigest(), portable.HexDigest()) << length;
    }
}
