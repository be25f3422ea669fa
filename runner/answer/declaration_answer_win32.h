// The declaration window's check box and answer buttons, wired to the
// answer logic (AnswerButtons) and the system.
#pragma once

#include <windows.h>

#include <memory>

#include "runner/answer/answer_database_win32.h"
#include "runner/answer/answer_flow.h"
#include "runner/answer/reading_gate.h"

class DeclarationWindow;
class TsrLibrary;

// When the answer is complete WM_TSR_UNLOAD_NOW is posted: the window
// unloads on its own turn, after the click handler has returned.
class DeclarationAnswer {
public:
    explicit DeclarationAnswer(DeclarationWindow& window);
    ~DeclarationAnswer();
    DeclarationAnswer(const DeclarationAnswer&) = delete;
    DeclarationAnswer& operator=(const DeclarationAnswer&) = delete;

    // Called once the controls carry their start state.
    void SetUp();
    // True when the command came from the check box, its label, the message
    // or an answer button.
    bool OnCommand(int id, int code);
    // True once a click has started the closing sequence.
    bool Answered() const { return buttons_ && buttons_->Answered(); }
    // True while accept waits for the document to be read to its end.
    bool ReadingHeld() const { return buttons_ && buttons_->ReadingHeld(); }
    // The window's timer: the document's scroll position is looked at until
    // it has reached the end once.
    void OnTimer();
    // Waits for the answer's row to reach the database or the pending file
    // (the session is ending, or a decline action may end it).
    void FinishDelivery() { delivery_.Finish(); }

private:
    static LRESULT CALLBACK CheckBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCheckBoxMouse(HWND box, UINT message, WPARAM wParam);
    void OnButtonNotification(int index, int code);

    DeclarationWindow& window_;
    AnswerRowDelivery delivery_;  // outlives the actions that start it
    std::unique_ptr<TsrLibrary> library_;
    std::unique_ptr<AnswerActions> actions_;
    std::unique_ptr<AnswerButtons> buttons_;
    ReadingGate gate_{false};
    DWORD lastLook_ = 0;
    bool dragTicked_ = false;  // the box was ticked by a drag: its release must not untick it
};
