// The declaration window's hold on the desktop: locked at load, re-asserted
// on every timer tick and key, released at unload.
#pragma once

#include <windows.h>

struct DeclarationState;

// The load steps: caption, always on top, screen-saver flag, logon start,
// taskbar hidden; then the enforcement timer starts.
void LockDesktop(HWND window, DeclarationState& s);
// True when the message belonged to the lockdown (its timers).
bool OnLockdownTimer(HWND window, DeclarationState& s, UINT_PTR timer);
// Any key message of the window or its children (called from the message
// loop, since the focus is usually on a child).
void OnLockdownKey(HWND window, DeclarationState& s, const MSG& message);
// The unload steps; safe to call more than once.
void UnlockDesktop(DeclarationState& s);
