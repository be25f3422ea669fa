// frmCompliance: the compliance view, a window of its own opened from the
// console's Tools menu. One row per user with the last answer and a status;
// a filter by status, the grid's own header sorts, and an export to the
// workbook and CSV writers of the records tab.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "admin/compliance/compliance_rows.h"
#include "admin/grid/edit_grid_win32.h"
#include "shared/win32/handles.h"
#include "shared/win32/window.h"

class ConsoleHost;

class frmCompliance : public Window {
public:
    // Creates the window (hidden), owned by the console's main window.
    bool Load(ConsoleHost& host);
    // Reads every source again and fills the grid; answers the time it took (ms).
    double Refresh();
    void ShowMe();
    const std::vector<ComplianceRow>& Rows() const { return rows_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;

private:
    bool CreateControls();
    void Layout();
    void Fill();
    void Export();
    void OnCommand(int id, int code);
    void SetStatus(const std::string& text);

    ConsoleHost* host_ = nullptr;
    HWND filter_ = nullptr;
    HWND filterLabel_ = nullptr;
    HWND refresh_ = nullptr;
    HWND export_ = nullptr;
    HWND close_ = nullptr;
    HWND status_ = nullptr;
    GdiObject<HFONT> font_;
    ctlEditGrid grid_;
    std::vector<ComplianceRow> rows_;
    std::string sourceText_;  // where the answers came from, for the status line
};
