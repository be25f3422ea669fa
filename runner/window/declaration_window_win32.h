// The declaration window: full screen, on top, showing the site's declaration.
// It owns its controls and parts; the answer, lockdown and parts files do
// their share of the work over it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runner/answer/declaration_answer_win32.h"
#include "runner/lockdown/declaration_lockdown_win32.h"
#include "runner/window/declaration_parts_win32.h"
#include "runner/window/layout.h"
#include "runner/window/monitor_cover_win32.h"
#include "runner/window/picture_control_win32.h"
#include "runner/window/picture_pixels.h"
#include "runner/window/program_random.h"
#include "runner/window/window_settings.h"
#include "shared/win32/handles.h"
#include "shared/win32/window.h"

class DocumentBrowser;
class DocumentSelection;
class DocumentView;
class PictureResources;
class RunControl;

struct DeclarationControls {
    PictureControl Background;
    PictureControl Eye;
    HWND CheckBox = nullptr;
    HWND CheckCaption = nullptr;
    PictureControl Button[2];
    HWND ButtonCaption[2] = {};
    PictureControl DocHist[2];
    PictureControl Speaker;
    HWND Message = nullptr;
    PictureControl Logo;
};

class DeclarationWindow : public Window {
public:
    // instance: the module whose icon and pictures the window shows.
    DeclarationWindow(HINSTANCE instance, RunControl& run);
    // Unloads the window when it is still up.
    ~DeclarationWindow() override;

    // Creates and shows the window without waiting; the program ends when it
    // unloads. False when it cannot: then no window is left.
    bool Open();
    // Key messages of the window and its children, as the message loop takes
    // them: each re-asserts the lockdown.
    void OnInput(const MSG& message);

    // What the window's parts work with while it is up.
    RunControl& Run() { return run_; }
    DeclarationControls& Controls() { return controls_; }
    const WindowComposition& Composition() const { return composition_; }
    PictureResources& Pictures() { return *pictures_; }
    DocumentSelection& Selection() { return *selection_; }
    HWND DocumentWindow() const;
    // Where the document shown came from (a path or URL); empty without one.
    std::string DocumentLocation() const;
    DeclarationAnswer& Answer() { return answer_; }
    // The document view's scroll position and heights (see DocumentView).
    bool DocumentScrollState(long& top, long& viewHeight, long& pageHeight) const;
    // The answer hides the document before its close effect; the background
    // under it is complete by then.
    void HideDocument();
    // Reading aloud, when the window has a voice; silent otherwise.
    void Speak(const std::string& text);
    void StopSpeaking();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    bool CreateControls();
    void MakeParts();
    void ApplyComposition();
    void ComposeBackground();
    void CompleteBackground();
    HBRUSH BackgroundBrush(HWND control);
    void MakeSelection();
    void LayOut();
    // The check box caption as its label can show it: cut with "..." when it
    // does not fit even wrapped.
    std::string ShownCheckCaption(const LayoutInput& in, const DeclarationLayout& out) const;
    void ShowHistoryButtons(bool visible);
    LRESULT OnControlColour(HDC dc, HWND control);
    LRESULT OnEraseBackground(HDC dc);
    void OnCommand(int id, int code, HWND control);
    void OnTimer(UINT_PTR timer);
    void ComposeSpeaker();
    void OnDestroy();
    // Alt+F4 and the title bar's close wait for an answer while one can be given.
    bool ClosingRefused() const;

    HINSTANCE instance_;
    RunControl& run_;
    WindowComposition composition_;
    ProgramRandom random_;
    std::vector<std::string> history_;
    std::unique_ptr<PictureResources> pictures_;  // before the controls that show them
    DeclarationControls controls_;
    std::unique_ptr<DocumentView> view_;
    HWND noDocument_ = nullptr;  // the line in the document's place when there is no view
    std::unique_ptr<DocumentBrowser> browser_;
    std::unique_ptr<DocumentSelection> selection_;
    PicturePixels backgroundPixels_;  // the whole inner area as painted
    PixelArea backgroundDue_;         // still the plain colour (under the document)
    struct LabelBrush {
        HWND Control;
        RECT Area;  // where the brush's picture was taken, in the inner area
        GdiObject<HBRUSH> Brush;
    };
    std::vector<LabelBrush> labelBrushes_;  // the background under labels and the check box
    GdiObject<HFONT> checkFont_, messageFont_, captionFont_;
    int twipsPerPixel_ = 15;
    LayoutInput layout_;         // as the controls were last laid out
    bool firstTickDue_ = false;  // the speech engine and backgroundDue_ wait for the first tick
    bool opened_ = false;
    DeclarationAnswer answer_;
    DeclarationLockdown lockdown_;
    std::vector<std::unique_ptr<CoverWindow>> covers_;  // the other monitors, while the window is up
    // Tips, document history, speaker and menus (last: they use the above).
    std::unique_ptr<DeclarationParts> parts_;
};

// A declaration window for the run, open and shown; null when it cannot open.
std::unique_ptr<DeclarationWindow> CreateDeclarationWindow(HINSTANCE instance, RunControl& run);

// Clears the caption, system menu, minimise and maximise style bits.
void RemoveTitleBar(HWND frm);
