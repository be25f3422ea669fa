#include "shared/identity.h"

std::string FormatHardwareAddress(const std::vector<unsigned char>& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) text += '-';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

std::string AdapterAddressText(const AdapterIdentity& adapter, int kind) {
    if (kind == 1) return FormatHardwareAddress(adapter.HardwareAddress);
    if (kind == 2 && !adapter.IpAddressFields.empty()) return adapter.IpAddressFields.back();
    return std::string();
}

std::string TrimNameBuffer(const std::string& buffer) {
    std::string text = buffer.substr(0, buffer.find('\0'));
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}
