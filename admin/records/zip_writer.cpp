#include "admin/records/zip_writer.h"

#include <array>

namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void Put16(std::string* out, std::uint32_t value) {
    out->push_back(static_cast<char>(value & 0xFF));
    out->push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string* out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Entries carry 1 January 1980, 00:00 (the format's first day): the same
// workbook gives the same bytes, and no reader looks at the dates.
constexpr std::uint32_t kDosTime = 0;
constexpr std::uint32_t kDosDate = (0 << 9) | (1 << 5) | 1;
constexpr std::uint32_t kVersionNeeded = 10;  // 1.0: stored entries
constexpr std::uint32_t kVersionMadeBy = 20;
constexpr std::uint64_t kMaxOffset = 0xFFFFFFFFu;

}  // namespace

std::uint32_t Crc32(const void* data, std::size_t size, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    const auto* bytes = static_cast<const unsigned char*>(data);
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

bool ZipWriter::Add(const std::string& name, const std::string& bytes) {
    const std::uint64_t end = data_.size() + 30 + name.size() + bytes.size();
    if (entries_.size() >= 0xFFFF || name.size() > 0xFFFF || end > kMaxOffset) return false;
    const Entry entry{name, Crc32(bytes), static_cast<std::uint32_t>(bytes.size()),
                      static_cast<std::uint32_t>(data_.size())};
    Put32(&data_, 0x04034B50);  // local file header
    Put16(&data_, kVersionNeeded);
    Put16(&data_, 0);  // flags
    Put16(&data_, 0);  // stored
    Put16(&data_, kDosTime);
    Put16(&data_, kDosDate);
    Put32(&data_, entry.Crc);
    Put32(&data_, entry.Size);  // compressed size
    Put32(&data_, entry.Size);
    Put16(&data_, static_cast<std::uint32_t>(name.size()));
    Put16(&data_, 0);  // extra field
    data_ += name;
    data_ += bytes;
    entries_.push_back(entry);
    return true;
}

std::string ZipWriter::Finish() const {
    std::string directory;
    for (const Entry& e : entries_) {
        Put32(&directory, 0x02014B50);  // central directory header
        Put16(&directory, kVersionMadeBy);
        Put16(&directory, kVersionNeeded);
        Put16(&directory, 0);
        Put16(&directory, 0);
        Put16(&directory, kDosTime);
        Put16(&directory, kDosDate);
        Put32(&directory, e.Crc);
        Put32(&directory, e.Size);
        Put32(&directory, e.Size);
        Put16(&directory, static_cast<std::uint32_t>(e.Name.size()));
        Put16(&directory, 0);  // extra field
        Put16(&directory, 0);  // comment
        Put16(&directory, 0);  // disk
        Put16(&directory, 0);  // internal attributes
        Put32(&directory, 0);  // external attributes
        Put32(&directory, e.Offset);
        directory += e.Name;
    }
    std::string archive = data_ + directory;
    Put32(&archive, 0x06054B50);  // end of central directory
    Put16(&archive, 0);
    Put16(&archive, 0);
    Put16(&archive, static_cast<std::uint32_t>(entries_.size()));
    Put16(&archive, static_cast<std::uint32_t>(entries_.size()));
    Put32(&archive, static_cast<std::uint32_t>(directory.size()));
    Put32(&archive, static_cast<std::uint32_t>(data_.size()));
    Put16(&archive, 0);  // comment
    return archive;
}
