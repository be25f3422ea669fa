#include "runner/window/layout.h"

#include <algorithm>
#include <cmath>

bool IsFullScreenDocument(int widthMargin, int heightMargin) { return widthMargin == -1 || heightMargin == -1; }

namespace {

long MarginFromSetting(int widthMargin) {
    if (widthMargin == 0) return 200;
    if (widthMargin == -1) return 0;
    return widthMargin;
}

void PlaceVertically(const LayoutInput& in, DeclarationLayout& out, long docTop, long docHeight) {
    out.Document.Top = docTop;
    out.Document.Height = docHeight;
    out.Accept.Top = docTop + docHeight + 100;
    out.Decline.Top = out.Accept.Top;
    out.CheckCaption.Top = out.Decline.Top + 200;
    out.CheckBox.Top = out.CheckCaption.Top;
    out.Eye.Top = out.CheckBox.Top - 130;
    out.History[0].Top = out.History[1].Top = out.Accept.Top;
    out.AcceptCaption.Top = out.DeclineCaption.Top = out.Accept.Top + in.AcceptHeight;
}

long RowBottom(const LayoutInput& in, const DeclarationLayout& out) {
    long bottom = out.AcceptCaption.Top + in.CaptionLabelHeight;
    bottom = std::max(bottom, out.Decline.Top + in.DeclineHeight);
    bottom = std::max(bottom, out.CheckCaption.Top + in.CheckCaptionHeight);
    bottom = std::max(bottom, out.CheckBox.Top + in.CheckBoxHeight);
    bottom = std::max(bottom, out.History[0].Top + in.HistoryHeight);
    return bottom;
}

// The widest the check box caption may be: from the accept button back to the
// message's minimum and the eye, when shown. The history buttons keep their
// rule: they move left of the group, over the message if need be.
long CheckCaptionRoom(const LayoutInput& in, const DeclarationLayout& out, long messageLeft) {
    long left = messageLeft + in.MessageMinWidth + 200;
    if (in.EyeVisible) left += in.EyeWidth + 200;
    left += in.CheckBoxWidth + 100;
    return std::max(0L, out.Accept.Left - 200 - left);
}

// A caption wider than its room wraps within it and grows upwards from its
// one-line bottom, up to the document's middle at most.
void WrapCheckCaption(const LayoutInput& in, DeclarationLayout& out, long room) {
    out.CheckCaptionWraps = true;
    const long bottom = out.CheckCaption.Bottom();
    const long highest = std::max(0L, std::min(out.CheckCaption.Top, out.Document.Top + out.Document.Height / 2));
    const long wanted = std::max(in.CheckCaptionHeight, in.CheckCaptionWrappedHeight);
    out.CheckCaption.Height = std::min(wanted, bottom - highest);
    out.CheckCaption.Top = bottom - out.CheckCaption.Height;
    out.CheckCaption.Width = room;
    out.CheckBox.Top = out.CheckCaption.Top;  // beside the first line
    out.Eye.Top = out.CheckBox.Top - 130;
    // The document gives up the room, keeping the row's usual gap above the
    // caption; a full-screen document lies over the row anyway.
    if (IsFullScreenDocument(in.WidthMargin, in.HeightMargin)) return;
    const long documentBottom = out.CheckCaption.Top - 300;
    if (out.Document.Bottom() > documentBottom) out.Document.Height = std::max(0L, documentBottom - out.Document.Top);
}

}  // namespace

