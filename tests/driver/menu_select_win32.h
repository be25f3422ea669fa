// Choosing an item of the pop-up menu that another program shows.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The menu path "Size>Large" as its captions; false when a part is empty.
bool SplitMenuPath(const std::string& path, std::vector<std::string>& parts);

// A caption as the user reads it: no "&" marks, nothing from the first tab on.
std::string PlainMenuCaption(const std::string& caption);

// "#3" is the third item that the arrow keys reach (separators are passed
// over); steps becomes 2. False for anything else.
bool ParseMenuPosition(const std::string& part, int& steps);

// Waits for a visible pop-up menu (of process pid, when not 0), walks the path
// with the keyboard as a user would and chooses the last item. Parts are
// captions or "#N" positions; a menu of another process that cannot be read
// (so under Wine) takes positions only. Refuses missing and disabled items it
// can see, closing the menu again.
bool SelectPopupMenuItem(const std::vector<std::string>& path, DWORD pid, DWORD timeoutMs, std::string& error);
