// frmTessarinAdmin: the console's main window. It owns the shared controls
// (tab strip, action and close buttons, path label, status bar, toolbar,
// menus), the settings being edited and the Changed/Loaded state; each tab
// is a ConsoleTab that owns its own controls and files.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "admin/console/console_tab.h"
#include "admin/profiles/users_window_win32.h"
#include "shared/settings_store.h"
#include "shared/tips/balloon_tooltip_win32.h"
#include "shared/win32/handles.h"
#include "shared/win32/window.h"

class ctlEditGrid;
class frmCompliance;

class frmTessarinAdmin : public Window, public ConsoleHost, public UsersParent {
public:
    frmTessarinAdmin();
    ~frmTessarinAdmin() override;

    // Creates and opens the window (the opening steps), then shows it.
    bool Open(HINSTANCE instance, int showCommand);
    int RunMessageLoop();

    // The opening steps that fill the tables, timed as they ran (ms), and
    // the time a tab's table takes to paint once its page is up: for the
    // program's benchmark switch.
    struct OpeningTimes {
        double SettingsFile = 0, SettingsTable = 0, DatesTable = 0;
    };
    const OpeningTimes& OpeningTimesMs() const { return openingTimes_; }
    double TimeTablePaint(ConsoleTabId tab);
    // Opens the compliance view (or brings it up again) and fills it;
    // answers the time the fill took (ms).
    double ShowCompliance();

    // ---- public operations ----
    void ShowStatusMsg(const std::string& message) override;
    std::string GetDiag(const std::string& header, const std::string& current) override;
    // The settings being edited written as a user's profile (the settings tab's).
    CopyResult CopyProperty(const std::string& strUser) override;
    // Writes "TessarinLog.sql" from the grid (the records tab's list).
    void GenerateSqlFile(ctlEditGrid& ctlGrid);

    // ---- ConsoleHost ----
    HWND MainWindow() const override { return Hwnd(); }
    HFONT UiFont() const override { return font_.Get(); }
    const std::string& AppFolder() const override { return appFolder_; }
    SettingsStore& AdminSettings() override { return adminSettings_; }
    std::string GetSettingsFile() override;
    void OpenSettingsFile(const std::string& path) override;
    void NoteEdit() override;
    bool IsLoaded() const override { return loaded_ == 1; }
    bool IsChanged() const override { return changed_; }
    void SetPathLabel(const std::string& text) override;
    void SetActionButton(const std::string& caption, bool enabled) override;
    std::string ActionCaption() const override;
    void SetControlShown(TabControl control, bool shown) override;
    bool ControlShown(TabControl control) const override;
    void SetTabCaption(ConsoleTabId tab, const std::string& caption) override;
    std::string TabCaption(ConsoleTabId tab) const override;
    void SetMenuItemText(int commandId, const std::string& text) override;
    CBalloonToolTip& LogTip() override { return logTip_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateControls();
    void CreateToolbar();
    void RestorePosition();
    void StorePosition();
    void Layout();
    int BottomStripHeight() const;

    ConsoleTab& Tab(ConsoleTabId tab) { return *tabs_[static_cast<int>(tab)]; }
    ConsoleTabId CurrentTab() const;
    void ApplyVisibility();

    // Navigation and the shared buttons.
    void OnTabClick();
    void OnTabStripMouse(UINT message);
    void OnActionButton();
    void OnPathLabelClick();
    void PromptSave();
    void SaveAll();
    void OnClose();

    // Menus, toolbar, keys, help (console_commands_win32.cpp).
    void OnCommand(int id, int code, HWND from);
    bool OnMenuCommand(int id);
    void OnToolbarButton(int id);
    void ToggleBar(int menuId, HWND bar);
    void ShowHelpFile();
    void ShowNoHelpBox();
    void ShowVersionBox();
    void ShowAboutBox();
    void ShowOpenDialog();
    void ShowPageSetup();
    int Message(const std::string& text, const std::string& title, UINT flags);

    static LRESULT CALLBACK TabStripProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HWND tabStrip_ = nullptr;
    HWND actionButton_ = nullptr;
    HWND closeButton_ = nullptr;
    HWND label1_ = nullptr;
    HWND pathLabel_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND toolBar_ = nullptr;
    GdiObject<HFONT> font_;
    std::string appFolder_;
    std::string adminSettingsPath_;
    SettingsStore adminSettings_{StoreVariant::Console};
    bool changed_ = false;
    int loaded_ = 0;
    std::array<bool, 4> shown_{{true, true, true, false}};  // by TabControl
    CBalloonToolTip logTip_;
    std::array<std::unique_ptr<ConsoleTab>, kConsoleTabCount> tabs_;
    std::unique_ptr<frmCompliance> compliance_;
    OpeningTimes openingTimes_;
    int twipsPerPixelX_ = 15;
    int twipsPerPixelY_ = 15;
};
