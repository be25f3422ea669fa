// Late loading of ole32 and oleaut32.
#include "shared/docview/ole_runtime_win32.h"

#include <vector>

namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *function != nullptr;
}

OleRuntime* LoadOnce() {
    static OleRuntime runtime;
    HMODULE ole32 = LoadLibraryA("ole32.dll");
    HMODULE oleaut32 = LoadLibraryA("oleaut32.dll");
    if (!ole32 || !oleaut32) return nullptr;
    bool ok = Resolve(ole32, "OleInitialize", &runtime.OleInitialize) &&
              Resolve(ole32, "CoCreateInstance", &runtime.CoCreateInstance) &&
              Resolve(oleaut32, "SysAllocString", &runtime.SysAllocString) &&
              Resolve(oleaut32, "SysFreeString", &runtime.SysFreeString) &&
              Resolve(oleaut32, "SysStringLen", &runtime.SysStringLen) &&
              Resolve(oleaut32, "VariantInit", &runtime.VariantInit) &&
              Resolve(oleaut32, "VariantClear", &runtime.VariantClear);
    if (!ok) return nullptr;
    // S_FALSE (already initialised) is fine; a different threading model is not.
    if (FAILED(runtime.OleInitialize(nullptr))) return nullptr;
    return &runtime;
}

}  // namespace

const OleRuntime* LoadOleRuntime() {
    static const OleRuntime* runtime = LoadOnce();
    return runtime;
}

std::string WideToAnsi(const wchar_t* text, int length) {
    if (!text || length <= 0) return std::string();
    int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &out[0], n, nullptr, nullptr);
    return out;
}

OwnedBstr::OwnedBstr(const OleRuntime& ole, const std::string& ansi) : ole_(ole) {
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), n);
    bstr_ = ole_.SysAllocString(wide.data());
}

OwnedBstr::~OwnedBstr() {
    if (bstr_) ole_.SysFreeString(bstr_);
}

std::string OwnedBstr::Ansi() const {
    if (!bstr_) return std::string();
    return WideToAnsi(bstr_, static_cast<int>(ole_.SysStringLen(bstr_)));
}
