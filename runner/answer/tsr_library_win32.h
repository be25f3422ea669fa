// The site's optional Tsr.dll beside the program: SaveDoc receives the
// acceptance record, DeclineAction replaces the built-in log-off.
#pragma once

#include <windows.h>

#include <string>

class TsrLibrary {
public:
    explicit TsrLibrary(std::string appFolder);
    ~TsrLibrary();
    TsrLibrary(const TsrLibrary&) = delete;
    TsrLibrary& operator=(const TsrLibrary&) = delete;

    // True when a file named Tsr.dll lies in the program folder.
    bool Present() const;
    // Each answers false when the library cannot be loaded or lacks the
    // function, so the caller falls back to its own behaviour.
    bool SaveDoc(const std::string& recordText);
    bool DeclineAction();

private:
    FARPROC Find(const char* const* names);

    std::string path_;
    HMODULE module_ = nullptr;
    bool loadTried_ = false;
};
