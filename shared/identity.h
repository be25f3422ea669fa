// Who is logged on and which machine this is.
#pragma once

#include <string>
#include <vector>

std::string GetLogonUserName();
// kind 1: hardware address "00-1A-2B-3C-4D-5E"; kind 2: IP address field of
// the last address of the first adapter (16 characters as the system fills it).
std::string GetAdapterAddress(int kind);
// The folder and full path of the running program.
std::string AppFolder();
std::string AppExePath();

// What the identity text is made from: the first adapter the system lists.
struct AdapterIdentity {
    std::vector<unsigned char> HardwareAddress;
    // The adapter's IP address list in the system's order, each entry the
    // fixed 16-character field the system fills (NUL-padded).
    std::vector<std::string> IpAddressFields;
};

// Two upper-case hexadecimal digits a byte, joined by "-".
std::string FormatHardwareAddress(const std::vector<unsigned char>& bytes);
// The answer of GetAdapterAddress for the given adapter and kind; empty text
// for an unknown kind or an adapter without the asked-for address.
std::string AdapterAddressText(const AdapterIdentity& adapter, int kind);
// Removes the trailing spaces and NULs a fixed-size name buffer leaves.
std::string TrimNameBuffer(const std::string& buffer);
