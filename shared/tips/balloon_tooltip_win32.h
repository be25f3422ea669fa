// CBalloonToolTip: one tooltip window ("tooltips_class32") bound to one
// parent window, shown when the mouse rests on the parent or on demand at a
// point, with the information, warning and error looks.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

// Loads the common controls (version 6 through the program's manifest) on
// first use and registers the tooltip class; false when they are missing.
bool LoadTooltipControls();

class CBalloonToolTip {
public:
    CBalloonToolTip() = default;
    ~CBalloonToolTip() { Destroy(); }
    CBalloonToolTip(const CBalloonToolTip&) = delete;
    CBalloonToolTip& operator=(const CBalloonToolTip&) = delete;

    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t vData);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& vData);
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t vData);
    long Icon() const { return icon_; }
    void SetIcon(long vData);
    bool Centered() const { return centered_; }
    void SetCentered(bool vData) { centered_ = vData; }
    long Style() const { return style_; }
    void SetStyle(long vData) { style_ = vData; }
    const std::string& TipText() const { return tipText_; }
    void SetTipText(const std::string& vData);
    long VisibleTime() const { return visibleTime_; }
    void SetVisibleTime(long lData);
    long DelayTime() const { return delayTime_; }
    void SetDelayTime(long lData) { delayTime_ = lData; }
    bool PopupOnDemand() const { return popupOnDemand_; }
    void SetPopupOnDemand(bool vData) { popupOnDemand_ = vData; }
    bool Shown() const { return shown_; }
    void SetShown(bool i) { shown_ = i; }
    short MaxLength() const { return maxLength_; }
    void SetMaxLength(short i) { maxLength_ = i; }
    bool CloseBox() const { return closeBox_; }
    void SetCloseBox(bool i) { closeBox_ = i; }
    HWND TipWindow() const { return tip_; }
    HWND ParentWindow() const { return parent_; }

    // Builds the tip window for the parent; true when it was created.
    bool CreateToolTip(HWND ParentHwnd);
    // Shows a tracking tip at a point of the parent's inner area (pixels).
    void Show(long X = 0, long Y = 0);
    void Destroy();

    void BalloonInfoSetup(HWND hwnd, const std::string& strTitle, const std::string& strMsg, int intMaxLength = 0);
    void BalloonWarningSetup(HWND hwnd, const std::string& strTitle, const std::string& strMsg);
    // X and Y in twips of the parent's inner area.
    void ShowBalloonInfo(HWND hwnd, const std::string& strTitle, const std::string& strMsg, long X, long Y,
                         int intMaxLength = 0);
    void ShowBalloonWarning(HWND hwnd, const std::string& strTitle, const std::string& strMsg, long X, long Y);
    void ShowBalloonError(HWND hwnd, const std::string& strTitle, const std::string& strMsg, long X, long Y);
    void ReloadBalloonInfo(const std::string& text, long X, long Y);

private:
    void SendTitle();
    void SendColour(UINT message, std::uint32_t colour);
    void ShowAtTwips(long X, long Y);
    TTTOOLINFOA ToolRecord();

    std::uint32_t backColor_ = 0;
    std::string title_;
    std::uint32_t foreColor_ = 0;
    long icon_ = 0;
    bool centered_ = false;
    long style_ = 0;
    std::string tipText_;
    long visibleTime_ = 5000;
    long delayTime_ = 100;
    bool popupOnDemand_ = false;
    HWND tip_ = nullptr;
    HWND parent_ = nullptr;
    std::string shownText_;  // the tool record's text
    bool shown_ = false;
    short maxLength_ = 0;
    bool closeBox_ = false;
};
