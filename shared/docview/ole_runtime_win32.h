// The OLE and automation functions the browser host needs, taken from
// ole32.dll and oleaut32.dll on first use: importing those libraries would
// cost every start of the programs, also the many that show no document.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

struct OleRuntime {
    HRESULT(WINAPI* OleInitialize)(LPVOID) = nullptr;
    HRESULT(WINAPI* CoCreateInstance)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*) = nullptr;
    BSTR(WINAPI* SysAllocString)(const OLECHAR*) = nullptr;
    void(WINAPI* SysFreeString)(BSTR) = nullptr;
    UINT(WINAPI* SysStringLen)(BSTR) = nullptr;
    void(WINAPI* VariantInit)(VARIANTARG*) = nullptr;
    HRESULT(WINAPI* VariantClear)(VARIANTARG*) = nullptr;
};

// The loaded functions with OLE initialised on this thread, or null when the
// libraries or any function are missing. Loaded once per process.
const OleRuntime* LoadOleRuntime();

// Owns a BSTR made by the runtime.
class OwnedBstr {
public:
    OwnedBstr(const OleRuntime& ole, const std::string& ansi);
    explicit OwnedBstr(const OleRuntime& ole) : ole_(ole) {}
    ~OwnedBstr();
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;
    BSTR Get() const { return bstr_; }
    BSTR* Out() { return &bstr_; }
    std::string Ansi() const;

private:
    const OleRuntime& ole_;
    BSTR bstr_ = nullptr;
};

std::string WideToAnsi(const wchar_t* text, int length);

// Holds one COM reference and releases it.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    void Reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    Interface* Get() const { return p_; }
    Interface* operator->() const { return p_; }
    Interface** Out() {
        Reset();
        return &p_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

private:
    Interface* p_ = nullptr;
};
