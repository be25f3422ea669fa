#include "admin/console/tab_rules.h"

namespace {

const TabRule kRules[kConsoleTabCount] = {
    {ConsoleTabId::Document,
     kEditorCaption,
     false,
     ActionState::Unchanged,
     {TabControl::Editor},
     {TabControl::LogGrid, TabControl::DatesGrid},
     "Edit Tessarin Document"},
    {ConsoleTabId::Dates,
     "Doc Dates",
     false,
     ActionState::FollowsChanged,
     {TabControl::DatesGrid},
     {TabControl::PropertyGrid, TabControl::LogGrid, TabControl::Editor},
     "Edit Document Dates"},
    {ConsoleTabId::Settings,
     "Settings",
     false,
     ActionState::FollowsChanged,
     {TabControl::PropertyGrid},
     {TabControl::LogGrid, TabControl::Editor},
     "Edit Tessarin Settings"},
    {ConsoleTabId::Logs,
     "Log Files",
     true,
     ActionState::Enabled,
     {TabControl::LogGrid},
     {TabControl::PropertyGrid, TabControl::Editor},
     "Tessarin Logs"},
};

}  // namespace

const TabRule& TabRuleOf(ConsoleTabId tab) { return kRules[static_cast<int>(tab)]; }

std::string BundleButtonCaption(const std::string& bundleOption) {
    if (bundleOption == "Sql") return "&Sql";
    if (bundleOption == "Excel") return "&Export";
    return "&Bundle";
}
