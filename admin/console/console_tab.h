// The console's tabs as units: the main window owns the shared controls (tab
// strip, action and close buttons, path label, status bar, menus) and hands
// each tab the page it draws on; a tab owns its own controls and files.
#pragma once

#include <windows.h>

#include <string>

#include "admin/console/tab_rules.h"

class SettingsStore;
class CBalloonToolTip;

// What a tab may ask of the main window.
class ConsoleHost {
public:
    virtual ~ConsoleHost() = default;
    virtual HWND MainWindow() const = 0;
    virtual HFONT UiFont() const = 0;
    virtual const std::string& AppFolder() const = 0;
    // The settings file being edited and the store loaded from it.
    virtual SettingsStore& AdminSettings() = 0;
    virtual std::string GetSettingsFile() = 0;
    // Replaces the settings file being edited and loads it into AdminSettings.
    virtual void OpenSettingsFile(const std::string& path) = 0;
    virtual void ShowStatusMsg(const std::string& message) = 0;
    // The one picker: the chosen path or colour, or the current value.
    virtual std::string GetDiag(const std::string& header, const std::string& current) = 0;
    // An edit of a table or the document (counts only once opening is done).
    virtual void NoteEdit() = 0;
    virtual bool IsLoaded() const = 0;
    virtual bool IsChanged() const = 0;
    virtual void SetPathLabel(const std::string& text) = 0;
    virtual void SetActionButton(const std::string& caption, bool enabled) = 0;
    virtual std::string ActionCaption() const = 0;
    // The shown/hidden marks the tab switch sets (a control shows when its
    // page is up and its mark is set).
    virtual void SetControlShown(TabControl control, bool shown) = 0;
    virtual bool ControlShown(TabControl control) const = 0;
    // The caption of a tab (the document tab's shows its mode) and of a
    // menu item of the main menu.
    virtual void SetTabCaption(ConsoleTabId tab, const std::string& caption) = 0;
    virtual std::string TabCaption(ConsoleTabId tab) const = 0;
    virtual void SetMenuItemText(int commandId, const std::string& text) = 0;
    // The window's one balloon tip (the log list's).
    virtual CBalloonToolTip& LogTip() = 0;
};

// One tab's unit. The window calls Create once, Open during opening (in tab
// order), Place on every resize, and the rest as the administrator works.
class ConsoleTab {
public:
    virtual ~ConsoleTab() = default;
    // Creates the tab's controls (hidden) as children of the main window.
    virtual bool Create(ConsoleHost& host) = 0;
    // Its part of opening the window (loading files, filling tables).
    virtual void Open() {}
    // The page area in the main window's client coordinates.
    virtual void Place(const RECT& page) = 0;
    // The page is shown (true) or another tab's page is (false); the tab
    // shows its controls by the host's marks.
    virtual void ShowPage(bool shown) = 0;
    // The tab was clicked: what lblFilePath shows, its reloads and listings.
    virtual void Enter() = 0;
    // The path label was clicked on this tab (after PromptSave).
    virtual void PickFile(const std::string& /*labelText*/) {}
    // Its part of SaveAll; false with *failure naming the file and reason.
    virtual bool Save(std::string* /*failure*/) { return true; }
    // The "No" answer of the save prompt.
    virtual void DiscardEdits() {}
    // The action button with a caption other than "&Save" (the log tab's).
    virtual void Action(const std::string& /*caption*/) {}
    // A command from the tab's own pop-up menu or a key; true when handled.
    virtual bool Command(int /*id*/) { return false; }
    // The window's layout changed its width (tables set their column widths).
    virtual void WindowWidthChanged(long /*innerWidthTwips*/) {}
};
