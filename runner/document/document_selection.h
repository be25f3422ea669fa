// Which declaration document the window shows today, and how it is opened
// and described in the acceptance record.
#pragma once

#include <functional>
#include <string>
#include <vector>

class Calendar;
class SettingsStore;

// What the window's document view offers to the selection.
class DocumentBrowser {
public:
    virtual ~DocumentBrowser() = default;
    virtual std::string LocationURL() const = 0;
    virtual void Navigate(const std::string& url) = 0;
    virtual std::string BodyText() const = 0;
    virtual void SetFullScreen(bool on) = 0;
};

// The window's side of the selection.
struct DocumentSelectionHooks {
    std::function<bool(const std::string& path)> FileExists;
    std::function<void(bool locked)> LockWindowUpdate;
    std::function<void(bool visible)> ShowHistoryButtons;
    // Reads a document-dates file into the store; LoadSettingsFile when unset.
    std::function<bool(const std::string& path, SettingsStore& store)> LoadDatesFile;
    // The user's interface language as a locale name ("de-CH"); asked for
    // only with "Language Documents".
    std::function<std::string()> UserLanguage;
};

// True when a key of the document-dates file applies now.
bool DatesKeyMatches(const std::string& key, const Calendar& calendar);

// Ends, ignoring case, in "htm" or "html" (the history buttons' documents).
bool IsHtmlDocumentPath(const std::string& path);

// Today's document as the window would open it (outside screen-saver mode),
// without showing it: the path of the file, or empty when there is none.
std::string TodaysDocumentPath(const SettingsStore& settings, const Calendar& calendar,
                               const std::string& programFolder, DocumentSelectionHooks hooks);

class DocumentSelection {
public:
    DocumentSelection(const SettingsStore& settings, const Calendar& calendar, DocumentBrowser& browser,
                      DocumentSelectionHooks hooks, std::vector<std::string>& history, std::function<double()> random,
                      std::string programFolder, bool screenSaverMode);

    void SelectDocument();
    bool FindDatedDocument();
    // Opens the path, or with "Language Documents" the first of its
    // language sub-folder versions that exists.
    bool OpenDocument(const std::string& path);
    void NavigateTo(const std::string& path);
    std::string GetDocumentDetails() const;

    // The document-dates file this start reads.
    std::string DatesFilePath() const;
    // The file the selection opened: the document the user is asked to
    // accept; empty when none was.
    const std::string& SelectedPath() const { return selected_; }

private:
    std::string ExistingLanguageVersion(const std::string& path) const;

    const SettingsStore& settings_;
    const Calendar& calendar_;
    DocumentBrowser& browser_;
    DocumentSelectionHooks hooks_;
    std::vector<std::string>& history_;
    std::function<double()> random_;
    std::string programFolder_;
    bool screenSaverMode_;
    std::string selected_;
};
