#include "admin/console/admin_window_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "admin/compliance/compliance_window_win32.h"
#include "admin/console/console_bench_win32.h"
#include "admin/console/console_files.h"
#include "admin/console/console_ids.h"
#include "admin/console/console_menu.h"
#include "admin/console/picker_dialogs_win32.h"
#include "admin/console/position_store_win32.h"
#include "admin/dates/dates_tab_win32.h"
#include "admin/document/document_tab_win32.h"
#include "admin/records/records_tab_win32.h"
#include "admin/settings/settings_tab_win32.h"
#include "shared/identity.h"
#include "shared/win32/subclass.h"
#include "shared/win32/window_helpers.h"

namespace {

constexpr char kClassName[] = "TsrAdminMain";
constexpr char kCaption[] = "Tessarin Admin";
// Smallest window (pixels at 96 DPI) that keeps the tab captions, the path
// label and both buttons apart.
constexpr int kMinWidth96 = 420;
constexpr int kMinHeight96 = 320;
constexpr int kMargin96 = 6;
constexpr int kButtonWidth96 = 80;
constexpr int kButtonHeight96 = 25;

RECT ClientRectOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

int WindowHeightOf(HWND window) {
    if (!window || !IsWindowVisible(window)) return 0;
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<PixelRect>*>(data)->push_back({static_cast<int>(r.left), static_cast<int>(r.top),
                                                                    static_cast<int>(r.right - r.left),
                                                                    static_cast<int>(r.bottom - r.top)});
    }
    return TRUE;
}

}  // namespace

frmTessarinAdmin::frmTessarinAdmin() {
    tabs_[static_cast<int>(ConsoleTabId::Document)] = std::make_unique<DocumentTab>();
    tabs_[static_cast<int>(ConsoleTabId::Dates)] = std::make_unique<DatesTab>();
    tabs_[static_cast<int>(ConsoleTabId::Settings)] = std::make_unique<SettingsTab>();
    tabs_[static_cast<int>(ConsoleTabId::Logs)] = std::make_unique<RecordsTab>();
}

frmTessarinAdmin::~frmTessarinAdmin() {
    // The tabs' windows (and the compliance view it owns) go before the main window.
    compliance_.reset();
    for (auto& tab : tabs_) tab.reset();
}

bool frmTessarinAdmin::Open(HINSTANCE instance, int showCommand) {
    instance_ = instance;
    appFolder_ = ::AppFolder();
    twipsPerPixelX_ = std::max(1, 1440 / ScreenDpiX());
    twipsPerPixelY_ = std::max(1, 1440 / ScreenDpiY());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    ClassInfo info;
    info.Name = kClassName;
    info.Style = CS_DBLCLKS;
    info.Icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TSRADMIN));
    if (!info.Icon) info.Icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassOnce(info)) return false;
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
    if (!Create(kClassName, kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, CW_USEDEFAULT,
                CW_USEDEFAULT, 600, 500, nullptr))
        return false;
    SetMenu(Hwnd(), menu);
    accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    if (!CreateControls()) return false;

    // Opening, in order: the settings file, the document, the window's
    // place, the tables, the dates file; Loaded last.
    logTip_.CreateToolTip(Hwnd());
    SetControlShown(TabControl::LogGrid, false);
    BenchClock clock;
    LoadSettingsFile(GetSettingsFile(), adminSettings_);
    openingTimes_.SettingsFile = clock.Lap();
    Tab(ConsoleTabId::Document).Open();
    RestorePosition();
    clock.Lap();
    Tab(ConsoleTabId::Settings).Open();
    openingTimes_.SettingsTable = clock.Lap();
    Tab(ConsoleTabId::Logs).Open();
    clock.Lap();
    Tab(ConsoleTabId::Dates).Open();
    openingTimes_.DatesTable = clock.Lap();
    ShowWindow(toolBar_, SW_HIDE);
    EnableWindow(actionButton_, FALSE);
    changed_ = false;
    loaded_ = 1;

    Layout();
    ApplyVisibility();
    ShowWindow(Hwnd(), showCommand);
    UpdateWindow(Hwnd());
    return true;
}

