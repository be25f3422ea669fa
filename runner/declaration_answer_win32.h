// The declaration window's check box and answer buttons, wired to the
// answer logic (AnswerButtons) and the system.
#pragma once

#include <windows.h>

struct DeclarationState;

// Posted when the answer is complete: the window unloads on its own turn,
// after the click handler has returned.
const UINT WM_TSR_UNLOAD_NOW = WM_APP + 0x41;

// Called once the controls carry their start state.
void SetUpAnswer(HWND window, DeclarationState& s);
// True when the command came from the check box, its label, the message or
// an answer button.
bool OnAnswerCommand(HWND window, DeclarationState& s, int id, int code);
