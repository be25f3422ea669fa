#include "control_items_win32.h"

#include <commctrl.h>

#include "shared/win32/handles.h"
#include "window_find_win32.h"

namespace {

constexpr int kCaptionRoom = 256;

// Memory in another process, freed when it goes out of scope.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    void* Address() const { return address_; }

private:
    HANDLE process_;
    void* address_;
};

// The lent block: what the control fills in, and the caption's room.
struct Exchange {
    TCITEMA tab;
    TBBUTTON button;
    RECT rect;
    char caption[kCaptionRoom];
};

LRESULT Ask(HWND control, UINT message, WPARAM wParam, const void* remoteField) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(control, message, wParam, reinterpret_cast<LPARAM>(remoteField), SMTO_ABORTIFHUNG, 2000,
                             &result))
        return -1;
    return static_cast<LRESULT>(result);
}

// Asks one item of the control for its caption, rectangle and state.
bool ReadItem(HWND control, bool toolbar, HANDLE process, Exchange* remote, int index, ControlItem& item) {
    Exchange local{};
    local.tab.mask = TCIF_TEXT;
    local.tab.pszText = remote->caption;
    local.tab.cchTextMax = kCaptionRoom;
    if (!WriteProcessMemory(process, remote, &local, sizeof local, nullptr)) return false;
    bool answered;
    if (toolbar) {
        answered = Ask(control, TB_GETBUTTON, index, &remote->button) > 0 &&
                   ReadProcessMemory(process, &remote->button, &local.button, sizeof local.button, nullptr) &&
                   Ask(control, TB_GETITEMRECT, index, &remote->rect) > 0;
        if (answered) Ask(control, TB_GETBUTTONTEXTA, local.button.idCommand, remote->caption);
        item.selected = (local.button.fsState & (TBSTATE_CHECKED | TBSTATE_PRESSED)) != 0;
    } else {
        answered = Ask(control, TCM_GETITEMA, index, &remote->tab) > 0 &&
                   Ask(control, TCM_GETITEMRECT, index, &remote->rect) > 0;
        item.selected = SendMessageA(control, TCM_GETCURSEL, 0, 0) == index;
    }
    if (!answered || !ReadProcessMemory(process, remote, &local, sizeof local, nullptr)) return false;
    local.caption[kCaptionRoom - 1] = '\0';
    item.caption = local.caption;
    // Client coordinates to the corner click --at counts from.
    RECT window{};
    GetWindowRect(control, &window);
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    const LONG dx = origin.x - window.left, dy = origin.y - window.top;
    item.rect = {local.rect.left + dx, local.rect.top + dy, local.rect.right + dx, local.rect.bottom + dy};
    return true;
}

}  // namespace

bool ReadControlItems(HWND control, std::vector<ControlItem>& items, std::string& error) {
    items.clear();
    const std::string kind = WindowClass(control);
    const bool toolbar = lstrcmpiA(kind.c_str(), TOOLBARCLASSNAMEA) == 0;
    if (!toolbar && lstrcmpiA(kind.c_str(), WC_TABCONTROLA) != 0) {
        error = "not a tab control or toolbar: " + kind;
        return false;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    KernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process.Valid()) {
        error = "cannot open the control's process";
        return false;
    }
    RemoteBlock block(process.Get(), sizeof(Exchange));
    if (!block.Address()) {
        error = "no memory in the control's process";
        return false;
    }
    const int count = static_cast<int>(SendMessageA(control, toolbar ? TB_BUTTONCOUNT : TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ControlItem item;
        if (!ReadItem(control, toolbar, process.Get(), static_cast<Exchange*>(block.Address()), i, item)) {
            error = "item " + std::to_string(i) + " cannot be read";
            return false;
        }
        items.push_back(item);
    }
    return true;
}
