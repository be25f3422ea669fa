// The declaration window's tips, document history, speaker and menus on its
// real controls: the window creates one DeclarationParts while it composes
// itself and hands it the mouse notifications of its children and its timer
// ticks.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runner/document/declaration_tips_win32.h"
#include "runner/document/document_history.h"
#include "runner/speech/speech_narration.h"
#include "runner/document/window_menus.h"

class DocumentView;
class PictureResources;
class SettingsStore;

struct DeclarationPartsControls {
    HWND Window = nullptr;
    HWND Eye = nullptr;
    HWND CheckBox = nullptr;
    HWND CheckCaption = nullptr;
    HWND Button[2] = {};
    HWND ButtonCaption[2] = {};
    HWND DocHist[2] = {};
    HWND Speaker = nullptr;
};

struct DeclarationPartsContext {
    DeclarationPartsControls Controls;
    SettingsStore* Settings = nullptr;
    SettingsStore* UserSettings = nullptr;
    DocumentView* View = nullptr;
    std::vector<std::string>* History = nullptr;  // the window's list, filled by the selection too
    PictureResources* Pictures = nullptr;
    int TwipsPerPixel = 15;
    // The check box caption in full (its label may show it cut short).
    std::function<std::string()> FullCheckCaption;
    // Opens a history entry (the selection's NavigateTo).
    std::function<void(const std::string&)> NavigateTo;
    // Runs the check box's click handling after a drag ticked it; unset when
    // the window ticks the box on a drag itself.
    std::function<void()> CheckBoxTicked;
    // True while accept waits for the document to be read to its end.
    std::function<bool()> ReadingHeld;
    // The speech engine; the system's when unset.
    std::function<std::unique_ptr<SpeechEngine>()> MakeSpeechEngine;
};

class DeclarationParts {
public:
    explicit DeclarationParts(DeclarationPartsContext context);
    DeclarationParts(const DeclarationParts&) = delete;
    DeclarationParts& operator=(const DeclarationParts&) = delete;

    // Composition steps, in the window's order.
    // Speaker: SetSpeaker, then InitSpeaker and BuildVoiceMenu; answers
    // whether the speaker is shown.
    bool ComposeSpeaker();
    // Before the document is opened: the history hears every navigation.
    void ConnectHistory();
    void SetHistoryButtonsDisabled();
    // Shows the document tip, or lets the first timer tick after the window
    // shows do it.
    void SetupTips();

    // A picture control's WM_COMMAND notification; true when handled.
    bool OnPictureNotification(HWND control, int code);
    // WM_SETCURSOR of the window: the pointer moves over a child.
    void OnSetCursor(HWND over, UINT mouseMessage);
    // Every timer tick: the reading at start and the next sentence.
    void OnTimer();

    SpeechNarration& Narration() { return narration_; }
    DocumentHistory& History() { return history_; }
    DeclarationTips& Tips() { return tips_->Rules; }
    const CBalloonToolTip& DocumentTip() const { return tips_->Slot1.Tip(); }
    const CBalloonToolTip& HoverTip() const { return tips_->Slot2.Tip(); }

private:
    ControlPointer Pointer(HWND control) const;
    void ShowHistoryPictures();
    void UpdateSpeakerPicture();
    void DismissDocumentTip();
    void PressHistoryButton(int index);
    void ClickSpeaker();
    void OpenSpeakerMenu();
    void HoverCheckBox();

    DeclarationPartsContext c_;
    FormMenu menu_;
    DocumentHistory history_;
    SpeechNarration narration_;
    std::unique_ptr<WindowTips> tips_;
    bool documentTipDue_ = false;
    bool overSpeaker_ = false;
    int speakerPicture_ = 0;
};
