#include "setup/kelvane_system_win32.h"

#include <windows.h>

#include "shared/file_routines.h"
#include "shared/identity.h"
#include "shared/win32/handles.h"

namespace {

std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    const DWORD n =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (n && buffer) text.assign(buffer, n);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty()) text = "Error " + std::to_string(code);
    return text;
}

}  // namespace

bool UnattendedRequested() {
    char value[8] = {};
    const DWORD n = GetEnvironmentVariableA("TSR_UNATTENDED", value, sizeof value);
    return n > 0 && n < sizeof value && value[0] == '1' && value[1] == '\0';
}

std::string Win32KelvaneSystem::LogonUserName() { return GetLogonUserName(); }

std::string Win32KelvaneSystem::NowText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[128] = {};
    char time[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof time);
    return std::string(date) + " " + time;
}

bool Win32KelvaneSystem::FindsOrdinaryFile(const std::string& path) {
    if (path.empty() || IsDeviceName(path)) return false;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileA(path.c_str(), &found));
    if (!search.Valid()) return false;
    const DWORD excluded =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & excluded) == 0;
}

bool Win32KelvaneSystem::WriteLineFile(const std::string& path, const std::string& text, std::string* errorText) {
    const std::string line = text + "\r\n";
    if (IsDeviceName(path)) {
        // A device would take (or hold up) the line instead of a file.
        *errorText = SystemErrorText(ERROR_INVALID_NAME);
        return false;
    }
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.Valid() || !WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
        written != line.size()) {
        *errorText = SystemErrorText(GetLastError());
        return false;
    }
    if (!file.Reset()) {
        *errorText = SystemErrorText(GetLastError());
        return false;
    }
    return true;
}

bool Win32KelvaneSystem::CanShowMessages() {
    if (UnattendedRequested()) return false;
    // A service or a scheduled task without a logged-on desktop runs in an
    // invisible window station: a box there would wait for ever.
    HWINSTA station = GetProcessWindowStation();
    if (!station) return false;
    USEROBJECTFLAGS flags = {};
    DWORD needed = 0;
    if (!GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, &needed)) return true;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

void Win32KelvaneSystem::ShowInformation(const std::string& title, const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

void Win32KelvaneSystem::ShowCritical(const std::string& title, const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}
