// The declaration window's hidden menu tree as a real menu, of which the
// speaker's submenu pops up.
#pragma once

#include <windows.h>

#include "runner/document/window_menus.h"

// Builds `FormMenu` from the lists, pops up its speaker submenu at the screen
// point and answers the chosen command (Kind None when dismissed).
SpeakerMenuChoice ShowSpeakerMenu(HWND owner, const FormMenu& menu, POINT screen);