DeclarationLayout ComputeLayout(const LayoutInput& in) {
    DeclarationLayout out;
    out.Background = {0, 0, in.WindowWidth, in.WindowHeight};

    const long m = MarginFromSetting(in.WidthMargin);
    out.Document.Left = m;
    out.Document.Width = in.WindowWidth - 2 * m;

    const long h = in.HeightMargin;
    long docTop = 0;
    long docHeight = 0;
    if (h == 0) {
        docTop = 200;
        docHeight = in.WindowHeight - in.AcceptHeight - in.CaptionLabelHeight - 4 * m -
                    static_cast<long>(std::lround(in.ButtonCaptionHeight));
    } else if (h == -1) {
        docTop = 0;
        docHeight = in.WindowHeight - (in.WindowHeight - (in.WindowWidth - in.InnerWidth) - in.InnerHeight);
    } else {
        docTop = h;
        docHeight = in.ScreenHeight - 2 * h;
    }
    if (in.CaptionEmpty) docHeight += 2 * h;
    if (docHeight < 0) docHeight = 0;

    out.Accept.Width = in.AcceptWidth;
    out.Accept.Height = in.AcceptHeight;
    out.Decline.Width = in.DeclineWidth;
    out.Decline.Height = in.DeclineHeight;
    out.CheckCaption.Width = in.CheckCaptionWidth;
    out.CheckCaption.Height = in.CheckCaptionHeight;
    out.CheckBox.Width = in.CheckBoxWidth;
    out.CheckBox.Height = in.CheckBoxHeight;
    out.Eye.Width = in.EyeWidth;
    out.Eye.Height = in.EyeHeight;
    for (TwipRect& r : out.History) {
        r.Width = in.HistoryWidth;
        r.Height = in.HistoryHeight;
    }

    PlaceVertically(in, out, docTop, docHeight);
    if (!IsFullScreenDocument(in.WidthMargin, in.HeightMargin)) {
        long overflow = RowBottom(in, out) - in.InnerHeight;
        if (overflow > 0) PlaceVertically(in, out, docTop, std::max(0L, docHeight - overflow));
    }

    // Horizontal placement of the button row.
    const long docRight = out.Document.Left + out.Document.Width;
    if (in.DeclineVisible) {
        out.Decline.Left = docRight - 2 * in.DeclineWidth;
        out.Accept.Left = out.Decline.Left - 2 * in.DeclineWidth - 200;
    } else {
        out.Decline.Left = docRight - 2 * in.DeclineWidth;
        out.Accept.Left = docRight - 2 * in.AcceptWidth;
    }
    out.AcceptCaption.Left = out.Accept.Left;
    out.AcceptCaption.Width = in.AcceptWidth;
    out.AcceptCaption.Height = in.CaptionLabelHeight;
    out.DeclineCaption.Left = out.Decline.Left;
    out.DeclineCaption.Width = in.DeclineWidth;
    out.DeclineCaption.Height = in.CaptionLabelHeight;

    const long usualCaptionTop = out.CheckCaption.Top;
    const long messageLeft =
        in.SpeakerVisible ? out.Document.Left + static_cast<long>(in.InnerHeight * 0.1) : out.Document.Left;
    const long room = CheckCaptionRoom(in, out, messageLeft);
    if (in.CheckCaptionWidth > room) WrapCheckCaption(in, out, room);
    out.CheckCaption.Left = out.Accept.Left - out.CheckCaption.Width - 200;
    out.CheckBox.Left = out.CheckCaption.Left - in.CheckBoxWidth - 100;
    out.Eye.Left = out.CheckBox.Left - in.EyeWidth - 200;

    if (in.SpeakerVisible) {
        long size = static_cast<long>(in.InnerHeight * 0.1);
        long top = std::max(out.Decline.Top + 200, 0L);
        // A speaker that would run off the bottom shrinks to the room left.
        if (!IsFullScreenDocument(in.WidthMargin, in.HeightMargin) && top + size > in.InnerHeight)
            size = std::max(0L, in.InnerHeight - top);
        out.Speaker = {out.Document.Left, top, size, size};
    }

    out.History[0].Left = in.WindowWidth / 2 - in.HistoryWidth - 100;
    out.History[1].Left = in.InnerWidth / 2 + 100;
    if (in.HistoryVisible) {
        long groupLeft = in.EyeVisible ? out.Eye.Left : in.CheckBoxVisible ? out.CheckBox.Left : out.Accept.Left;
        long overlap = out.History[1].Right() + 200 - groupLeft;
        if (overlap > 0) {
            out.History[0].Left -= overlap;
            out.History[1].Left -= overlap;
        }
    }

    out.Message.Left = in.SpeakerVisible ? out.Speaker.Left + out.Speaker.Width : out.Document.Left;
    out.Message.Top = usualCaptionTop;
    // The message runs up to the history buttons and wraps within that room.
    out.Message.Width = std::max(0L, out.History[0].Left - 200 - out.Message.Left);
    // It may wrap down to the bottom of the inner area.
    out.Message.Height = std::max(in.MessageHeight, in.InnerHeight - out.Message.Top);

    // The logo sits at the right end of the row, in the room the decline
    // button leaves beside it.
    out.Logo = {docRight - in.LogoWidth, out.Accept.Top, in.LogoWidth, in.LogoHeight};
    // Under a full-screen document the row lies off the screen: no stray corner of a logo.
    if (out.Logo.Bottom() > in.InnerHeight) out.Logo.Width = out.Logo.Height = 0;
    return out;
}

int TwipsPerPixel(int pixelsPerInch) {
    if (pixelsPerInch <= 0) return 15;
    return std::max(1, 1440 / pixelsPerInch);
}

long TwipsToPixels(long twips, int twipsPerPixel) {
    if (twipsPerPixel <= 0) twipsPerPixel = 15;
    return static_cast<long>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

long TwipsFromPixels(long pixels, int twipsPerPixel) { return pixels * (twipsPerPixel <= 0 ? 15 : twipsPerPixel); }
