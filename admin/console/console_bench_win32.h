// The console's benchmark switch: "TsrAdmin.exe /bench RESULTFILE" opens the
// window as always, then writes how long filling its tables took (the
// opening steps, timed as they ran, and each table's first paint) and ends.
#pragma once

#include <windows.h>

#include <string>

class frmTessarinAdmin;

// Milliseconds, from the system's high-resolution counter.
class BenchClock {
public:
    BenchClock();
    // The time since the last lap (or since the clock was made); a new lap begins.
    double Lap();

private:
    LARGE_INTEGER frequency_{}, lap_{};
};

// "/compliance" with /bench: the compliance view is opened and its fill timed too.
bool BenchCompliance();

// The result file named after /bench, or empty when the program was started
// without it.
std::string BenchResultFile();

// Times the tables' first paint, writes the results and closes the window;
// false when the file could not be written.
bool WriteConsoleBench(frmTessarinAdmin& window, const std::string& resultFile);
