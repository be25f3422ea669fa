#include "admin/records/records_tab_win32.h"

#include <algorithm>

#include "admin/records/bundle.h"
#include "admin/records/excel_export_win32.h"
#include "admin/records/log_delete.h"
#include "admin/records/log_files.h"
#include "admin/records/log_list.h"
#include "admin/records/log_text.h"
#include "admin/records/sql_script.h"
#include "admin/records/workbook_writer.h"
#include "shared/tips/balloon_tooltip_win32.h"
#include "shared/win32/window_helpers.h"
#include "shared/win32/subclass.h"
#include "shared/win32/window.h"

namespace {

constexpr char kLogTipTitle[] = "Log Info";

// A control's place in its parent's inner area, in twips.
POINT PlaceInParentTwips(HWND control, int twipsPerPixelX, int twipsPerPixelY) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return POINT{rect.left * twipsPerPixelX, rect.top * twipsPerPixelY};
}

}  // namespace

bool RecordsTab::Create(ConsoleHost& host) {
    if (!GridTab::Create(host)) return false;
    // The list's focus: the tip goes when the list loses it.
    SubclassWindow(Grid().GridHwnd(), &RecordsTab::ListProc);
    return true;
}

LRESULT CALLBACK RecordsTab::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KILLFOCUS) {
        if (auto* host = Window::FromHwnd<ConsoleHost>(GetAncestor(hwnd, GA_ROOT))) host->LogTip().Destroy();
    }
    return CallOriginalProc(hwnd, message, wParam, lParam);
}

void RecordsTab::Open() {
    SetupLogList(Grid().Model());
    Grid().ApplyProperties();
}

void RecordsTab::ShowPage(bool shown) {
    // A tip left over the page of another tab would point at nothing.
    if (!shown) Host().LogTip().Destroy();
    GridTab::ShowPage(shown);
}

void RecordsTab::WindowWidthChanged(long innerWidthTwips) {
    tableWidth_ = SetLogListWidths(Grid().Grid(), innerWidthTwips);
    FitList();
}

void RecordsTab::FitList() {
    // The width the window's width gives the table, and the whole page's
    // height: a right click below the last record still opens LogMenu.
    if (tableWidth_ <= 0) return;
    Grid().Model().GridHeight = 0;
    Grid().SetGridWidthByCaller(tableWidth_);
}

void RecordsTab::Enter() {
    SetBundleButton(true);
    Host().SetPathLabel(GetLogFolder());
    ListLogs();
    // The window shows the tab's status text after this; a folder that
    // cannot be listed says so after it.
    if (!LogFolderProblem(GetLogFolder()).empty())
        PostMessageA(Host().MainWindow(), WM_COMMAND, MAKEWPARAM(ID_LOG_FOLDERPROBLEM, 0), 0);
}

std::string RecordsTab::GetLogFolder() { return ::GetLogFolder(Host().AdminSettings(), Host().AppFolder()); }

std::string RecordsTab::OutputFolder() { return GetOutputFolder(Host().AdminSettings(), GetLogFolder()); }

void RecordsTab::SetBundleButton(bool enabled) {
    Host().SetActionButton(LogActionCaption(Host().AdminSettings()), enabled);
}

void RecordsTab::DisableActionButton() { Host().SetActionButton(Host().ActionCaption(), false); }

void RecordsTab::ListLogs() {
    WaitCursor wait;
    Host().LogTip().Destroy();
    RefreshLogList(Grid().Model(), GetLogFolder());
    FitList();
    Grid().Refresh();
}

void RecordsTab::ShowFolderProblem() {
    const std::string problem = LogFolderProblem(GetLogFolder());
    if (!problem.empty()) Host().ShowStatusMsg(problem);
}

void RecordsTab::Action(const std::string& caption) {
    if (caption == "&Bundle") BundleLogs();
    if (caption == "&Export") ExportGridToExcel(Grid(), ExportTitle(GetLogFolder()));
    if (caption == "&Sql") GenerateSqlFile(Grid());
}

bool RecordsTab::Command(int id) {
    switch (id) {
    case ID_LOG_BUNDLEFILE: BundleLogs(); return true;
    case ID_LOG_EXPORTEXCEL: ExportGridToExcel(Grid(), ExportTitle(GetLogFolder())); return true;
    case ID_LOG_EXPORTWORKBOOK: ExportWorkbook(Grid(), ExportTitle(GetLogFolder())); return true;
    case ID_LOG_GENERATESQL: GenerateSqlFile(Grid()); return true;
    case ID_LOG_REFRESH:
        ListLogs();
        ShowFolderProblem();
        return true;
    case ID_LOG_DELETELOG: DeleteLog(); return true;
    case ID_LOG_DELETEALL: DeleteAllLogs(); return true;
    case ID_LOG_FOLDERPROBLEM: ShowFolderProblem(); return true;
    default: return false;
    }
}