int frmTessarinAdmin::RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (accelerators_ && TranslateAcceleratorA(Hwnd(), accelerators_, &message)) continue;
        if (message.message == WM_KEYDOWN && message.wParam == 'A' && GetKeyState(VK_CONTROL) < 0 &&
            Tab(ConsoleTabId::Document).Command(ID_KEY_SELECTALL))
            continue;
        if (IsDialogMessageA(Hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

bool frmTessarinAdmin::CreateControls() {
    font_.Reset(CreatePointFont(Hwnd(), 8, false, "MS Shell Dlg 2"));
    tabStrip_ = CreateChildControl(Hwnd(), WC_TABCONTROLA, "", WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, IDC_SSTAB1);
    if (!tabStrip_) return false;
    SetControlFont(tabStrip_, font_.Get());
    for (int i = 0; i < kConsoleTabCount; ++i) {
        const std::string caption = TabRuleOf(static_cast<ConsoleTabId>(i)).Caption;
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(caption.c_str());
        SendMessageA(tabStrip_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SubclassWindow(tabStrip_, &frmTessarinAdmin::TabStripProc);

    for (auto& tab : tabs_) {
        if (!tab->Create(*this)) return false;
    }
    auto add = [this](const char* cls, const char* text, DWORD style, int id) {
        HWND child = CreateChildControl(Hwnd(), cls, text, WS_VISIBLE | style, id);
        SetControlFont(child, font_.Get());
        return child;
    };
    actionButton_ = add("BUTTON", "&Save", WS_TABSTOP | BS_PUSHBUTTON, IDC_CMDSAVE);
    closeButton_ = add("BUTTON", "&Close", WS_TABSTOP | BS_PUSHBUTTON, IDC_CMDCLOSE);
    label1_ = add("STATIC", "File:", SS_LEFT | SS_NOTIFY | SS_CENTERIMAGE, IDC_LABEL1);
    pathLabel_ = add("STATIC", "", SS_LEFT | SS_NOTIFY | SS_CENTERIMAGE | SS_PATHELLIPSIS, IDC_LBLFILEPATH);
    statusBar_ =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | SBARS_TOOLTIPS, 0, 0, 0, 0,
                        Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_SBSTATUSBAR)), instance_, nullptr);
    CreateToolbar();
    // The tab strip lies under the pages it frames.
    SetWindowPos(tabStrip_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return actionButton_ && closeButton_ && label1_ && pathLabel_ && statusBar_;
}

void frmTessarinAdmin::CreateToolbar() {
    toolBar_ =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                        WS_CHILD | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | TBSTYLE_WRAPABLE | CCS_TOP, 0, 0, 0,
                        0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TBTOOLBAR)), instance_, nullptr);
    if (!toolBar_) return;
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolBar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(toolBar_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    int count = 0;
    const ToolbarButton* buttons = ToolbarButtons(&count);
    for (int i = 0; i < count; ++i) {
        // The system's images where it has one; the others show their key.
        static const struct {
            int Id, Image;
        } images[] = {{ID_TB_NEW, STD_FILENEW}, {ID_TB_OPEN, STD_FILEOPEN}, {ID_TB_SAVE, STD_FILESAVE},
                      {ID_TB_PRINT, STD_PRINT}, {ID_TB_CUT, STD_CUT},       {ID_TB_COPY, STD_COPY},
                      {ID_TB_PASTE, STD_PASTE}};
        int image = I_IMAGENONE;
        for (const auto& known : images) {
            if (known.Id == buttons[i].CommandId) image = known.Image;
        }
        const INT_PTR text = SendMessageA(toolBar_, TB_ADDSTRINGA, 0,
                                          reinterpret_cast<LPARAM>((std::string(buttons[i].Key) + '\0').c_str()));
        TBBUTTON button{};
        button.iBitmap = image;
        button.idCommand = buttons[i].CommandId;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = static_cast<BYTE>(BTNS_BUTTON | BTNS_AUTOSIZE | (image == I_IMAGENONE ? BTNS_SHOWTEXT : 0));
        button.iString = text;
        SendMessageA(toolBar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
}

// ---- position ----

void frmTessarinAdmin::RestorePosition() {
    const PixelRect wanted = ToPixels(LoadWindowPosition(), twipsPerPixelX_, twipsPerPixelY_);
    std::vector<PixelRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const PixelRect primary{static_cast<int>(work.left), static_cast<int>(work.top),
                            static_cast<int>(work.right - work.left), static_cast<int>(work.bottom - work.top)};
    if (areas.empty()) areas.push_back(primary);
    const PixelRect place = KeepOnScreen(wanted, areas, primary, Scale96(kMinWidth96), Scale96(kMinHeight96),
                                         twipsPerPixelX_, twipsPerPixelY_);
    SetWindowPos(Hwnd(), nullptr, place.X, place.Y, place.Width, place.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmTessarinAdmin::StorePosition() {
    if (IsIconic(Hwnd())) return;
    RECT rect{};
    GetWindowRect(Hwnd(), &rect);
    const PixelRect pixels{static_cast<int>(rect.left), static_cast<int>(rect.top),
                           static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
    SaveWindowPosition(ToTwips(pixels, twipsPerPixelX_, twipsPerPixelY_));
}

// ---- layout ----

int frmTessarinAdmin::BottomStripHeight() const { return Scale96(kButtonHeight96) + 2 * Scale96(kMargin96); }

void frmTessarinAdmin::Layout() {
    if (!tabStrip_) return;
    if (statusBar_) SendMessageA(statusBar_, WM_SIZE, 0, 0);
    if (toolBar_) SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    const RECT client = ClientRectOf(Hwnd());
    const int margin = Scale96(kMargin96);
    const int top = WindowHeightOf(toolBar_) + margin;
    const int bottom = client.bottom - WindowHeightOf(statusBar_);
    const int stripTop = bottom - BottomStripHeight();
    const int buttonWidth = Scale96(kButtonWidth96), buttonHeight = Scale96(kButtonHeight96);

    if (statusBar_) {
        // One panel over the whole width: the messages name files and folders.
        int parts[1] = {-1};
        SendMessageA(statusBar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
    }
    MoveWindow(tabStrip_, margin, top, std::max(1, static_cast<int>(client.right) - 2 * margin),
               std::max(1, stripTop - top), TRUE);
    const int buttonTop = stripTop + margin;
    const int closeLeft = client.right - margin - buttonWidth;
    const int actionLeft = closeLeft - margin - buttonWidth;
    MoveWindow(closeButton_, closeLeft, buttonTop, buttonWidth, buttonHeight, TRUE);
    MoveWindow(actionButton_, actionLeft, buttonTop, buttonWidth, buttonHeight, TRUE);
    const int labelWidth = TextSize(Hwnd(), font_.Get(), "File:").cx + Scale96(4);
    MoveWindow(label1_, margin, buttonTop, labelWidth, buttonHeight, TRUE);
    const int pathLeft = margin + labelWidth + Scale96(2);
    MoveWindow(pathLabel_, pathLeft, buttonTop, std::max(1, actionLeft - margin - pathLeft), buttonHeight, TRUE);

    // The page: the tab strip's display area, in the window's coordinates.
    RECT page{};
    GetWindowRect(tabStrip_, &page);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&page), 2);
    SendMessageA(tabStrip_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    for (auto& tab : tabs_) tab->Place(page);
    const long innerWidth = static_cast<long>(client.right) * twipsPerPixelX_;
    for (auto& tab : tabs_) tab->WindowWidthChanged(innerWidth);
}

// ---- tabs ----

ConsoleTabId frmTessarinAdmin::CurrentTab() const {
    const int index = static_cast<int>(SendMessageA(tabStrip_, TCM_GETCURSEL, 0, 0));
    return static_cast<ConsoleTabId>(std::clamp(index, 0, kConsoleTabCount - 1));
}

void frmTessarinAdmin::ApplyVisibility() {
    const ConsoleTabId current = CurrentTab();
    for (int i = 0; i < kConsoleTabCount; ++i) tabs_[i]->ShowPage(static_cast<ConsoleTabId>(i) == current);
}

void frmTessarinAdmin::SetControlShown(TabControl control, bool shown) {
    shown_[static_cast<int>(control)] = shown;
    if (tabStrip_) ApplyVisibility();
}

bool frmTessarinAdmin::ControlShown(TabControl control) const { return shown_[static_cast<int>(control)]; }

void frmTessarinAdmin::SetTabCaption(ConsoleTabId tab, const std::string& caption) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(tabStrip_, TCM_SETITEMA, static_cast<int>(tab), reinterpret_cast<LPARAM>(&item));
}

std::string frmTessarinAdmin::TabCaption(ConsoleTabId tab) const {
    char text[128] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabStrip_, TCM_GETITEMA, static_cast<int>(tab), reinterpret_cast<LPARAM>(&item));
    return text;
}

void frmTessarinAdmin::SetMenuItemText(int commandId, const std::string& text) {
    ModifyMenuA(GetMenu(Hwnd()), commandId, MF_BYCOMMAND | MF_STRING, commandId, text.c_str());
}

void frmTessarinAdmin::OnTabClick() {
    const ConsoleTabId tab = CurrentTab();
    const TabRule& rule = TabRuleOf(tab);
    if (!rule.CaptionFromBundleOption) SetWindowTextA(actionButton_, kSaveCaption);
    if (rule.State == ActionState::FollowsChanged) EnableWindow(actionButton_, changed_);
    if (rule.State == ActionState::Enabled) EnableWindow(actionButton_, TRUE);
    for (TabControl control : rule.Shown) shown_[static_cast<int>(control)] = true;
    for (TabControl control : rule.Hidden) shown_[static_cast<int>(control)] = false;
    ApplyVisibility();
    Tab(tab).Enter();
    ShowStatusMsg(rule.Status);
}

void frmTessarinAdmin::OnTabStripMouse(UINT message) {
    const ConsoleTabId tab = CurrentTab();
    if (message == WM_RBUTTONDOWN) {
        if (tab == ConsoleTabId::Document) Tab(tab).Command(IDR_DOCMENU);
        return;
    }
    if (tab == ConsoleTabId::Settings) SetTabCaption(ConsoleTabId::Document, kEditorCaption);
    if (message == WM_LBUTTONDBLCLK && tab == ConsoleTabId::Document) Tab(tab).Command(ID_DOC_VIEWEDIT);
}

LRESULT CALLBACK frmTessarinAdmin::TabStripProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (auto* window = Window::FromHwnd<frmTessarinAdmin>(GetParent(hwnd))) window->OnTabStripMouse(message);
        break;
    default: break;
    }
    return CallOriginalProc(hwnd, message, wParam, lParam);
}

double frmTessarinAdmin::TimeTablePaint(ConsoleTabId tab) {
    SendMessageA(tabStrip_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    OnTabClick();
    HWND table = GetDlgItem(Hwnd(), tab == ConsoleTabId::Dates ? IDC_GRDDOCDATES : IDC_GRDPROPERTY);
    BenchClock clock;
    RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return clock.Lap();
}

// ---- shared state, buttons and files ----

std::string frmTessarinAdmin::GetSettingsFile() { return ::GetSettingsFile(appFolder_, &adminSettingsPath_); }

void frmTessarinAdmin::OpenSettingsFile(const std::string& path) {
    adminSettingsPath_ = path;
    adminSettings_.Clear();
    LoadSettingsFile(path, adminSettings_);
}

void frmTessarinAdmin::ShowStatusMsg(const std::string& message) {
    if (!statusBar_) return;
    SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(message.c_str()));
    // A message cut by a narrow window shows whole when the pointer rests on it.
    SendMessageA(statusBar_, SB_SETTIPTEXTA, 0, reinterpret_cast<LPARAM>(message.c_str()));
}

void frmTessarinAdmin::NoteEdit() {
    if (loaded_ != 1) return;
    changed_ = true;
    EnableWindow(actionButton_, TRUE);
}

void frmTessarinAdmin::SetPathLabel(const std::string& text) { SetWindowTextA(pathLabel_, text.c_str()); }

void frmTessarinAdmin::SetActionButton(const std::string& caption, bool enabled) {
    SetWindowTextA(actionButton_, caption.c_str());
    EnableWindow(actionButton_, enabled);
}

std::string frmTessarinAdmin::ActionCaption() const { return WindowText(actionButton_); }

std::string frmTessarinAdmin::GetDiag(const std::string& header, const std::string& current) {
    return RunPicker(Hwnd(), PickerFor(header, appFolder_), current);
}

CopyResult frmTessarinAdmin::CopyProperty(const std::string& strUser) {
    return static_cast<SettingsTab&>(Tab(ConsoleTabId::Settings)).CopyProperty(strUser);
}

void frmTessarinAdmin::GenerateSqlFile(ctlEditGrid& ctlGrid) {
    static_cast<RecordsTab&>(Tab(ConsoleTabId::Logs)).GenerateSqlFile(ctlGrid);
}

void frmTessarinAdmin::OnActionButton() {
    const std::string caption = ActionCaption();
    if (caption == "&Bundle" || caption == "&Export" || caption == "&Sql") {
        Tab(ConsoleTabId::Logs).Action(caption);
        return;
    }
    SaveAll();
}

void frmTessarinAdmin::OnPathLabelClick() {
    PromptSave();
    const ConsoleTabId tab = CurrentTab();
    Tab(tab).PickFile(WindowText(pathLabel_));
}

void frmTessarinAdmin::PromptSave() {
    if (!changed_) return;
    const int answer = Message("Do you want to save changes?", "Save File", MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
        SaveAll();
        return;
    }
    ShowStatusMsg("Files have not been saved");
    OpenSettingsFile(GetSettingsFile());
    Tab(ConsoleTabId::Settings).DiscardEdits();
    changed_ = false;
    EnableWindow(actionButton_, FALSE);
}

void frmTessarinAdmin::SaveAll() {
    // Document, settings, dates; the first failure stops the save and is
    // named, so nothing is reported saved that was not.
    for (ConsoleTabId tab : {ConsoleTabId::Document, ConsoleTabId::Settings, ConsoleTabId::Dates}) {
        std::string failure;
        if (!Tab(tab).Save(&failure)) {
            ShowStatusMsg("Files have not been saved: " + failure);
            Message(failure, kCaption, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    ShowStatusMsg("Files have been saved");
    changed_ = false;
    EnableWindow(actionButton_, FALSE);
}

void frmTessarinAdmin::OnClose() {
    StorePosition();
    PromptSave();
    DestroyWindow(Hwnd());
}

int frmTessarinAdmin::Message(const std::string& text, const std::string& title, UINT flags) {
    return MessageBoxA(Hwnd(), text.c_str(), title.c_str(), flags);
}

LRESULT frmTessarinAdmin::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) Layout();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = Scale96(kMinWidth96);
        info->ptMinTrackSize.y = Scale96(kMinHeight96);
        return 0;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == tabStrip_ && header->code == TCN_SELCHANGE) OnTabClick();
        if (header->hwndFrom == toolBar_ && header->code == TBN_DROPDOWN) return TBDDRET_DEFAULT;
        return 0;
    }
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_LBUTTONDBLCLK: ShowAboutBox(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefaultHandling(message, wParam, lParam);
    }
}

double frmTessarinAdmin::ShowCompliance() {
    if (!compliance_ || !compliance_->Hwnd()) {
        compliance_ = std::make_unique<frmCompliance>();
        if (!compliance_->Load(*this)) {
            compliance_.reset();
            return 0;
        }
    }
    compliance_->ShowMe();
    UpdateWindow(compliance_->Hwnd());
    return compliance_->Refresh();
}
