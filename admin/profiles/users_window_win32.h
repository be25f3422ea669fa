// frmUsers: the small modal window that writes the settings being edited as
// the profile of every user in a list (action 1), or deletes profile files
// (action 2). It works through its parent's public operations.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "admin/settings/settings_table.h"
#include "shared/win32/handles.h"
#include "shared/win32/window.h"

constexpr int kUsersCopy = 1;    // "Copy Settings"
constexpr int kUsersDelete = 2;  // "Delete User Settings"

// What frmUsers asks of its ParentForm, the console's main window.
class UsersParent {
public:
    virtual ~UsersParent() = default;
    virtual HWND MainWindow() const = 0;
    virtual const std::string& AppFolder() const = 0;
    virtual void ShowStatusMsg(const std::string& message) = 0;
    // Writes the settings being edited as the profile file strUser (a file
    // name with its ".ini") in the "Profiles" folder.
    virtual CopyResult CopyProperty(const std::string& strUser) = 0;
};

class frmUsers : public Window {
public:
    // The window's loading, hidden: the action button reads "&Delete" and
    // the profiles are listed.
    bool Load(UsersParent& parent);
    // Where the caller wants the window (screen pixels), kept on the screen.
    void PlaceAt(int left, int top);
    // Sets the window up for the action and shows it modally, owned by
    // ParentForm's window; returns when it is closed.
    void ShowMe(int iAction, UsersParent& ParentForm);

    // Copies the settings to every user named in the text (one a line).
    void CopyProperty(const std::string& strText);
    void ListProfiles();
    void DeleteUserProfiles();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateControls();
    void Layout();
    void OnCommand(int id, int code);
    void OnAction();
    void Import();
    void RunModal();
    void Close();
    // While a copy runs: the window's messages are handled now and then, so
    // it repaints and its Close (or Escape) can stop the copy. False: stop.
    bool KeepCopying(std::size_t done, std::size_t total);

    UsersParent* parent_ = nullptr;
    HWND users_ = nullptr;     // txtUsers
    HWND fileList_ = nullptr;  // FileList
    HWND action_ = nullptr;    // cmdButton(0)
    HWND close_ = nullptr;     // cmdButton(1)
    GdiObject<HFONT> font_;
    std::vector<std::string> profiles_;  // FileList's entries
    bool closed_ = false;
    bool copying_ = false;
    bool stopCopy_ = false;
    DWORD lastLook_ = 0;  // tick count of the last look at the messages
};
