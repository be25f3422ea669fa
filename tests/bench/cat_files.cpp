// The yardstick for the records bench: what `cat FOLDER\* > OUT` does, as a
// minimal Windows program: list the folder's files, read each whole, append
// it to one output file. Prints the time it took in microseconds.
//   cat_files FOLDER OUT
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shared/win32/handles.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: cat_files FOLDER OUT\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string folder = argv[1];
    FileHandle out(CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.Valid()) return 1;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileA((folder + "\\*").c_str(), &found));
    if (!search.Valid()) return 1;
    std::vector<char> buffer(64 * 1024);
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        FileHandle in(CreateFileA((folder + "\\" + found.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD read = 0, written = 0;
        while (in.Valid() && ReadFile(in.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) &&
               read > 0) {
            if (!WriteFile(out.Get(), buffer.data(), read, &written, nullptr) || written != read) return 1;
        }
    } while (FindNextFileA(search.Get(), &found));
    const auto took = std::chrono::steady_clock::now() - start;
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
    return 0;
}
