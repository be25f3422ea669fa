#include "runner/answer/answer_flow.h"

#include <utility>

AnswerButtons::AnswerButtons(AnswerActions& actions, bool boxTicked, bool acceptEnabled, std::string checkCaption)
    : actions_(actions), boxTicked_(boxTicked), tag_{acceptEnabled, true}, checkCaption_(std::move(checkCaption)) {}

std::string AnswerButtons::Tag(int index) const { return (index == kAcceptButton ? tag_[0] : tag_[1]) ? "1" : "0"; }

void AnswerButtons::SetAcceptEnabled(bool enabled) {
    enabled = enabled && !readingHeld_;
    tag_[0] = enabled;
    actions_.ShowButtonPicture(kAcceptButton, enabled ? PIC_ACCEPT_ENABLED : PIC_ACCEPT_DISABLED);
}

void AnswerButtons::HoldForReading() {
    readingHeld_ = true;
    actions_.EnableCheckBox(false);
    SetAcceptEnabled(false);
}

void AnswerButtons::ReadingDone() {
    if (!readingHeld_) return;
    readingHeld_ = false;
    actions_.EnableCheckBox(true);
    SetAcceptEnabled(boxTicked_);
}

void AnswerButtons::CheckBoxClicked(bool ticked) {
    boxTicked_ = ticked;
    SetAcceptEnabled(boxTicked_);
    if (boxTicked_ && actions_.SpeakerVisible()) actions_.Speak(checkCaption_);
}

void AnswerButtons::CheckCaptionClicked() {
    if (actions_.SpeakerVisible()) actions_.Speak(checkCaption_);
    if (readingHeld_) return;  // the box itself is disabled meanwhile
    actions_.SetCheckBox(!boxTicked_);
    CheckBoxClicked(!boxTicked_);
    SetAcceptEnabled(boxTicked_);
}

void AnswerButtons::MessageClicked(const std::string& message) {
    if (actions_.SpeakerVisible()) actions_.Speak(message);
}

void AnswerButtons::CheckBoxDragged() {
    if (boxTicked_ || readingHeld_) return;
    actions_.SetCheckBox(true);
    CheckBoxClicked(true);
}

void AnswerButtons::MouseDown(int index) {
    if (index == kAcceptButton) {
        if (boxTicked_ && !readingHeld_) actions_.ShowButtonPicture(kAcceptButton, PIC_ACCEPT_PRESSED);
    } else {
        actions_.ShowButtonPicture(index, PIC_DECLINE_PRESSED);
    }
}

void AnswerButtons::MouseUp(int index) {
    if (index == kAcceptButton) {
        const bool enabled = boxTicked_ && !readingHeld_;
        actions_.ShowButtonPicture(kAcceptButton, enabled ? PIC_ACCEPT_ENABLED : PIC_ACCEPT_DISABLED);
    } else {
        actions_.ShowButtonPicture(index, PIC_DECLINE_RELEASED);
    }
}

void AnswerButtons::Click(int index, const std::string& caption) {
    // A click that arrives while the closing sequence lets messages run
    // (the close effect) must not record a second answer.
    if (answered_) return;
    actions_.SaveProfileSettings();
    if (Tag(index) != "1") return;
    answered_ = true;

    actions_.RecordResponse(caption);
    const bool speaker = actions_.SpeakerVisible();
    if (speaker) actions_.Speak(caption);
    actions_.HideDocumentParts();
    if (index == kAcceptButton) {
        actions_.PlayCloseEffect(1);
        actions_.UpdateLastRun();
        actions_.ShowTaskbarWindow();
    } else {
        actions_.PlayCloseEffect(2);
        actions_.RunDeclineAction();
    }
    if (speaker) actions_.StopSpeaking();
    actions_.Unload();
}
