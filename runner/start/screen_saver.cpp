#include "runner/start/screen_saver.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "runner/start/run_control.h"
#include "shared/file_routines.h"
#include "shared/text_routines.h"

const char kDesktopKeyPath[] = "Control Panel\\Desktop";

namespace {

// Rounds half-way values to the even neighbour, limited to 32-bit values.
long RoundToWhole(double number) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(number)) return 0;
    if (number >= kMax) return static_cast<long>(kMax);
    if (number <= kMin) return static_cast<long>(kMin);
    double whole = std::floor(number);
    const double fraction = number - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<long>(whole);
}

std::string ProgramName(const std::string& exePath) {
    std::string name = FileNameOf(exePath);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace

void SetScreenSaverValues(Registry& registry, const std::string& exePath, long idleSeconds, long withLock) {
    RegSetString(registry, kHkeyCurrentUser, kDesktopKeyPath, "SCRNSAVE.EXE", exePath);
    RegSetString(registry, kHkeyCurrentUser, kDesktopKeyPath, "ScreenSaveTimeOut", std::to_string(idleSeconds));
    RegSetString(registry, kHkeyCurrentUser, kDesktopKeyPath, "ScreenSaveActive", "1");
    RegSetString(registry, kHkeyCurrentUser, kDesktopKeyPath, "ScreenSaveWithLock", std::to_string(withLock));
}

long ScreenSaverSeconds(const std::string& screenSaverItem) {
    double number = 0;
    if (!ReadsAsNumber(screenSaverItem, &number)) return 0;
    const long seconds = RoundToWhole(number);
    if (seconds <= 0) return 0;
    return seconds < kMinimumScreenSaverSeconds ? kMinimumScreenSaverSeconds : seconds;
}

void RegisterScreenSaver(Registry& registry, bool screenSaverMode, const std::string& screenSaverItem,
                         const std::string& appExePath) {
    if (screenSaverMode) return;
    const long seconds = ScreenSaverSeconds(screenSaverItem);
    if (seconds > 0) {
        SetScreenSaverValues(registry, appExePath, seconds, 1);
        return;
    }
    const std::string name = ToLower(ProgramName(appExePath));
    if (name.empty()) return;  // without our own name no saver can be known as ours
    const std::string current = ToLower(RegQueryString(registry, kHkeyCurrentUser, kDesktopKeyPath, "SCRNSAVE.EXE"));
    if (current.find(name) != std::string::npos) SetScreenSaverValues(registry, "", 0, 0);
}

void RegisterScreenSaver(Registry& registry, const RunControl& run, const std::string& appExePath) {
    RegisterScreenSaver(registry, run.IsScreenSaverMode(), GetSettingItem("Screen Saver", run.Settings), appExePath);
}

bool IsFullScreenDocument(const SettingsStore& settings) {
    for (const char* key : {"Doc Width Margin", "Doc Height Margin"}) {
        double number = 0;
        if (ReadsAsNumber(GetSettingItem(key, settings), &number) && number == -1) return true;
    }
    return false;
}

bool EndsOnMouseMove(bool screenSaverMode, const SettingsStore& settings) {
    return screenSaverMode || IsFullScreenDocument(settings);
}

long PixelsToTwips(long pixels, int dotsPerInch) {
    if (dotsPerInch <= 0) dotsPerInch = 96;
    return RoundToWhole(static_cast<double>(pixels) * 1440.0 / dotsPerInch);
}

bool ScreenSaverMoveTest::Moved(long xTwips, long yTwips) {
    const bool far = std::llabs(static_cast<long long>(xTwips) - lastX_) >= kScreenSaverMoveTwips ||
                     std::llabs(static_cast<long long>(yTwips) - lastY_) >= kScreenSaverMoveTwips;
    if (far && lastX_ != 0 && lastY_ != 0) return true;
    lastX_ = xTwips;
    lastY_ = yTwips;
    return false;
}
