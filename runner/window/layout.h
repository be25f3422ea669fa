// Where the declaration window's controls go, in twips (1/1440 inch), and
// the conversion to the display's pixels.
#pragma once

struct TwipRect {
    long Left = 0;
    long Top = 0;
    long Width = 0;
    long Height = 0;
    long Right() const { return Left + Width; }
    long Bottom() const { return Top + Height; }
};

struct LayoutInput {
    // The window (the whole screen) and its inner (client) area.
    long WindowWidth = 0;
    long WindowHeight = 0;
    long InnerWidth = 0;
    long InnerHeight = 0;
    long ScreenHeight = 0;
    // Raw margins as the settings give them (0 and -1 have special meanings).
    int WidthMargin = 0;
    int HeightMargin = 0;
    double ButtonCaptionHeight = 0;
    bool CaptionEmpty = false;  // the window caption at layout time
    bool DeclineVisible = true;
    bool SpeakerVisible = true;
    bool EyeVisible = true;
    bool CheckBoxVisible = true;
    bool HistoryVisible = true;
    // Designed control sizes.
    long AcceptWidth = 0, AcceptHeight = 0;
    long DeclineWidth = 0, DeclineHeight = 0;
    long CaptionLabelHeight = 0;                         // the button caption labels
    long CheckCaptionWidth = 0, CheckCaptionHeight = 0;  // on one line
    // The caption's height when wrapped to the room ComputeLayout answered in
    // CheckCaption.Width; 0 until the window has measured it.
    long CheckCaptionWrappedHeight = 0;
    long CheckBoxWidth = 0, CheckBoxHeight = 0;
    long EyeWidth = 0, EyeHeight = 0;
    long HistoryWidth = 0, HistoryHeight = 0;
    long MessageHeight = 0;
    long MessageMinWidth = 0;  // the message keeps at least this when the caption is long
    long LogoWidth = 0, LogoHeight = 0;
};

struct DeclarationLayout {
    TwipRect Background;
    TwipRect Document;
    TwipRect Accept, Decline;
    TwipRect AcceptCaption, DeclineCaption;
    TwipRect CheckCaption, CheckBox, Eye;
    bool CheckCaptionWraps = false;  // too wide for one line: wrapped into CheckCaption.Width
    TwipRect History[2];
    TwipRect Speaker;
    TwipRect Message;
    TwipRect Logo;
};

// A margin of -1 on either side shows the document over the whole window.
bool IsFullScreenDocument(int widthMargin, int heightMargin);

// The window's arithmetic. Outside the full-screen document, a button row that
// would fall below the inner area is lifted (the document gives up the room),
// so the accept button can always be reached. History buttons that would lie
// under the eye or the check box move left of them. A check box caption too
// wide for the room left of the accept button wraps, growing upwards from its
// one-line bottom but no higher than the document's middle; the document
// shortens to make way.
DeclarationLayout ComputeLayout(const LayoutInput& in);

// Twips per pixel of a display with the given logical pixels per inch.
int TwipsPerPixel(int pixelsPerInch);
long TwipsToPixels(long twips, int twipsPerPixel);
long TwipsFromPixels(long pixels, int twipsPerPixel);
