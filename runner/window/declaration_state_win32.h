// What the declaration window holds while it is up; shared by the files that
// handle its parts (composition, lockdown, answer).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runner/answer/answer_flow.h"
#include "runner/window/declaration_parts_win32.h"
#include "runner/document/document_selection.h"
#include "runner/window/picture_pixels.h"
#include "runner/window/picture_resources_win32.h"
#include "runner/window/program_random.h"
#include "runner/start/screen_saver_win32.h"
#include "runner/answer/tsr_library_win32.h"
#include "runner/window/window_settings.h"
#include "shared/docview/document_view.h"
#include "shared/win32/handles.h"

class RunControl;

struct Controls {
    HWND Background = nullptr;
    HWND Eye = nullptr;
    HWND CheckBox = nullptr;
    HWND CheckCaption = nullptr;
    HWND Button[2] = {};
    HWND ButtonCaption[2] = {};
    HWND DocHist[2] = {};
    HWND Speaker = nullptr;
    HWND Message = nullptr;
    HWND Logo = nullptr;
};

// The view as the document selection sees it.
class ViewBrowser : public DocumentBrowser {
public:
    explicit ViewBrowser(DocumentView& view) : view_(view) {}
    std::string LocationURL() const override { return view_.LocationURL(); }
    void Navigate(const std::string& url) override { view_.Navigate(url); }
    std::string BodyText() const override { return view_.BodyText(); }
    void SetFullScreen(bool on) override { view_.SetFullScreen(on); }

private:
    DocumentView& view_;
};

struct DeclarationState {
    RunControl* Run = nullptr;
    WindowComposition Composition;
    ProgramRandom Random;
    std::vector<std::string> History;
    Controls Control;
    std::unique_ptr<PictureResources> Pictures;
    std::unique_ptr<DocumentView> View;
    std::unique_ptr<ViewBrowser> Browser;
    std::unique_ptr<DocumentSelection> Selection;
    PicturePixels BackgroundPixels;     // the whole inner area as painted
    GdiObject<HBRUSH> BackgroundBrush;  // the same, for labels and the check box
    GdiObject<HFONT> CheckFont, MessageFont, CaptionFont;
    int TwipsPerPixel = 15;
    bool AcceptEnabled = true;

    // Answer: the buttons' logic over the window's controls.
    std::unique_ptr<AnswerActions> Actions;
    std::unique_ptr<AnswerButtons> Answer;
    std::unique_ptr<TsrLibrary> Library;
    // Reading aloud, when the window has a voice; unset: silent.
    std::function<void(const std::string&)> SpeakText;
    std::function<void()> StopSpeaking;

    // Lockdown: timer state.
    ScreenSaverExit SaverExit;
    int EyeFrame = 0;        // 0: no frame shown yet
    DWORD LastEyeFrame = 0;  // tick count of the last frame
    bool KeyEnforcePending = false;
    bool Locked = false;

    // Tips, document history, speaker and menus (last: they use the above).
    std::unique_ptr<DeclarationParts> Parts;
};

DeclarationState* StateOf(HWND window);
