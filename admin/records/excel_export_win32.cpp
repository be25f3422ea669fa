#include "admin/records/excel_export_win32.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include "admin/records/log_files.h"
#include "shared/file_routines.h"
#include "shared/registry_win32.h"

namespace {

// One VARIANT, cleared when it goes.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    explicit Variant(const std::string& ansi) : Variant() {
        const int size = static_cast<int>(ansi.size());
        const int wide = size ? MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0) : 0;
        v_.vt = VT_BSTR;
        v_.bstrVal = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
        if (v_.bstrVal && wide > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, v_.bstrVal, wide);
    }
    explicit Variant(long value) : Variant() {
        v_.vt = VT_I4;
        v_.lVal = value;
    }
    static Variant Bool(bool value) {
        Variant v;
        v.v_.vt = VT_BOOL;
        v.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        return v;
    }
    Variant(Variant&& other) noexcept : v_(other.v_) { other.v_.vt = VT_EMPTY; }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }
    VARIANT* Get() { return &v_; }
    // The object the variant holds, its reference handed to the caller.
    IDispatch* TakeDispatch() {
        if (v_.vt != VT_DISPATCH || !v_.pdispVal) return nullptr;
        IDispatch* object = v_.pdispVal;
        v_.vt = VT_EMPTY;
        return object;
    }

private:
    VARIANT v_;
};

// Holds one automation object.
class Object {
public:
    Object() = default;
    explicit Object(IDispatch* p) : p_(p) {}
    Object(Object&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    Object& operator=(Object&& other) noexcept {
        if (this != &other) {
            if (p_) p_->Release();
            p_ = other.p_;
            other.p_ = nullptr;
        }
        return *this;
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object() {
        if (p_) p_->Release();
    }
    explicit operator bool() const { return p_ != nullptr; }

    // Invokes a member by name; args in the order a caller writes them.
    HRESULT Invoke(WORD kind, const wchar_t* name, std::vector<Variant>* args, VARIANT* result) const {
        if (!p_) return E_POINTER;
        DISPID id = 0;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        HRESULT hr = p_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(hr)) return hr;
        std::vector<VARIANT> reversed;
        for (auto it = args->rbegin(); it != args->rend(); ++it) reversed.push_back(*it->Get());
        DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        DISPID put = DISPID_PROPERTYPUT;
        if (kind == DISPATCH_PROPERTYPUT) {
            params.rgdispidNamedArgs = &put;
            params.cNamedArgs = 1;
        }
        return p_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, nullptr, nullptr);
    }
    Object Get(const wchar_t* name, std::vector<Variant> args = {}) const {
        Variant result;
        if (FAILED(Invoke(DISPATCH_PROPERTYGET | DISPATCH_METHOD, name, &args, result.Get()))) return Object();
        return Object(result.TakeDispatch());
    }
    Object Call(const wchar_t* name) const {
        std::vector<Variant> none;
        Variant result;
        if (FAILED(Invoke(DISPATCH_METHOD, name, &none, result.Get()))) return Object();
        return Object(result.TakeDispatch());
    }
    bool Put(const wchar_t* name, Variant value) const {
        std::vector<Variant> args;
        args.push_back(std::move(value));
        return SUCCEEDED(Invoke(DISPATCH_PROPERTYPUT, name, &args, nullptr));
    }

private:
    IDispatch* p_ = nullptr;
};

// COM on this thread for the length of one export.
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (initialised_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

// A running application, else a new one; empty when neither can be had.
Object AttachOrStart() {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"Excel.Application", &clsid))) return Object();
    IUnknown* running = nullptr;
    if (SUCCEEDED(GetActiveObject(clsid, nullptr, &running)) && running) {
        IDispatch* app = nullptr;
        const HRESULT hr = running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&app));
        running->Release();
        if (SUCCEEDED(hr) && app) return Object(app);
    }
    IDispatch* app = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(&app))))
        return Object();
    return Object(app);
}

// The program's file name without folder and extension.
std::string ProgramName() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = FileNameOf(std::string(path, n));
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

bool IsExcelInstalled() {
    Win32Registry registry;
    return IsExcelRegistered(registry);
}

bool ExportGridToExcel(const std::vector<std::vector<std::string>>& rows, const std::string& title) {
    ComScope com;
    const Object app = AttachOrStart();
    if (!app) return false;
    app.Put(L"Caption", Variant(ProgramName()));
    const Object workbook = app.Get(L"Workbooks").Call(L"Add");
    app.Get(L"ActiveWindow").Put(L"Caption", Variant(title));
    Object sheet = (workbook ? workbook.Get(L"Worksheets") : app.Get(L"Worksheets")).Call(L"Add");
    if (!sheet) sheet = app.Get(L"ActiveSheet");
    sheet.Put(L"Name", Variant(title));  // a name the application refuses stays its own
    app.Put(L"Visible", Variant::Bool(true));
    const char* columns[] = {"A", "B"};
    const long widths[] = {40, 20};
    for (int i = 0; i < 2; ++i) {
        std::vector<Variant> which;
        which.emplace_back(std::string(columns[i]));
        sheet.Get(L"Columns", std::move(which)).Put(L"ColumnWidth", Variant(widths[i]));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            std::vector<Variant> at;
            at.emplace_back(static_cast<long>(r + 1));
            at.emplace_back(static_cast<long>(c + 1));
            sheet.Get(L"Cells", std::move(at)).Put(L"Value", Variant(rows[r][c]));
        }
    }
    return true;
}
