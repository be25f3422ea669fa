// The plain top-most windows over every monitor but the primary one, while
// the declaration is up there.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "runner/window/monitor_cover.h"
#include "shared/win32/window.h"

class CoverWindow : public Window {
public:
    // A window of the colour over the rectangle, shown without taking the focus.
    bool Open(const ScreenRect& area, COLORREF colour);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF colour_ = 0;
};

// One cover window for each other monitor; none with a single monitor.
std::vector<std::unique_ptr<CoverWindow>> CoverOtherMonitors(COLORREF colour);
