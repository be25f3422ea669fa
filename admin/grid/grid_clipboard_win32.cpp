// Ctrl+C and Ctrl+V: the selection's clip form (cells by tab, rows by CR)
// to and from the system clipboard as text.
#include "admin/grid/edit_grid_procs_win32.h"

#include <cstring>

namespace {

// The clipboard, open for one scope.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != 0) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool Open() const { return open_; }

private:
    bool open_;
};

// Global memory that is freed unless the clipboard took it.
class GlobalText {
public:
    explicit GlobalText(const std::string& text) : memory_(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (!memory_) return;
        if (void* at = GlobalLock(memory_)) {
            std::memcpy(at, text.c_str(), text.size() + 1);
            GlobalUnlock(memory_);
        }
    }
    ~GlobalText() {
        if (memory_) GlobalFree(memory_);
    }
    GlobalText(const GlobalText&) = delete;
    GlobalText& operator=(const GlobalText&) = delete;
    HGLOBAL Get() const { return memory_; }
    void HandedOver() { memory_ = nullptr; }

private:
    HGLOBAL memory_;
};

}  // namespace

bool ctlEditGrid::CopyToClipboard() {
    if (!GridHwnd()) return false;
    CommitOpenEditor();
    GlobalText text(model_.GetGridClip());
    if (!text.Get()) return false;
    OpenClipboardScope clipboard(GridHwnd());
    if (!clipboard.Open() || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_TEXT, text.Get())) return false;
    text.HandedOver();
    return true;
}

bool ctlEditGrid::PasteFromClipboard() {
    // A grid that may not be edited takes no paste either.
    if (!GridHwnd() || !model_.EditableRows()) return false;
    std::string text;
    {
        OpenClipboardScope clipboard(GridHwnd());
        if (!clipboard.Open()) return false;
        HANDLE data = GetClipboardData(CF_TEXT);
        if (!data) return false;
        const char* chars = static_cast<const char*>(GlobalLock(data));
        if (!chars) return false;
        text.assign(chars, strnlen(chars, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseEditor();
    FlexGrid& g = model_.Grid;
    const GridRange range = PasteRange(g, text);
    g.SetSelection(range.Top, range.Left, range.Bottom, range.Right);
    g.SetClip(text);
    listener_->SelChange();
    return true;
}
