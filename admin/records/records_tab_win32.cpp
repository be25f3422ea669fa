#include "admin/records/records_tab_win32.h"

#include "admin/console/tab_rules.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

void RecordsTab::Enter() {
    const std::string option = GetSettingItem("Bundle Option", Host().AdminSettings(), "", "&Bundle");
    Host().SetActionButton(BundleButtonCaption(option), true);
    Host().SetPathLabel(LogFolder());
}

std::string RecordsTab::LogFolder() {
    const std::string item = GetSettingItem("TsrPath", Host().AdminSettings(), "", "");
    return Trim(item).empty() ? Host().AppFolder() : item;
}