// ---- outputs ----

void RecordsTab::BundleLogs() {
    WaitCursor wait;
    const OutputStatus status = ::BundleLogs(GetLogFolder(), OutputFolder());
    Host().ShowStatusMsg(status.Status);
    if (status.Written) DisableActionButton();
}

void RecordsTab::GenerateSqlFile(ctlEditGrid& ctlGrid) {
    WaitCursor wait;
    const OutputStatus status =
        ::GenerateSqlFile(LogSqlTemplate(Host().AdminSettings()), ListedLogs(ctlGrid.Grid()).Rows, OutputFolder());
    Host().ShowStatusMsg(status.Status);
    if (status.Written) DisableActionButton();
}

void RecordsTab::ExportGridToExcel(ctlEditGrid& grid, const std::string& title) {
    {
        WaitCursor wait;
        if (IsExcelInstalled() && ::ExportGridToExcel(ListedLogs(grid.Grid()).Rows, title)) return;
    }
    ExportWorkbook(grid, title);
}

void RecordsTab::ExportWorkbook(ctlEditGrid& grid, const std::string& title) {
    WaitCursor wait;
    const OutputStatus status = ::ExportWorkbook(ListedLogs(grid.Grid()), title, OutputFolder(), &Utf8FromAnsiCodePage);
    Host().ShowStatusMsg(status.Status);
}

// ---- deletes ----

void RecordsTab::DeleteLog() {
    const long row = Grid().Grid().Row();
    if (!RowHasLog(Grid().Grid(), row)) {
        Host().ShowStatusMsg(kNoLogSelected);
        return;
    }
    if (MessageBoxA(Host().MainWindow(), DeleteLogQuestion(row).c_str(), kDeleteLogsTitle,
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    Host().ShowStatusMsg(DeleteLogRow(Grid().Grid(), row, GetLogFolder()));
    ListLogs();
}

void RecordsTab::DeleteAllLogs() {
    if (MessageBoxA(Host().MainWindow(), kDeleteAllQuestion, kDeleteLogsTitle, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    WaitCursor wait;
    const std::string status = ::DeleteAllLogs(Grid().Grid(), GetLogFolder());
    if (!status.empty()) Host().ShowStatusMsg(status);
    ListLogs();
}

// ---- the list's mouse: the menu and the tip ----

void RecordsTab::MouseDown(int Button, int, long, long) {
    if (Button != 2) return;
    // The menu's deletes act on the current row: the row pressed becomes it.
    const long row = Grid().MouseRow();
    FlexGrid& grid = Grid().Grid();
    if (row >= grid.FixedRows() && row < grid.Rows()) grid.SetCurrentCell(row, std::max(grid.Col(), kLogFileCol));
    ShowLogMenu();
}

void RecordsTab::ShowLogMenu() {
    Host().LogTip().Destroy();
    HMENU resource = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_LOGMENU));
    if (!resource) return;
    POINT at{};
    GetCursorPos(&at);
    const int chosen = TrackPopupMenu(GetSubMenu(resource, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x,
                                      at.y, 0, Host().MainWindow(), nullptr);
    DestroyMenu(resource);
    if (chosen != 0) Command(chosen);
}

void RecordsTab::MouseMove(int Button, int, long X, long) {
    CBalloonToolTip& tip = Host().LogTip();
    // A tip destroyed since (focus gone, menu, another tab) is shown again
    // on the same row.
    if (!tip.Shown()) lastLogRow_ = -1;
    switch (DecideLogTip(AutoShowLog(Host().AdminSettings()), (Button & 1) != 0, Grid().MouseRow(), &lastLogRow_)) {
    case LogTipAction::Keep: return;
    case LogTipAction::Show: ShowLogTip(X, lastLogRow_); return;
    case LogTipAction::Destroy: tip.Destroy(); return;
    }
}

void RecordsTab::ShowLogTip(long X, long row) {
    CBalloonToolTip& tip = Host().LogTip();
    const FlexGrid& grid = Grid().Grid();
    if (row >= grid.Rows() || !RowHasLog(grid, row)) {
        tip.Destroy();
        return;
    }
    const std::string text = LogTipText(GetLogFolder(), grid.TextMatrix(row, kLogFileCol));
    const TwipScale& scale = Grid().Scale();
    const POINT list = PlaceInParentTwips(Grid().Hwnd(), scale.PerPixelX, scale.PerPixelY);
    const TipPoint at = LogTipPoint(X, row, grid.TopRow(), grid.RowHeight(1), list.x, list.y);
    tip.ShowBalloonInfo(Host().MainWindow(), kLogTipTitle, text, at.X, at.Y);
}
