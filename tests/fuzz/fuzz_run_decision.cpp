// Fuzzes the run decision: arbitrary settings, profile and command line.
// Input: settings text, NUL, profile text, NUL, command line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "runner/start/run_control.h"
#include "support/fake_calendar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto first = input.find('\0');
    const auto second = first == std::string::npos ? std::string::npos : input.find('\0', first + 1);
    const std::string settings = input.substr(0, first);
    const std::string profile =
        first == std::string::npos ? std::string() : input.substr(first + 1, second - first - 1);
    const std::string commandLine = second == std::string::npos ? std::string() : input.substr(second + 1);

    static FakeCalendar calendar(CivilDate{2026, 12, 7});
    // A folder that does not exist: saves of "Last Run" fail quietly.
    RunControl run(commandLine, "/nonexistent/tsr-fuzz", calendar, [] { return std::string("fuzz"); });
    LoadSettingsText(settings, run.Settings);
    LoadSettingsText(profile, run.UserSettings);
    run.IsDeclarationDue();
    run.ProfileUserName();
    return 0;
}
