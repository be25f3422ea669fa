#include "admin/console/console_bench_win32.h"

#include <cstdio>
#include <cstdlib>

#include "admin/console/admin_window_win32.h"
#include "shared/file_routines.h"

BenchClock::BenchClock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&lap_);
}

double BenchClock::Lap() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - lap_.QuadPart) /
                      static_cast<double>(frequency_.QuadPart > 0 ? frequency_.QuadPart : 1);
    lap_ = now;
    return ms;
}

std::string BenchResultFile() {
    for (int i = 1; i + 1 < __argc; ++i) {
        const std::string arg = __argv[i];
        if (arg == "/bench" || arg == "-bench") return __argv[i + 1];
    }
    return std::string();
}

bool BenchCompliance() {
    for (int i = 1; i < __argc; ++i) {
        const std::string arg = __argv[i];
        if (arg == "/compliance" || arg == "-compliance") return true;
    }
    return false;
}

namespace {

std::string Line(const char* name, double file, double table, double paint) {
    char text[160];
    std::snprintf(text, sizeof text, "%s: %.2f ms (file %.2f, table %.2f, paint %.2f)\r\n", name, file + table + paint,
                  file, table, paint);
    return text;
}

}  // namespace

bool WriteConsoleBench(frmTessarinAdmin& window, const std::string& resultFile) {
    const frmTessarinAdmin::OpeningTimes& opening = window.OpeningTimesMs();
    const double settingsPaint = window.TimeTablePaint(ConsoleTabId::Settings);
    const double datesPaint = window.TimeTablePaint(ConsoleTabId::Dates);
    // The dates file is read and the table filled in one opening step.
    const std::string report = Line("settings tab", opening.SettingsFile, opening.SettingsTable, settingsPaint) +
                               Line("dates tab", 0.0, opening.DatesTable, datesPaint);
    std::string compliance;
    if (BenchCompliance()) {
        char text[96];
        std::snprintf(text, sizeof text, "compliance view: %.2f ms (query and fill)\r\n", window.ShowCompliance());
        compliance = text;
    }
    DestroyWindow(window.Hwnd());
    return ReplaceFileAtomically(resultFile, report + compliance);
}
