// A small ZIP archive writer (stored entries: the workbook's parts are small
// and a reader needs nothing more), with its own CRC-32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// CRC-32 (the ZIP and PNG one: reflected polynomial 0xEDB88320). Pass the
// previous result as crc to continue over another piece.
std::uint32_t Crc32(const void* data, std::size_t size, std::uint32_t crc = 0);
inline std::uint32_t Crc32(const std::string& bytes, std::uint32_t crc = 0) {
    return Crc32(bytes.data(), bytes.size(), crc);
}

class ZipWriter {
public:
    // Adds an entry (name with "/" between folders). False, adding nothing,
    // when the archive would pass the 4 GiB or 65,535-entry limits of the
    // format without its 64-bit extension.
    bool Add(const std::string& name, const std::string& bytes);
    // The archive: the entries, their central directory and its end record.
    std::string Finish() const;

private:
    struct Entry {
        std::string Name;
        std::uint32_t Crc, Size, Offset;
    };
    std::string data_;  // local headers and contents so far
    std::vector<Entry> entries_;
};
