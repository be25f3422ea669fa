// The lockdown's Win32 side under Wine: Task Manager windows found and
// closed by title, the policy value, and the crash guard that undoes it all.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runner/lockdown/lockdown_win32.h"
#include "runner/lockdown/system_keys_win32.h"
#include "runner/lockdown/task_manager_policy.h"
#include "runner/lockdown/window_finder_win32.h"
#include "shared/file_routines.h"
#include "shared/registry_win32.h"

namespace {

const char kPolicyKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

std::string Policy() {
    Win32Registry registry;
    return RegQueryString(registry, kHkeyCurrentUser, kPolicyKey, "DisableTaskMgr");
}

bool PolicyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kPolicyKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const bool found = RegQueryValueExA(key, "DisableTaskMgr", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

HWND TopWindow(const char* title) {
    HWND window = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    return window;
}

TEST(LockdownWin32, ClosesWholeTitlesOnlyAndSetsThePolicy) {
    HWND notes = TopWindow("My Task Manager notes");
    HWND upper = TopWindow("TASK MANAGER");
    HWND windows = TopWindow("Windows Task Manager");
    ASSERT_TRUE(notes && upper && windows);
    EXPECT_EQ(FindWindowLike("task manager", false), upper);
    EXPECT_EQ(FindWindowLike("task manager", true), nullptr);

    Win32Registry registry;
    CloseTaskManager(registry, false);  // looks, but closes nothing
    EXPECT_TRUE(IsWindow(upper));
    EXPECT_FALSE(PolicyExists());

    CloseTaskManager(registry, true);
    EXPECT_FALSE(IsWindow(upper));
    EXPECT_FALSE(IsWindow(windows));
    EXPECT_TRUE(IsWindow(notes));
    EXPECT_EQ(Policy(), "1");
    // A search that finds nothing answers 0 after one that found a window.
    EXPECT_EQ(FindWindowLike("TASK MANAGER", false), nullptr);
    DestroyWindow(notes);

    ReleaseLockdown(registry);
    EXPECT_FALSE(PolicyExists());
}

TEST(LockdownWin32, CrashGuardUndoesThePolicyAndTheShortcutsAndLetsTheCrashGoOn) {
    Win32Registry registry;
    SetTaskManagerPolicy(registry, true);
    ASSERT_EQ(Policy(), "1");
    // The user's flags as a held lockdown leaves them saved.
    Win32Accessibility system;
    AccessibilityFlags flags;
    ASSERT_TRUE(system.Read(&flags));
    const std::string saved = UserSavedShortcutsPath();
    CreateFolder(FolderOf(saved));
    ASSERT_TRUE(ReplaceFileAtomically(saved, FlagsText(flags)));

    EXPECT_EQ(UndoLockdownOnCrash(nullptr), EXCEPTION_CONTINUE_SEARCH);
    EXPECT_FALSE(PolicyExists());
    EXPECT_FALSE(FileExists(saved));
}

}  // namespace
