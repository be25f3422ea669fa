// The check box and the two answer buttons of the declaration window: their
// states, their pictures and the order of the steps a click sets off.
#pragma once

#include <string>

#include "runner/window/declaration_ids.h"

// What an answer needs from the window and the program, in the words of the
// click sequence. The window implements it with the real controls.
class AnswerActions {
public:
    virtual ~AnswerActions() = default;
    virtual void SaveProfileSettings() = 0;
    virtual void RecordResponse(const std::string& response) = 0;
    virtual bool SpeakerVisible() const = 0;
    virtual void Speak(const std::string& text) = 0;
    virtual void StopSpeaking() = 0;
    virtual void HideDocumentParts() = 0;  // eye, logo and document view
    virtual void PlayCloseEffect(int answer) = 0;
    virtual void UpdateLastRun() = 0;
    virtual void ShowTaskbarWindow() = 0;
    virtual void RunDeclineAction() = 0;
    virtual void Unload() = 0;
    virtual void ShowButtonPicture(int index, DeclarationPicture picture) = 0;
    virtual void SetCheckBox(bool ticked) = 0;
    virtual void EnableCheckBox(bool enabled) = 0;
};

constexpr int kAcceptButton = 0;
constexpr int kDeclineButton = 1;

class AnswerButtons {
public:
    // The start state comes from the window's composition; checkCaption is
    // the check box's label as shown (spoken when the box is ticked).
    AnswerButtons(AnswerActions& actions, bool boxTicked, bool acceptEnabled, std::string checkCaption);

    // The buttons' enabled state as their tags hold it: "1" or "0".
    std::string Tag(int index) const;
    bool BoxTicked() const { return boxTicked_; }
    // True once a click has started the closing sequence.
    bool Answered() const { return answered_; }

    void SetAcceptEnabled(bool enabled);
    // "Require Reading To End": the box and accept wait for ReadingDone;
    // decline stays as it is.
    void HoldForReading();
    void ReadingDone();
    bool ReadingHeld() const { return readingHeld_; }

    // The box changed its value (the user clicked it or it was set).
    void CheckBoxClicked(bool ticked);
    // The caption label beside the box toggles it.
    void CheckCaptionClicked();
    void MessageClicked(const std::string& message);
    // Moving over the box with the left button held ticks it.
    void CheckBoxDragged();

    void MouseDown(int index);
    void MouseUp(int index);
    // caption: the text of the button's caption label, which is the response.
    void Click(int index, const std::string& caption);

private:
    AnswerActions& actions_;
    bool boxTicked_;
    bool tag_[2];
    bool answered_ = false;
    bool readingHeld_ = false;
    std::string checkCaption_;
};
