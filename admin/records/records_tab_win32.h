// The records tab: the acceptance records of the log folder in grdLog, the
// window's LogTip showing a record's text, LogMenu with the deletes and
// the three outputs (bundle, spreadsheet or workbook, SQL script).
#pragma once

#include <string>

#include "admin/console/console_ids.h"
#include "admin/console/grid_tab_win32.h"

class RecordsTab : public GridTab {
public:
    RecordsTab() : GridTab(IDC_GRDLOG, TabControl::LogGrid) {}
    bool Create(ConsoleHost& host) override;
    void Open() override;
    void ShowPage(bool shown) override;
    void Enter() override;
    void Action(const std::string& caption) override;
    bool Command(int id) override;
    void WindowWidthChanged(long innerWidthTwips) override;

    // ---- the tab's operations (the window's public GenerateSqlFile forwards) ----
    std::string GetLogFolder();
    void ListLogs();  // clears the list first, then lists
    void BundleLogs();
    void GenerateSqlFile(ctlEditGrid& ctlGrid);
    // The spreadsheet application when one is installed and starts, else
    // the workbook and CSV files in the output folder.
    void ExportGridToExcel(ctlEditGrid& grid, const std::string& title);
    void ExportWorkbook(ctlEditGrid& grid, const std::string& title);
    void DeleteLog();
    void DeleteAllLogs();

    // ---- grdLog's events ----
    void MouseDown(int Button, int Shift, long X, long Y) override;
    void MouseMove(int Button, int Shift, long X, long Y) override;

private:
    std::string OutputFolder();
    void FitList();
    void SetBundleButton(bool enabled);
    void DisableActionButton();
    void ShowLogMenu();
    void ShowLogTip(long X, long row);
    void ShowFolderProblem();

    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    long lastLogRow_ = -1;  // none yet
    long tableWidth_ = 0;   // twips, from the window's width
};
