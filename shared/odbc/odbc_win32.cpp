#include "shared/odbc/odbc_win32.h"

namespace {

template <class Proc>
bool Find(HMODULE library, Proc* proc, const char* name) {
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return *proc != nullptr;
}

DWORD WINAPI RunWork(void* parameter) {
    auto* work = static_cast<std::shared_ptr<OdbcWork>*>(parameter);
    (*work)->Run();
    delete work;
    return 0;
}

}  // namespace

bool OdbcApi::Load() {
    if (Library.Valid()) return true;
    Library.Reset(LoadLibraryA("odbc32.dll"));
    HMODULE lib = Library.Get();
    return Library.Valid() && Find(lib, &AllocHandle, "SQLAllocHandle") && Find(lib, &FreeHandle, "SQLFreeHandle") &&
           Find(lib, &SetEnvAttr, "SQLSetEnvAttr") && Find(lib, &SetConnectAttr, "SQLSetConnectAttr") &&
           Find(lib, &DriverConnect, "SQLDriverConnect") && Find(lib, &Disconnect, "SQLDisconnect") &&
           Find(lib, &GetInfo, "SQLGetInfo") && Find(lib, &ExecDirect, "SQLExecDirect") &&
           Find(lib, &Prepare, "SQLPrepare") && Find(lib, &BindParameter, "SQLBindParameter") &&
           Find(lib, &Execute, "SQLExecute") && Find(lib, &Fetch, "SQLFetch") && Find(lib, &GetData, "SQLGetData") &&
           Find(lib, &GetDiagRec, "SQLGetDiagRec") && Find(lib, &FreeStmt, "SQLFreeStmt");
}

std::wstring OdbcWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
    return wide;
}

std::string OdbcNarrow(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size =
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0], size, nullptr, nullptr);
    return narrow;
}

std::string OdbcDiagnostic(const OdbcApi& api, const OdbcHandle& handle, std::string* state) {
    if (!handle.Get() || !api.GetDiagRec) return std::string();
    SQLCHAR code[6] = {};
    SQLINTEGER native = 0;
    SQLCHAR message[1024] = {};
    SQLSMALLINT length = 0;
    if (!OdbcOk(api.GetDiagRec(handle.Kind(), handle.Get(), 1, code, &native, message, sizeof message, &length)))
        return std::string();
    const std::string codeText = reinterpret_cast<char*>(code);
    if (state) *state = codeText;
    return "[" + codeText + "] " + reinterpret_cast<char*>(message);
}

OdbcConnection::~OdbcConnection() {
    if (connected_) api_.Disconnect(dbc_.Get());
}

bool OdbcConnection::Connect(const std::string& connectionString, unsigned loginSeconds, std::string* error) {
    if (!env_.Alloc(SQL_NULL_HANDLE)) return false;
    api_.SetEnvAttr(env_.Get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!dbc_.Alloc(env_.Get())) return false;
    api_.SetConnectAttr(dbc_.Get(), SQL_ATTR_LOGIN_TIMEOUT,
                        reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginSeconds)), 0);
    std::string in = connectionString;
    SQLCHAR out[1024];
    SQLSMALLINT outLength = 0;
    connected_ = OdbcOk(api_.DriverConnect(dbc_.Get(), nullptr, reinterpret_cast<SQLCHAR*>(&in[0]),
                                           static_cast<SQLSMALLINT>(in.size()), out, sizeof out, &outLength,
                                           SQL_DRIVER_NOPROMPT));
    if (!connected_ && error) *error = OdbcDiagnostic(api_, dbc_);
    return connected_;
}

std::string OdbcConnection::Info(SQLUSMALLINT what) const {
    char text[256] = {};
    SQLSMALLINT length = 0;
    if (!OdbcOk(api_.GetInfo(dbc_.Get(), what, text, sizeof text, &length))) return std::string();
    return text;
}

bool RunWithinLimit(const std::shared_ptr<OdbcWork>& work, DWORD waitMs) {
    auto* held = new std::shared_ptr<OdbcWork>(work);
    KernelHandle thread(CreateThread(nullptr, 0, RunWork, held, 0, nullptr));
    if (!thread.Valid()) {
        delete held;
        return false;
    }
    return WaitForSingleObject(thread.Get(), waitMs) == WAIT_OBJECT_0;
}
