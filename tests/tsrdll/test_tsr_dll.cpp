// A stand-in for a site's Tsr.dll: every call is appended to "TsrDll.log"
// beside the library, so scenarios can see what the program handed over.
#include <windows.h>

#include <string>

namespace {

HMODULE g_self = nullptr;

void Append(const std::string& text) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(g_self, path, MAX_PATH);
    std::string log(path, length);
    log = log.substr(0, log.find_last_of("\\/") + 1) + "TsrDll.log";
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

// With a module-definition file the exports come from there alone.
#ifdef TSR_DEF_EXPORTS
#define TSR_EXPORT
#else
#define TSR_EXPORT __declspec(dllexport)
#endif

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_self = instance;
    return TRUE;
}

TSR_EXPORT long __stdcall SaveDoc(const char* text) {
    Append(std::string("SaveDoc[") + (text ? text : "") + "]\r\n");
    return 1;
}

#ifndef TSR_WITHOUT_DECLINE
TSR_EXPORT long __stdcall DeclineAction() {
    Append("DeclineAction\r\n");
    return 1;
}
#endif
}
