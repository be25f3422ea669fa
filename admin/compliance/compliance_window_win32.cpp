#include "admin/compliance/compliance_window_win32.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "admin/compliance/compliance_database_win32.h"
#include "admin/compliance/compliance_export.h"
#include "admin/compliance/compliance_sources.h"
#include "admin/console/console_bench_win32.h"
#include "admin/console/console_ids.h"
#include "admin/console/console_tab.h"
#include "admin/grid/grid_menu.h"
#include "admin/records/ansi_utf8.h"
#include "admin/records/log_files.h"
#include "runner/document/document_selection.h"
#include "shared/calendar_win32.h"
#include "shared/connection_string.h"
#include "shared/file_routines.h"
#include "shared/sha256.h"
#include "shared/win32/window_helpers.h"

namespace {

constexpr char kClassName[] = "TsrCompliance";
constexpr char kCaption[] = "Compliance";
// Pixels at 96 DPI.
constexpr int kWidth96 = 760;
constexpr int kHeight96 = 440;
constexpr int kMargin96 = 8;
constexpr int kButtonWidth96 = 80;
constexpr int kButtonHeight96 = 25;
constexpr int kFilterWidth96 = 140;
constexpr int kLabelWidth96 = 40;
// Column widths in per cent of the grid's width: No, then the view's columns.
constexpr int kColumnPercent[] = {5, 13, 12, 19, 12, 22, 15};

}  // namespace

bool frmCompliance::Load(ConsoleHost& host) {
    host_ = &host;
    ClassInfo info;
    info.Name = kClassName;
    info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassOnce(info)) return false;
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    if (!Create(kClassName, kCaption, style, WS_EX_CONTROLPARENT, CW_USEDEFAULT, CW_USEDEFAULT, Scale96(kWidth96),
                Scale96(kHeight96), host.MainWindow()))
        return false;
    if (!CreateControls()) return false;
    Layout();
    return true;
}

