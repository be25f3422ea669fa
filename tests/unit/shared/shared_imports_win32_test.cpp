// The declaration program must start as fast as a trivial program, so no
// code linked here may import the heavy system libraries; they are loaded on
// first use instead. This reads the import table of the running test program.
#include <windows.h>

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "shared/text_routines.h"

namespace {

std::set<std::string> ImportedLibraries() {
    auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::set<std::string> names;
    if (dir.VirtualAddress == 0) return names;
    auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
    for (; entry->Name != 0; ++entry) names.insert(ToLower(reinterpret_cast<const char*>(base + entry->Name)));
    return names;
}

}  // namespace

TEST(StartCost, NoHeavyLibraryIsImported) {
    std::set<std::string> imported = ImportedLibraries();
    ASSERT_TRUE(imported.count("kernel32.dll"));
    for (const char* heavy : {"ole32.dll", "oleaut32.dll", "comctl32.dll", "shell32.dll", "iphlpapi.dll"})
        EXPECT_FALSE(imported.count(heavy)) << heavy;
}
