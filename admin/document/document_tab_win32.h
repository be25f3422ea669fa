// The document tab: the declaration document edited as source text in
// txtEditor and previewed in DocBrowser, with edits held in a working copy
// beside the document until the administrator saves.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "admin/console/console_tab.h"
#include "admin/document/style_list.h"
#include "shared/docview/document_view.h"
#include "shared/win32/handles.h"

class DocumentTab : public ConsoleTab {
public:
    bool Create(ConsoleHost& host) override;
    void Open() override;
    void Place(const RECT& page) override;
    void ShowPage(bool shown) override;
    void Enter() override;
    void PickFile(const std::string& labelText) override;
    bool Save(std::string* failure) override;
    bool Command(int id) override;

    std::string GetDocumentFile() const;
    void LoadDocument(const std::string& path);
    void ToggleDocView();

private:
    bool ShowsViewer() const;
    void ShowDocMenu();
    void ChooseStyle(int index);
    void WriteWorkingCopy();
    std::string EditorText() const;
    void SetEditorText(const std::string& text);

    ConsoleHost* host_ = nullptr;
    HWND editor_ = nullptr;
    std::unique_ptr<DocumentView> viewer_;
    GdiObject<HFONT> editorFont_;
    std::string documentPath_;  // DocumentPath: the picked document
    std::string workingCopy_;   // fixed when the window opened
    std::vector<StyleFile> styles_;
    bool pageShown_ = false;
    bool settingText_ = false;  // the tab fills the editor: not an edit
};
