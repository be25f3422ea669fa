// Finds a visible top-level window by its title pattern (see title_pattern.h).
#pragma once

#include <windows.h>

#include <string>

HWND FindWindowLike(const std::string& titlePattern, bool caseSensitive);
