// Keeps the user in the declaration window: on top, taskbar hidden, Task
// Manager forbidden and closed, the screen-saver-running flag set.
#pragma once

#include <windows.h>

#include "runner/lockdown/task_manager_policy.h"
#include "shared/registry.h"

void AlwaysOnTop(HWND window, bool& onTop);
void SetScreenSaverRunning(bool running);
void CloseTaskManager(Registry& registry, bool close);
void HideTaskbar(bool hide);
void HideTaskbarWindow();
void ShowTaskbarWindow();
void ShowAbout(HWND owner);

// Undoes the lockdown if the program crashes while the window is up.
void InstallLockdownCrashGuard();
// The guard itself: releases the lockdown and lets the crash go on.
LONG WINAPI UndoLockdownOnCrash(EXCEPTION_POINTERS* exception);
// The unload steps: policy removed, taskbar shown and enabled, flag cleared.
void ReleaseLockdown(Registry& registry);
