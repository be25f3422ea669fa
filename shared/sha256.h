// SHA-256 of a byte string, as lower-case hexadecimal text: the fingerprint
// of a declaration document (which version a user accepted).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Sha256 {
public:
    Sha256();
    void Add(const void* data, std::size_t size);
    // The digest as 64 hexadecimal digits; the object is spent afterwards.
    std::string HexDigest();

private:
    void Block(const unsigned char* block);

    std::uint32_t state_[8];
    unsigned char buffer_[64];
    std::size_t buffered_ = 0;
    std::uint64_t length_ = 0;  // bytes added
};

std::string Sha256Hex(const std::string& bytes);
// The fingerprint of a file read in one pass; empty when it cannot be read.
std::string FileSha256Hex(const std::string& path);
