// The declaration window's balloon tips: the document tip at the eye and the
// hover tips of the buttons, the check box and the history buttons. Positions
// are window units (twips) relative to the window's inner area, or to the
// control for the pointer.
#pragma once

#include <string>

#include "runner/window/layout.h"

class SettingsStore;

// One tip object of the window, as the rules use it.
class TipSlot {
public:
    virtual ~TipSlot() = default;
    virtual void ShowBalloonInfo(const std::string& title, const std::string& text, long x, long y) = 0;
    virtual bool Shown() const = 0;
    virtual void Destroy() = 0;
};

// A tip text as shown: its first "<br>" becomes a line break.
std::string TipText(const std::string& raw);

// The pointer lies at least near units inside the left and top edges and at
// least far units inside the right and bottom edges of a control of the size.
bool InsideInnerArea(long x, long y, long width, long height, long near, long far);

class DeclarationTips {
public:
    // Slot 1 is the document tip, slot 2 the one hover tip of all controls.
    DeclarationTips(const SettingsStore& settings, TipSlot& documentTip, TipSlot& hoverTip);

    bool TipsEnabled() const;

    // SetupTips' second step: the document tip when tips are on.
    void SetupTips(bool eyeVisible, const TwipRect& eye, const std::string& windowCaption);
    void ShowDocumentTip(bool eyeVisible, const TwipRect& eye, const std::string& windowCaption);
    // Removes the document tip; the caller hides the eye picture.
    void DismissDocumentTip();
    void DestroyHoverTip() { hover_.Destroy(); }

    // readingHeld: accept waits for the document to be read to its end, and
    // its tip says so.
    void HoverButton(int index, long x, long y, const TwipRect& button, bool boxTicked, const std::string& caption,
                     bool readingHeld = false);
    // Answers true when the move should tick the box (left button held). A
    // caption shown cut short gives its full text, which leads the tip.
    bool HoverCheckBox(long x, long y, const TwipRect& box, const std::string& caption, bool leftButtonDown,
                       const std::string& fullCaption = std::string());
    void HoverHistoryButton(long x, long y, const TwipRect& button, const std::string& title, const std::string& text);

private:
    const SettingsStore& settings_;
    TipSlot& document_;
    TipSlot& hover_;
};
