// The test program, like Tessarin.exe, loads the window and COM libraries at
// their first call (tsr_delay_load). A first call passes through the delay
// stub and the loader helper and must reach the right function with every
// argument unchanged: integers in registers and on the stack, and on x86_64
// floating-point arguments in xmm0-xmm3, which the helper's own calls may
// change. Each function used here is called nowhere else in the program, so
// the first call made here is the first call of the process.
#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>

#include <gtest/gtest.h>

namespace {

HMODULE ModuleOf(const void* address) {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<const char*>(address), &module);
    return module;
}

// What the program calls VariantTimeToSystemTime through (its import slot).
// Read in a function of its own: the compiler takes imported addresses for
// constants and would reuse a value read before the first call.
__attribute__((noipa)) const void* VariantTimeSlot() { return reinterpret_cast<const void*>(&VariantTimeToSystemTime); }

}  // namespace

TEST(DelayImport, FirstCallBindsTheFunctionInItsLibrary) {
    // Before the first call the slot leads into the program's own stub.
    EXPECT_EQ(GetModuleHandleA(nullptr), ModuleOf(VariantTimeSlot()));
    SYSTEMTIME time = {};
    // 45000.75 days after 30 December 1899 (a double: xmm0 on x86_64).
    ASSERT_TRUE(VariantTimeToSystemTime(45000.75, &time));
    EXPECT_EQ(2023, time.wYear);
    EXPECT_EQ(3, time.wMonth);
    EXPECT_EQ(15, time.wDay);
    EXPECT_EQ(18, time.wHour);
    EXPECT_EQ(0, time.wMinute);
    HMODULE oleaut = GetModuleHandleA("oleaut32.dll");
    ASSERT_NE(nullptr, oleaut);
    EXPECT_EQ(oleaut, ModuleOf(VariantTimeSlot()));
}

TEST(DelayImport, FirstCallKeepsFloatArguments) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, dc);
    FLOAT before = 0, now = 0;
    // The limit is the second argument: xmm1 on x86_64.
    EXPECT_TRUE(SetMiterLimit(dc, 7.5f, &before));
    EXPECT_TRUE(GetMiterLimit(dc, &now));
    EXPECT_FLOAT_EQ(10.0f, before);  // the default of a new DC
    EXPECT_FLOAT_EQ(7.5f, now);
    DeleteDC(dc);
}

TEST(DelayImport, FirstCallKeepsRegisterAndStackArguments) {
    char text[64] = {};
    // Six arguments: four in registers and two on the stack on x86_64, all on
    // the stack on i686.
    int length = wsprintfA(text, "%d %s %d %d", 1, "two", 3, 4);
    EXPECT_STREQ("1 two 3 4", text);
    EXPECT_EQ(9, length);
}

TEST(DelayImport, EachFunctionOfALibraryReachesItself) {
    // Several first calls into one library, each bound through its own slot;
    // a slot bound to its neighbour's name would give other answers.
    BSTR text = SysAllocString(L"four");
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(4u, SysStringLen(text));
    EXPECT_EQ(8u, SysStringByteLen(text));
    BSTR copy = SysAllocStringLen(text, 2);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(2u, SysStringLen(copy));
    EXPECT_EQ(0, lstrcmpW(L"fo", copy));
    SysFreeString(copy);
    SysFreeString(text);
}

TEST(DelayImport, ExportNamesKeepTheirLeadingUnderscore) {
    // comctl32 exports this one as "_TrackMouseEvent": a 32-bit stub that
    // asked for "TrackMouseEvent" found nothing and ended the program.
    TRACKMOUSEEVENT query = {};
    query.cbSize = sizeof query;
    query.dwFlags = TME_QUERY;
    EXPECT_TRUE(_TrackMouseEvent(&query));
    EXPECT_EQ(sizeof query, query.cbSize);
}
