// What switching to each tab of the console does to the shared controls:
// the action button's caption and state, the controls shown and hidden, and
// the status text. Kept as data so the window applies one table.
#pragma once

#include <string>
#include <vector>

enum class ConsoleTabId { Document = 0, Dates = 1, Settings = 2, Logs = 3 };
constexpr int kConsoleTabCount = 4;

// The controls the tab switch shows or hides.
enum class TabControl { Editor, DatesGrid, PropertyGrid, LogGrid };

enum class ActionState {
    Unchanged,       // the button keeps its state
    FollowsChanged,  // enabled while there are unsaved edits
    Enabled
};

struct TabRule {
    ConsoleTabId Tab;
    const char* Caption;           // the tab's caption at start
    bool CaptionFromBundleOption;  // else the action button reads "&Save"
    ActionState State;
    std::vector<TabControl> Shown;
    std::vector<TabControl> Hidden;
    const char* Status;
};

const TabRule& TabRuleOf(ConsoleTabId tab);

// The action button's caption on the log tab by "Bundle Option" (compared
// exactly): "Sql" gives "&Sql", "Excel" gives "&Export", else "&Bundle".
std::string BundleButtonCaption(const std::string& bundleOption);

// The first tab's caption in each document mode.
constexpr char kEditorCaption[] = "Doc Editor";
constexpr char kViewerCaption[] = "Doc Viewer";
constexpr char kSaveCaption[] = "&Save";
