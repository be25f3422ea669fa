// GridDemo.exe: one editable grid with sample acceptance records, for trying
// the control by hand, the end-to-end scenarios and the benchmark.
//
//   GridDemo.exe [/rows N] [/bench RESULTFILE]
//
// The status line shows the current cell ("R3 C2: text"); "Save Table"
// writes the whole table (Grid2Str) to GridDemo.txt and the grid's
// properties to the [grdDemo] section of GridDemo.ini in the current folder.
// With /bench the program times its grid and writes the results instead.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "admin/grid/demo/grid_demo_data.h"
#include "admin/grid/demo/grid_demo_ids.h"
#include "admin/grid/edit_grid_win32.h"
#include "admin/grid/grid_menu.h"
#include "shared/settings_store.h"
#include "shared/win32/window.h"
#include "shared/win32/window_helpers.h"

namespace {

constexpr char kDemoClass[] = "TsrGridDemo";
constexpr char kDemoTitle[] = "Grid Demo";
constexpr long kDefaultRows = 10000;
constexpr double kLimitMs = 100.0;

struct DemoOptions {
    long Rows = kDefaultRows;
    std::string BenchFile;  // empty: interactive
};

DemoOptions ReadOptions() {
    DemoOptions options;
    for (int i = 1; i < __argc; ++i) {
        const std::string arg = __argv[i];
        if ((arg == "/rows" || arg == "-rows") && i + 1 < __argc) {
            options.Rows = std::max(1L, std::min(std::atol(__argv[++i]), 200000L));
        } else if ((arg == "/bench" || arg == "-bench") && i + 1 < __argc) {
            options.BenchFile = __argv[++i];
        }
    }
    return options;
}

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Ms() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{}, start_{};
};

class DemoWindow : public Window, public EditGridListener {
public:
    explicit DemoWindow(const DemoOptions& options) : options_(options) {}
    bool Create();
    int RunBench(double createMs);

