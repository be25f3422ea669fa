#include "admin/document/document_tab_win32.h"

#include "admin/console/console_files.h"
#include "admin/console/console_ids.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "shared/win32/window_helpers.h"

namespace {

// The editor holds whole documents: far beyond the edit control's default
// of 32K characters.
constexpr WPARAM kEditorLimit = 0x7FFFFFFE;

// The working copy is the console's own scratch file: a copy of a read-only
// document comes out read-only too, and then the edits could not be kept in it.
void MakeWritable(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

}  // namespace

bool DocumentTab::Create(ConsoleHost& host) {
    host_ = &host;
    const DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL |
                        WS_HSCROLL | WS_TABSTOP;
    editor_ = CreateChildControl(host.MainWindow(), "EDIT", "", style, IDC_TXTEDITOR, WS_EX_CLIENTEDGE);
    if (!editor_) return false;
    SendMessageA(editor_, EM_SETLIMITTEXT, kEditorLimit, 0);
    editorFont_.Reset(CreatePointFont(host.MainWindow(), 10, false, "Courier New"));
    SetControlFont(editor_, editorFont_.Get());
    viewer_ = CreateDocumentView(host.MainWindow(), IDC_DOCBROWSER);
    if (!viewer_) return false;
    ShowWindow(viewer_->Window(), SW_HIDE);
    return true;
}

void DocumentTab::Open() {
    SetEditorText("");
    workingCopy_ = WorkingCopyOf(GetDocumentFile());
    LoadDocument(GetDocumentFile());
    host_->SetPathLabel(GetDocumentFile());
}

void DocumentTab::Place(const RECT& page) {
    const int width = page.right - page.left, height = page.bottom - page.top;
    MoveWindow(editor_, page.left, page.top, width, height, TRUE);
    MoveWindow(viewer_->Window(), page.left, page.top, width, height, TRUE);
}

void DocumentTab::ShowPage(bool shown) {
    pageShown_ = shown;
    const bool editing = shown && host_->ControlShown(TabControl::Editor);
    ShowWindow(editor_, editing ? SW_SHOW : SW_HIDE);
    ShowWindow(viewer_->Window(), shown && !editing ? SW_SHOW : SW_HIDE);
}

void DocumentTab::Enter() {
    host_->SetPathLabel(GetDocumentFile());
    LoadDocument(GetDocumentFile());
}

void DocumentTab::PickFile(const std::string& labelText) {
    const std::string chosen = host_->GetDiag("Declaration Document", labelText);
    host_->SetPathLabel(chosen);
    documentPath_ = chosen;
    LoadDocument(chosen);
}

bool DocumentTab::Save(std::string* failure) {
    const std::string document = GetDocumentFile();
    if (!IsHtmlFile(document)) return true;
    const std::string text = EditorText();
    if (WriteTextFile(text, document)) return true;
    const std::string reason = LastFileError();
    // The edits stay in the editor and in the working copy.
    WriteTextFile(text, workingCopy_);
    *failure = "Could not save " + document + ": " + reason;
    return false;
}

bool DocumentTab::Command(int id) {
    switch (id) {
    case ID_DOC_VIEWEDIT: ToggleDocView(); return true;
    case IDR_DOCMENU: ShowDocMenu(); return true;
    case ID_KEY_SELECTALL:
        if (GetFocus() != editor_) return false;
        SendMessageA(editor_, EM_SETSEL, 0, -1);
        return true;
    default: break;
    }
    if (id >= ID_DOC_STYLE_FIRST && id <= ID_DOC_STYLE_LAST) {
        ChooseStyle(id - ID_DOC_STYLE_FIRST);
        return true;
    }
    // A notice of the editor (the window passes control notices as
    // MAKELONG(id, code)).
    if (LOWORD(id) == IDC_TXTEDITOR && HIWORD(id) == EN_CHANGE) {
        if (!settingText_) host_->NoteEdit();
        return true;
    }
    return false;
}

std::string DocumentTab::GetDocumentFile() const {
    return ::GetDocumentFile(host_->AppFolder(), documentPath_, host_->AdminSettings());
}

void DocumentTab::LoadDocument(const std::string& path) {
    if (IsHtmlFile(path)) {
        // A copy that fails leaves the previous working copy (or none).
        MakeWritable(workingCopy_);
        CopyFileTo(path, workingCopy_, true);
        MakeWritable(workingCopy_);
        SetEditorText(ReadTextFile(workingCopy_));
        viewer_->Navigate(workingCopy_);
    } else {
        viewer_->Navigate(path);
    }
    ToggleDocView();
}

bool DocumentTab::ShowsViewer() const { return host_->TabCaption(ConsoleTabId::Document) == kViewerCaption; }

void DocumentTab::ToggleDocView() {
    const std::string document = GetDocumentFile();
    if (ShowsViewer() && IsHtmlFile(document)) {
        host_->SetTabCaption(ConsoleTabId::Document, kEditorCaption);
        host_->SetMenuItemText(ID_VIEW_WEBBROWSER, kViewerCaption);
        host_->SetControlShown(TabControl::Editor, true);
        host_->ShowStatusMsg("Edit Tessarin Document");
        return;
    }
    host_->SetTabCaption(ConsoleTabId::Document, kViewerCaption);
    host_->SetMenuItemText(ID_VIEW_WEBBROWSER, kEditorCaption);
    host_->SetControlShown(TabControl::Editor, false);
    host_->SetControlShown(TabControl::PropertyGrid, false);
    if (IsHtmlFile(document)) {
        // The preview shows the working copy: the edits not saved yet.
        WriteWorkingCopy();
        viewer_->Navigate(workingCopy_);
    } else {
        viewer_->Navigate(document);
    }
    host_->ShowStatusMsg("View Tessarin Document");
}

void DocumentTab::WriteWorkingCopy() {
    if (!WriteTextFile(EditorText(), workingCopy_))
        host_->ShowStatusMsg("Could not write " + workingCopy_ + ": " + LastFileError());
}

void DocumentTab::ShowDocMenu() {
    HMENU resource = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_DOCMENU));
    if (!resource) return;
    HMENU menu = GetSubMenu(resource, 0);
    const std::string document = GetDocumentFile();
    const char* mode = ShowsViewer() && IsHtmlFile(document) ? kEditorCaption : kViewerCaption;
    ModifyMenuA(menu, ID_DOC_VIEWEDIT, MF_BYCOMMAND | MF_STRING, ID_DOC_VIEWEDIT, mode);
    if (IsHtmlFile(document)) {
        const std::string folder = host_->AppFolder() + "\\DocStyles\\";
        std::vector<StyleFile> found;
        for (const std::string& name : FileNamesIn(folder)) {
            found.push_back({name, folder + name, FileAccessedDate(folder + name)});
        }
        styles_ = OrderStyles(found);
        HMENU styleMenu = GetSubMenu(menu, 1);
        const int room = ID_DOC_STYLE_LAST - ID_DOC_STYLE_FIRST + 1;
        for (int i = 0; i < static_cast<int>(styles_.size()) && i < room; ++i) {
            if (i == 0) DeleteMenu(styleMenu, ID_DOC_STYLE_NONE, MF_BYCOMMAND);
            AppendMenuA(styleMenu, MF_STRING, ID_DOC_STYLE_FIRST + i, styles_[i].Name.c_str());
        }
    }
    POINT at{};
    GetCursorPos(&at);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, host_->MainWindow(), nullptr);
    DestroyMenu(resource);
}

void DocumentTab::ChooseStyle(int index) {
    if (index < 0 || index >= static_cast<int>(styles_.size())) return;
    documentPath_ = styles_[index].Path;
    host_->SetPathLabel(documentPath_);
    LoadDocument(documentPath_);
}

std::string DocumentTab::EditorText() const { return WindowText(editor_); }

void DocumentTab::SetEditorText(const std::string& text) {
    settingText_ = true;
    SetWindowTextA(editor_, text.c_str());
    settingText_ = false;
}
