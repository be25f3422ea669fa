// How the declaration window leaves the screen, and the built-in decline action.
#pragma once

#include <windows.h>

#include <string>

class TsrLibrary;

// intOut not 0: grow out of the centre; 0: shrink into the centre and hide.
void AnimateForm(HWND window, int intOut, int intRate);
// Paints random blocks with the raster operation (WHITENESS or BLACKNESS)
// for the given seconds, letting waiting messages run, then the whole window.
void RandomBlockFill(HWND window, double seconds, DWORD rasterOperation, int blockWidth, int blockHeight);
// answer 1 accept, 2 decline; closeAction is the "CloseAction" item.
void PlayCloseEffect(HWND window, const std::string& closeAction, int answer);

void EnableShutdownPrivilege();
void ShutdownWindow(UINT uFlags, DWORD dwReserved);
// DeclineAction of Tsr.dll when the library lies beside the program and
// offers it; otherwise log off, closing programs that do not answer.
void RunDeclineAction(TsrLibrary& library);