    // EditGridListener
    void RowColChange() override { UpdateStatus(); }
    void LeaveCell() override { updateTotal_ = true; }
    void SelChange() override { UpdateStatus(); }
    void MouseDown(int Button, int, long, long) override;
    void MouseUp(int Button, int, long, long) override;
    void KeyUp(int&, int&) override { UpdateStatus(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Fill();
    void Layout();
    void UpdateStatus();
    void SaveTable();
    void ToggleInfo();
    void OnCommand(int id);
    HWND AddChild(const char* cls, const char* text, DWORD style, int id);

    DemoOptions options_;
    HWND status_ = nullptr;
    HWND total_ = nullptr;
    GdiObject<HFONT> font_;
    ctlEditGrid grid_;
    bool infoShown_ = false;
    bool updateTotal_ = true;
    bool showRowMenu_ = false;
};

HWND DemoWindow::AddChild(const char* cls, const char* text, DWORD style, int id) {
    HWND child = CreateChildControl(Hwnd(), cls, text, WS_VISIBLE | style, id);
    SetControlFont(child, font_.Get());
    return child;
}

bool DemoWindow::Create() {
    ClassInfo info;
    info.Name = kDemoClass;
    info.Icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassOnce(info)) return false;
    font_.Reset(CreatePointFont(nullptr, 8, false, "Tahoma"));
    if (!Window::Create(kDemoClass, kDemoTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 40, 30, 860, 560, nullptr))
        return false;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    if (!grid_.Create(Hwnd(), IDC_DEMO_GRID, RECT{8, 8, client.right - 8, client.bottom - 44})) return false;
    grid_.SetListener(this);
    status_ = AddChild("STATIC", "", SS_LEFT | SS_SUNKEN | SS_CENTERIMAGE | SS_ENDELLIPSIS, IDC_DEMO_STATUS);
    total_ = AddChild("STATIC", "", SS_LEFT | SS_CENTERIMAGE, IDC_DEMO_TOTAL);
    AddChild("BUTTON", "Find...", WS_TABSTOP | BS_PUSHBUTTON, IDC_DEMO_FIND);
    AddChild("BUTTON", "Save Table", WS_TABSTOP | BS_PUSHBUTTON, IDC_DEMO_SAVE);
    AddChild("BUTTON", "Show Info", WS_TABSTOP | BS_PUSHBUTTON, IDC_DEMO_INFO);
    Fill();
    Layout();
    UpdateStatus();
    return true;
}

void DemoWindow::Fill() {
    FlexGrid& g = grid_.Grid();
    const auto& columns = DemoColumns();
    g.SetCols(static_cast<long>(columns.size()));
    g.SetRows(2);
    g.Props().AllowUserResizing = 1;
    grid_.Setup();
    std::vector<std::string> names, captions;
    std::string formats;
    for (size_t c = 0; c < columns.size(); ++c) {
        names.push_back(columns[c].Caption);
        captions.push_back(columns[c].Caption);
        formats += (c ? "," : "") + std::string(columns[c].Format);
        g.SetColWidth(static_cast<long>(c), columns[c].Width);
    }
    names.push_back("");  // the last name is never used
    grid_.Model().SetupColHeaders(names, captions);
    grid_.Model().SetColFormat(formats);
    g.SetColAlignment(5, 7);  // minutes right-aligned
    for (size_t c = 1; c < columns.size(); ++c) grid_.SetCellCtl(static_cast<long>(c), columns[c].Editor);
    for (const auto& name : DemoComputers()) grid_.AddCellComboEditItem(2, name);
    for (const auto& answer : DemoAnswers()) grid_.AddCellComboItem(4, answer);
    for (const auto& day : DemoWeekdays()) grid_.AddCellComboEditItem(6, day);
    grid_.SetColComboOption("0,1,2,3,4,5,6,7,8,9,10");
    grid_.SetTypeCheckingTime(400);

    const FormatLocale locale = SystemFormatLocale();
    g.SetRows(options_.Rows + 2);
    for (long i = 1; i <= options_.Rows; ++i) grid_.Model().AddRowDetail(DemoRow(i, locale), i, 1, i);
    g.SetCurrentCell(1, 1);
    grid_.SetGridSize();
}

void DemoWindow::Layout() {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int w = client.right, h = client.bottom;
    MoveWindow(grid_.Hwnd(), 8, 8, w - 16, h - 52, TRUE);
    MoveWindow(status_, 8, h - 36, std::max(60, w - 560), 24, TRUE);
    MoveWindow(total_, std::max(72, w - 544), h - 36, 180, 24, TRUE);
    int x = w - 8 - 3 * 104;
    for (int id : {IDC_DEMO_FIND, IDC_DEMO_SAVE, IDC_DEMO_INFO}) {
        MoveWindow(GetDlgItem(Hwnd(), id), x, h - 38, 96, 28, TRUE);
        x += 104;
    }
}

void DemoWindow::UpdateStatus() {
    if (!status_) return;
    FlexGrid& g = grid_.Grid();
    const std::string text = " R" + std::to_string(g.Row()) + " C" + std::to_string(g.Col()) + ": " + g.Text();
    SetWindowTextA(status_, text.c_str());
    if (updateTotal_) {
        char total[64];
        std::snprintf(total, sizeof(total), "Minutes total: %.2f", ColTotal(grid_.Model(), 5));
        SetWindowTextA(total_, total);
        updateTotal_ = false;
    }
}

void DemoWindow::MouseDown(int Button, int, long, long) {
    if (Button != 2) return;
    // The row menu works on the row pressed.
    FlexGrid& g = grid_.Grid();
    const long row = grid_.MouseRow(), col = grid_.MouseCol();
    if (row >= g.FixedRows() && col >= g.FixedCols()) g.SetCurrentCell(row, col);
    showRowMenu_ = true;
}

void DemoWindow::MouseUp(int Button, int, long, long) {
    if (Button != 2 || !showRowMenu_) return;
    showRowMenu_ = false;
    HMENU menu = LoadMenuA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(), GWLP_HINSTANCE)),
                           MAKEINTRESOURCEA(IDM_ROW_MENU));
    if (!menu) return;
    POINT at{};
    GetCursorPos(&at);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr);
    DestroyMenu(menu);
}

void DemoWindow::SaveTable() {
    FlexGrid& g = grid_.Grid();
    const GridRange kept = g.Selection();
    const long top = g.TopRow();
    const std::string table = grid_.Model().Grid2Str();
    // Grid2Str leaves the current cell on the last row it read; the demo
    // puts the user's cell back.
    g.SetSelection(kept.Top, kept.Left, kept.Bottom, kept.Right);
    g.SetTopRow(top);
    std::ofstream("GridDemo.txt", std::ios::binary) << table;

    SettingsStore store(StoreVariant::Console);
    LoadSettingsFile("GridDemo.ini", store);
    SettingsPropertyBag bag(store.Entries(), "grdDemo");
    grid_.WriteProperties(bag);
    SaveSettingsFile(store, "GridDemo.ini");
    SetWindowTextA(status_, " Saved GridDemo.txt and GridDemo.ini");
}

void DemoWindow::ToggleInfo() {
    infoShown_ = !infoShown_;
    SetDlgItemTextA(Hwnd(), IDC_DEMO_INFO, infoShown_ ? "Hide Info" : "Show Info");
    if (!infoShown_) {
        grid_.HideInfo();
        return;
    }
    // Below the current cell, or above it when the cell is near the bottom.
    const FlexGrid& g = grid_.Grid();
    RECT client{};
    GetClientRect(grid_.Hwnd(), &client);
    const long height = grid_.Scale().ToTwipsY(client.bottom);
    long top = g.CellTop() + g.CellHeight() + 60;
    if (top + 2 * kStandardRowHeight > height) top = std::max(0L, g.CellTop() - kStandardRowHeight - 60);
    grid_.ShowInfo(g.CellLeft() + 120, top, "Type to edit; Enter moves on, Escape undoes");
}