bool frmCompliance::CreateControls() {
    font_.Reset(CreatePointFont(Hwnd(), 8, false, "MS Shell Dlg 2"));
    auto add = [this](const char* cls, const char* text, DWORD style, int id) {
        HWND child = CreateChildControl(Hwnd(), cls, text, WS_VISIBLE | style, id);
        SetControlFont(child, font_.Get());
        return child;
    };
    filterLabel_ = add("STATIC", "&Show:", SS_LEFT | SS_CENTERIMAGE, -1);
    filter_ = add("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, IDC_COMPLIANCE_FILTER);
    refresh_ = add("BUTTON", "&Refresh", WS_TABSTOP | BS_PUSHBUTTON, IDC_COMPLIANCE_REFRESH);
    export_ = add("BUTTON", "&Export", WS_TABSTOP | BS_PUSHBUTTON, IDC_COMPLIANCE_EXPORT);
    close_ = add("BUTTON", "&Close", WS_TABSTOP | BS_PUSHBUTTON, IDC_COMPLIANCE_CLOSE);
    status_ = add("STATIC", "", SS_LEFT | SS_CENTERIMAGE | SS_ENDELLIPSIS, IDC_COMPLIANCE_STATUS);
    if (!filter_ || !refresh_ || !export_ || !close_ || !status_) return false;
    for (const std::string& choice : ComplianceFilterChoices())
        SendMessageA(filter_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    SendMessageA(filter_, CB_SETCURSEL, 0, 0);

    if (!grid_.Create(Hwnd(), IDC_COMPLIANCE_GRID, RECT{0, 0, 100, 100})) return false;
    FlexGrid& grid = grid_.Grid();
    grid.SetCols(static_cast<long>(ComplianceHeaders().size()) + 1);
    grid.SetRows(2);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid_.Setup();
    // The header's list: sorting without regard to case, both ways, and the fit.
    grid_.SetColComboOption("0,5,6,9");
    return true;
}

void frmCompliance::Layout() {
    if (!status_ || !grid_.Hwnd()) return;  // sized while being made, before its controls
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int margin = Scale96(kMargin96);
    const int buttonWidth = Scale96(kButtonWidth96), buttonHeight = Scale96(kButtonHeight96);
    MoveWindow(filterLabel_, margin, margin, Scale96(kLabelWidth96), buttonHeight, TRUE);
    MoveWindow(filter_, margin + Scale96(kLabelWidth96), margin, Scale96(kFilterWidth96), Scale96(200), TRUE);
    int x = client.right - margin - buttonWidth;
    for (HWND button : {close_, export_, refresh_}) {
        MoveWindow(button, x, margin, buttonWidth, buttonHeight, TRUE);
        x -= margin + buttonWidth;
    }
    const int gridTop = 2 * margin + buttonHeight;
    const int statusHeight = Scale96(20);
    const int gridHeight = std::max(1, static_cast<int>(client.bottom) - gridTop - statusHeight - 2 * margin);
    const int gridWidth = std::max(1, static_cast<int>(client.right) - 2 * margin);
    MoveWindow(grid_.Hwnd(), margin, gridTop, gridWidth, gridHeight, TRUE);
    MoveWindow(status_, margin, gridTop + gridHeight + margin, gridWidth, statusHeight, TRUE);
    // Column widths follow the window's width (twips).
    const long twips = static_cast<long>(gridWidth) * grid_.Scale().PerPixelX - 2 * 15 * 20;
    FlexGrid& grid = grid_.Grid();
    for (long c = 0; c < grid.Cols() && c < static_cast<long>(std::size(kColumnPercent)); ++c)
        grid.SetColWidth(c, static_cast<int>(std::max(0L, twips) * kColumnPercent[c] / 100));
    grid_.Refresh();
}

void frmCompliance::SetStatus(const std::string& text) { SetWindowTextA(status_, text.c_str()); }

double frmCompliance::Refresh() {
    WaitCursor wait;
    BenchClock clock;
    SettingsStore main;
    LoadSettingsFile(host_->GetSettingsFile(), main);
    const std::string appFolder = host_->AppFolder();
    const std::string connection = RecordDatabase(main);
    std::vector<LatestAnswer> answers;
    std::vector<std::string> users = ProfileUsers(appFolder);
    const std::vector<std::string> listed = ListedUsers(appFolder);
    users.insert(users.end(), listed.begin(), listed.end());
    std::string problem;
    if (!connection.empty()) {
        SetStatus("Reading the answers from the database...");
        LatestAnswersResult result = QueryLatestAnswers(connection);
        answers = std::move(result.Answers);
        problem = result.Problem;
        sourceText_ = "the database";
    } else {
        const std::string logFolder = GetLogFolder(host_->AdminSettings(), appFolder);
        answers = AnswersFromRecordFiles(logFolder, AnswerCaptions(main), &users);
        sourceText_ = "the record files of " + logFolder;
    }
    if (!problem.empty()) {
        // Without the database's answers every status would be wrong: none are shown.
        rows_.clear();
        Fill();
        SetStatus(problem);
        MessageBoxA(Hwnd(), problem.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
        return clock.Lap();
    }
    Win32Calendar calendar;
    // Each document is read once, however many users it is today's for. The
    // users' own languages are not known here: the document without one.
    std::map<std::string, std::string> fingerprints;
    const auto todaysFingerprint = [&](const SettingsStore& userSettings) {
        DocumentSelectionHooks hooks;
        hooks.FileExists = FileExists;
        const std::string path = TodaysDocumentPath(userSettings, calendar, appFolder, hooks);
        const auto known = fingerprints.find(path);
        if (known != fingerprints.end()) return known->second;
        return fingerprints[path] = path.empty() ? std::string() : FileSha256Hex(path);
    };
    UserSettingsSource settings(main, appFolder, todaysFingerprint);
    rows_ = BuildComplianceRows(
        answers, users, [&settings](const std::string& user) { return settings.For(user); }, calendar);
    Fill();
    return clock.Lap();
}

void frmCompliance::Fill() {
    const int filter = static_cast<int>(std::max<LRESULT>(0, SendMessageA(filter_, CB_GETCURSEL, 0, 0)));
    EditGridModel& model = grid_.Model();
    FlexGrid& grid = model.Grid;
    model.GridClear();
    const auto& headers = ComplianceHeaders();
    grid.SetTextMatrix(0, 0, "No");
    for (std::size_t c = 0; c < headers.size(); ++c) grid.SetTextMatrix(0, static_cast<long>(c) + 1, headers[c]);
    long shown = 0;
    for (const ComplianceRow& row : rows_) shown += PassesFilter(row, filter) ? 1 : 0;
    grid.SetRows(std::max(2L, shown + 1));
    long r = 1;
    for (const ComplianceRow& row : rows_) {
        if (!PassesFilter(row, filter)) continue;
        grid.SetTextMatrix(r, 0, std::to_string(r));
        const std::vector<std::string> cells = ComplianceCells(row);
        for (std::size_t c = 0; c < cells.size(); ++c) grid.SetTextMatrix(r, static_cast<long>(c) + 1, cells[c]);
        ++r;
    }
    grid_.Refresh();
    SetStatus(std::to_string(shown) + " of " + std::to_string(rows_.size()) + " users shown; answers from " +
              sourceText_ + ".");
}

void frmCompliance::Export() {
    WaitCursor wait;
    const std::string logFolder = GetLogFolder(host_->AdminSettings(), host_->AppFolder());
    const OutputStatus status =
        ExportCompliance(ListedCompliance(grid_.Grid()), kCaption, GetOutputFolder(host_->AdminSettings(), logFolder),
                         &Utf8FromAnsiCodePage);
    SetStatus(status.Status);
    host_->ShowStatusMsg(status.Status);
}

void frmCompliance::ShowMe() {
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
}

void frmCompliance::OnCommand(int id, int code) {
    switch (id) {
    case IDC_COMPLIANCE_FILTER:
        if (code == CBN_SELCHANGE) Fill();
        break;
    case IDC_COMPLIANCE_REFRESH:
        if (code == BN_CLICKED) Refresh();
        break;
    case IDC_COMPLIANCE_EXPORT:
        if (code == BN_CLICKED) Export();
        break;
    case IDC_COMPLIANCE_CLOSE:
    case IDCANCEL: DestroyWindow(Hwnd()); break;
    default: break;
    }
}

LRESULT frmCompliance::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_CLOSE: DestroyWindow(Hwnd()); return 0;
    default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void frmCompliance::OnWindowGone() { rows_.clear(); }
