// The declaration window's check box and answer buttons, wired to the
// answer logic (AnswerButtons) and the system.
#pragma once

#include <windows.h>

#include "shared/win32/messages.h"

struct DeclarationState;

// When the answer is complete WM_TSR_UNLOAD_NOW is posted: the window
// unloads on its own turn, after the click handler has returned.

// Called once the controls carry their start state.
void SetUpAnswer(HWND window, DeclarationState& s);
// True when the command came from the check box, its label, the message or
// an answer button.
bool OnAnswerCommand(HWND window, DeclarationState& s, int id, int code);
