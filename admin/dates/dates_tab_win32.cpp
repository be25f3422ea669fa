#include "admin/dates/dates_tab_win32.h"

#include "admin/console/console_files.h"

void DatesTab::Open() { LoadDates(); }

void DatesTab::Enter() { Host().SetPathLabel(GetDatesFile()); }

void DatesTab::PickFile(const std::string& labelText) {
    const std::string chosen = Host().GetDiag("Document Dates", labelText);
    Host().SetPathLabel(chosen);
    datesFilePath_ = chosen;
    LoadDates();
}

std::string DatesTab::GetDatesFile() { return ::GetDatesFile(Host().AppFolder(), &datesFilePath_); }

void DatesTab::LoadDates() {
    docDates_.Clear();
    LoadSettingsFile(GetDatesFile(), docDates_);
}
