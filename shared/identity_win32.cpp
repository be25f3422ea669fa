#include "shared/identity.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include "shared/file_routines.h"
#include "shared/win32/handles.h"

namespace {

using GetAdaptersInfoFn = DWORD(WINAPI*)(PIP_ADAPTER_INFO, PULONG);

// The first adapter the system lists, or false when the list cannot be had.
// iphlpapi is loaded here rather than imported: the programs' start path
// must not pay for it.
bool ReadFirstAdapter(AdapterIdentity* adapter) {
    LibraryHandle library(LoadLibraryA("iphlpapi.dll"));
    if (!library.Valid()) return false;
    auto getAdaptersInfo =
        reinterpret_cast<GetAdaptersInfoFn>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "GetAdaptersInfo")));
    if (!getAdaptersInfo) return false;

    ULONG size = 0;
    if (getAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) return false;
    std::string buffer(size, '\0');
    auto* list = reinterpret_cast<PIP_ADAPTER_INFO>(&buffer[0]);
    if (getAdaptersInfo(list, &size) != ERROR_SUCCESS) return false;

    UINT length = list->AddressLength;
    if (length > sizeof list->Address) length = sizeof list->Address;
    adapter->HardwareAddress.assign(list->Address, list->Address + length);
    for (const IP_ADDR_STRING* ip = &list->IpAddressList; ip; ip = ip->Next)
        adapter->IpAddressFields.emplace_back(ip->IpAddress.String, sizeof ip->IpAddress.String);
    return true;
}

}  // namespace

std::string GetLogonUserName() {
    char buffer[256] = {};
    DWORD size = 255;
    if (!GetUserNameA(buffer, &size)) return std::string();
    return TrimNameBuffer(std::string(buffer, sizeof buffer));
}

std::string GetAdapterAddress(int kind) {
    AdapterIdentity adapter;
    if (!ReadFirstAdapter(&adapter)) return std::string();
    return AdapterAddressText(adapter, kind);
}

std::string AppExePath() {
    char buffer[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (n == 0 || n >= sizeof buffer) return std::string();
    return std::string(buffer, n);
}

std::string AppFolder() { return FolderOf(AppExePath()); }
