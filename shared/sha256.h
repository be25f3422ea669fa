// SHA-256 of a byte string, as lower-case hexadecimal text: the fingerprint
// of a declaration document (which version a user accepted).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Sha256 {
public:
    // useCpuExtensions: the processor's SHA instructions where it has them
    // (false: the portable rounds alone, for comparison).
    explicit Sha256(bool useCpuExtensions = true);
    void Add(const void* data, std::size_t size);
    // The digest as 64 hexadecimal digits; the object is spent afterwards.
    std::string HexDigest();

private:
    void Block(const unsigned char* block);
    void Blocks(const unsigned char* data, std::size_t count);

    std::uint32_t state_[8];
    unsigned char buffer_[64];
    std::size_t buffered_ = 0;
    std::uint64_t length_ = 0;  // bytes added
    bool cpuExtensions_ = false;
};

std::string Sha256Hex(const std::string& bytes);
// The fingerprint of a file read in one pass; empty when it cannot be read.
std::string FileSha256Hex(const std::string& path);
