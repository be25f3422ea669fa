// The console's menu and toolbar commands that the window routes by table:
// each menu item's handler name (the placeholder items show
// "Add '<handler>' code."), and which toolbar button runs which menu item.
#pragma once

#include <string>

// The handler name of a menu item ("mnuFileNew_Click"), empty for unknown ids.
std::string MenuHandlerName(int commandId);
// The message of an item that has no action of its own.
std::string PlaceholderMessage(int commandId);

struct ToolbarButton {
    int CommandId;
    const char* Key;
    int MenuCommand;  // the menu item it runs, 0: it shows its placeholder
};
const ToolbarButton* ToolbarButtons(int* count);
// The message of a toolbar button without a menu item.
std::string ToolbarPlaceholderMessage(const char* key);
