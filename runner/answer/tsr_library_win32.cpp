#include "runner/answer/tsr_library_win32.h"

#include "shared/file_routines.h"

namespace {

// A Visual Basic era library exports __stdcall functions, undecorated or
// with their decorated names; a 64-bit build has no decoration at all.
const char* const kSaveDocNames[] = {"SaveDoc", "_SaveDoc@4", "SaveDoc@4", nullptr};
const char* const kDeclineNames[] = {"DeclineAction", "_DeclineAction@0", "DeclineAction@0", nullptr};

using SaveDocProc = long(__stdcall*)(const char*);
using DeclineActionProc = long(__stdcall*)();

}  // namespace

TsrLibrary::TsrLibrary(std::string appFolder) : path_(JoinPath(appFolder, "Tsr.dll")) {}

TsrLibrary::~TsrLibrary() {
    if (module_) FreeLibrary(module_);
}

bool TsrLibrary::Present() const { return FileExists(path_); }

FARPROC TsrLibrary::Find(const char* const* names) {
    if (!Present()) return nullptr;
    if (!loadTried_) {
        loadTried_ = true;
        // Loaded by full path: only the library beside the program counts.
        const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        module_ = LoadLibraryA(path_.c_str());
        SetErrorMode(oldMode);
    }
    if (!module_) return nullptr;
    for (; *names; ++names) {
        if (FARPROC proc = GetProcAddress(module_, *names)) return proc;
    }
    return nullptr;
}

bool TsrLibrary::SaveDoc(const std::string& recordText) {
    auto proc = reinterpret_cast<SaveDocProc>(reinterpret_cast<void*>(Find(kSaveDocNames)));
    if (!proc) return false;
    proc(recordText.c_str());
    return true;
}

bool TsrLibrary::DeclineAction() {
    auto proc = reinterpret_cast<DeclineActionProc>(reinterpret_cast<void*>(Find(kDeclineNames)));
    if (!proc) return false;
    proc();
    return true;
}