void DemoWindow::OnCommand(int id) {
    EditGridModel& m = grid_.Model();
    const long row = m.Grid.Row(), col = m.Grid.Col();
    switch (id) {
    case IDC_DEMO_FIND:
    case IDM_FIND: grid_.ShowFindBox(); break;
    case IDC_DEMO_SAVE: SaveTable(); break;
    case IDC_DEMO_INFO: ToggleInfo(); break;
    case IDM_ROW_BOLD: SetRowStyle(m, row, "Bold", 1); break;
    case IDM_ROW_ITALIC: SetRowStyle(m, row, "Italic", 1); break;
    case IDM_ROW_STRIKE: m.ToggleRowStrikeThrough(); break;
    case IDM_ROW_PLAIN:
        SetRowStyle(m, row, "Bold", 0);
        SetRowStyle(m, row, "", 0);
        break;
    case IDM_ROW_COLOUR: grid_.ChooseRowForeColor(); break;
    case IDM_CELL_COLOUR: grid_.ChooseCellForeColor(); break;
    case IDM_COPY: grid_.CopyToClipboard(); break;
    case IDM_PASTE: grid_.PasteFromClipboard(); break;
    default: return;
    }
    // Row styles select the whole row; the user's cell comes back.
    if (id >= IDM_ROW_BOLD && id <= IDM_ROW_PLAIN) m.Grid.SetCurrentCell(row, col);
    UpdateStatus();
}

LRESULT DemoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_.Get());
    case WM_SIZE:
        if (status_) Layout();
        return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefaultHandling(message, wParam, lParam);
    }
}

// ---- benchmark ----

struct Timing {
    std::string Name;
    std::vector<double> Ms;
    bool Limited = true;  // held to the 100 ms limit
    double Median() const {
        std::vector<double> v = Ms;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double Max() const { return Ms.empty() ? 0 : *std::max_element(Ms.begin(), Ms.end()); }
};

template <class Work>
Timing Measure(const std::string& name, int runs, Work work) {
    Timing t{name, {}, true};
    for (int i = 0; i < runs; ++i) {
        Stopwatch watch;
        work(i);
        t.Ms.push_back(watch.Ms());
    }
    return t;
}

int DemoWindow::RunBench(double createMs) {
    HWND gridWindow = grid_.GridHwnd();
    FlexGrid& g = grid_.Grid();
    std::vector<Timing> timings;
    timings.push_back(Timing{
        "create the window, fill " + std::to_string(options_.Rows) + " rows, show (no limit)", {createMs}, false});
    timings.push_back(
        Measure("Grid2Str, " + std::to_string(options_.Rows) + " rows", 7, [&](int) { grid_.Model().Grid2Str(); }));
    g.SetCurrentCell(1, 1);
    grid_.Refresh();
    timings.push_back(Measure("repaint whole grid", 20, [&](int) {
        InvalidateRect(gridWindow, nullptr, FALSE);
        UpdateWindow(gridWindow);
    }));
    timings.push_back(Measure("scroll bar page down (with paint)", 200,
                              [&](int) { SendMessageA(gridWindow, WM_VSCROLL, SB_PAGEDOWN, 0); }));
    timings.push_back(Measure("scroll to end and back (with paint)", 20,
                              [&](int i) { SendMessageA(gridWindow, WM_VSCROLL, i % 2 ? SB_TOP : SB_BOTTOM, 0); }));
    timings.push_back(Measure("wheel 3 rows (with paint)", 200, [&](int i) {
        SendMessageA(gridWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, i < 100 ? -WHEEL_DELTA : WHEEL_DELTA), 0);
    }));
    timings.push_back(Measure("Page Down key (with paint)", 200, [&](int) {
        SendMessageA(gridWindow, WM_KEYDOWN, VK_NEXT, 0);
        UpdateWindow(gridWindow);
    }));

    bool within = true;
    std::string report;
    for (const Timing& t : timings) {
        char line[200];
        std::snprintf(line, sizeof(line), "%s: median %.2f ms, max %.2f ms (%zu runs)\r\n", t.Name.c_str(), t.Median(),
                      t.Max(), t.Ms.size());
        report += line;
        if (t.Limited && t.Median() >= kLimitMs) within = false;
    }
    report += within ? "result: ok\r\n" : "result: over 100 ms\r\n";
    std::ofstream(options_.BenchFile, std::ios::binary) << report;
    return within ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    const DemoOptions options = ReadOptions();
    DemoWindow demo(options);
    Stopwatch created;
    if (!demo.Create()) return 2;
    ShowWindow(demo.Hwnd(), show);
    UpdateWindow(demo.Hwnd());
    if (!options.BenchFile.empty()) {
        const int result = demo.RunBench(created.Ms());
        DestroyWindow(demo.Hwnd());
        return result;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
