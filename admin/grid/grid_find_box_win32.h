// The grid's find box: a small modeless window with the text to find, a
// "Match case" box and "Find Next", which selects the next cell holding
// the text. It stays open (above its owner) until closed or Escape.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shared/win32/window.h"

enum GridFindBoxId {
    kFindTextId = 101,
    kFindMatchCaseId = 102,
    kFindStatusId = 103,
    kFindNextId = IDOK,
    kFindCloseId = IDCANCEL
};

class GridFindBox : public Window {
public:
    // find(text, matchCase) answers whether a cell was found.
    using FindFunction = std::function<bool(const std::string&, bool)>;
    explicit GridFindBox(FindFunction find) : find_(std::move(find)) {}
    GridFindBox(const GridFindBox&) = delete;
    GridFindBox& operator=(const GridFindBox&) = delete;

    // Shows the box beside its owner (created on first use) with the focus
    // in the text.
    void Show(HWND owner, HFONT font);
    void Hide();
    bool Visible() const { return Hwnd() && IsWindowVisible(Hwnd()); }
    // What "Find Next" does: answers whether a cell was found.
    bool FindNext();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateBox(HWND owner, HFONT font);
    void OnCommand(int id, int code);
    // The keys of the box's controls (subclassed): the box is modeless, so
    // no dialog manager does Tab, Enter and Escape for them.
    static LRESULT CALLBACK ControlKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnControlKey(HWND control, WPARAM key);

    FindFunction find_;
    HWND text_ = nullptr;
    HWND matchCase_ = nullptr;
    HWND status_ = nullptr;
};
