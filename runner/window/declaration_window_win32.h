// The declaration window: full screen, on top, showing the site's declaration.
#pragma once

#include <windows.h>

class RunControl;

// Creates and shows the window without waiting; the program ends when it unloads.
HWND CreateDeclarationWindow(HINSTANCE instance, RunControl& run);

// Key messages of the window and its children, as the message loop takes
// them: each re-asserts the lockdown.
void OnDeclarationInput(HWND window, const MSG& message);

// Clears the caption, system menu, minimise and maximise style bits.
void RemoveTitleBar(HWND frm);
