#include "runner/document/document_selection.h"

#include "runner/document/language_documents.h"
#include "runner/window/window_settings.h"
#include "shared/calendar.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

bool RangeMatches(const std::string& key, const Calendar& calendar, const CivilDate& today) {
    std::size_t dash = key.find('-');
    std::size_t next = key.find('-', dash + 1);
    std::string first = key.substr(0, dash);
    std::string second = key.substr(dash + 1, next == std::string::npos ? std::string::npos : next - dash - 1);
    auto from = ReadDate(first, calendar);
    auto to = ReadDate(second, calendar);
    return from && to && DaysBetween(*from, today) >= 0 && DaysBetween(today, *to) >= 0;
}

// The selection's view of a start that shows nothing: it keeps what would
// have been opened.
class PathOnlyBrowser : public DocumentBrowser {
public:
    std::string LocationURL() const override { return std::string(); }
    void Navigate(const std::string& url) override { opened = url; }
    std::string BodyText() const override { return std::string(); }
    void SetFullScreen(bool) override {}
    std::string opened;
};

}  // namespace

std::string TodaysDocumentPath(const SettingsStore& settings, const Calendar& calendar,
                               const std::string& programFolder, DocumentSelectionHooks hooks) {
    hooks.LockWindowUpdate = nullptr;
    hooks.ShowHistoryButtons = nullptr;
    PathOnlyBrowser browser;
    std::vector<std::string> history;
    DocumentSelection selection(settings, calendar, browser, std::move(hooks), history, nullptr, programFolder, false);
    selection.SelectDocument();
    return selection.SelectedPath();
}

bool DatesKeyMatches(const std::string& key, const Calendar& calendar) {
    const CivilDate today = calendar.Today();
    if (key.find('-') != std::string::npos) return RangeMatches(key, calendar, today);

    std::string lowered = key;
    if (IsWeekdayName(lowered, calendar)) {
        std::string name = ToLower(calendar.DayName(WeekdayOf(today), false));
        return lowered == name || lowered == name.substr(0, 3);
    }
    if (auto date = ReadDate(key, calendar)) return DaysBetween(*date, today) == 0;
    if (ReadsAsNumber(key)) {
        std::string minute = std::to_string(calendar.Minute());
        return key == minute.substr(minute.size() - 1);
    }
    return false;
}

bool IsHtmlDocumentPath(const std::string& path) { return EndsWithNoCase(path, "htm") || EndsWithNoCase(path, "html"); }

DocumentSelection::DocumentSelection(const SettingsStore& settings, const Calendar& calendar, DocumentBrowser& browser,
                                     DocumentSelectionHooks hooks, std::vector<std::string>& history,
                                     std::function<double()> random, std::string programFolder, bool screenSaverMode)
    : settings_(settings),
      calendar_(calendar),
      browser_(browser),
      hooks_(std::move(hooks)),
      history_(history),
      random_(std::move(random)),
      programFolder_(std::move(programFolder)),
      screenSaverMode_(screenSaverMode) {}

std::string DocumentSelection::DatesFilePath() const {
    if (screenSaverMode_) {
        std::string saverDates = programFolder_ + "\\Documents\\ScreenSaverDoc.ini";
        if (hooks_.FileExists && hooks_.FileExists(saverDates)) return saverDates;
    }
    return programFolder_ + "\\Documents\\Document.ini";
}

bool DocumentSelection::FindDatedDocument() {
    SettingsStore dates;
    if (hooks_.LoadDatesFile) hooks_.LoadDatesFile(DatesFilePath(), dates);
    else LoadSettingsFile(DatesFilePath(), dates);

    bool opened = false;
    for (const SettingEntry& entry : dates.Entries()) {
        if (DatesKeyMatches(entry.Key, calendar_)) {
            opened = OpenDocument(entry.Value);
            break;
        }
    }
    if (screenSaverMode_ && !opened) {
        // One draw over all entries (an empty file still holds one empty entry).
        double r = random_ ? random_() : 0.0;
        std::size_t n = dates.Count();
        std::size_t pick = static_cast<std::size_t>(static_cast<double>(n) * r + 1);
        if (pick > n) pick = n;
        opened = OpenDocument(n == 0 ? std::string() : dates.Entries()[pick - 1].Value);
    }
    return opened;
}

void DocumentSelection::SelectDocument() {
    bool opened = FindDatedDocument();
    if (!opened) opened = OpenDocument(GetSettingOrDefault("Declaration Document", "", settings_));
    static const char* const standardNames[] = {"\\Documents\\index.html", "\\Documents\\default.html",
                                                "\\Documents\\default.htm", "\\Documents\\index.htm"};
    for (const char* name : standardNames) {
        if (opened) break;
        opened = OpenDocument(programFolder_ + name);
    }
    browser_.SetFullScreen(true);
}

std::string DocumentSelection::ExistingLanguageVersion(const std::string& path) const {
    if (path.empty() || !hooks_.FileExists) return std::string();
    const bool perLanguage = hooks_.UserLanguage && IsOptedIn("Language Documents", settings_);
    for (const std::string& candidate : LanguageCandidates(path, perLanguage ? hooks_.UserLanguage() : "")) {
        if (hooks_.FileExists(candidate)) return candidate;
    }
    return std::string();
}

bool DocumentSelection::OpenDocument(const std::string& requested) {
    const std::string path = ExistingLanguageVersion(requested);
    if (path.empty()) return false;
    if (hooks_.LockWindowUpdate) hooks_.LockWindowUpdate(true);
    NavigateTo(path);
    selected_ = path;
    history_.push_back(path);
    bool show = IsYes(GetSettingItem("History Buttons", settings_)) && IsHtmlDocumentPath(path);
    if (hooks_.ShowHistoryButtons) hooks_.ShowHistoryButtons(show);
    if (hooks_.LockWindowUpdate) hooks_.LockWindowUpdate(false);
    return true;
}

void DocumentSelection::NavigateTo(const std::string& path) {
    if (browser_.LocationURL() != path) browser_.Navigate(path);
}

std::string DocumentSelection::GetDocumentDetails() const {
    std::string url = browser_.LocationURL();
    if (url.empty()) return "Declaration document is not found.";
    if (EndsWithNoCase(url, ".htm") || EndsWithNoCase(url, ".html")) {
        if (IsYes(GetSettingItem("Save Document Details", settings_))) return browser_.BodyText();
        return url;
    }
    if (EndsWithNoCase(url, ".doc") || EndsWithNoCase(url, ".txt") || EndsWithNoCase(url, ".pdf")) return url;
    return "";
}
