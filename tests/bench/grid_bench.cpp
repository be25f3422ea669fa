// Times the grid model on 10,000 rows: the whole-table text form, sorting,
// packing, finding and a cut-and-paste of one row. Prints one line per
// measurement ("name: median ms (runs)") and exits 1 when Grid2Str takes
// 100 ms or more.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "admin/grid/grid_menu.h"
#include "admin/grid/grid_model.h"

namespace {

constexpr long kRows = 10000;

EditGridModel Filled() {
    EditGridModel g;
    g.Grid.SetCols(5);
    g.Grid.SetRows(2);
    g.Setup();
    // A change handler like the window's, so notifications are paid for.
    static long changes = 0;
    g.Grid.SetChangeHandler([](GridChange) { ++changes; });
    for (long r = 0; r < kRows; ++r)
        g.AddRowDetail({"", "Document " + std::to_string(r), std::to_string((r * 7919) % 10007),
                        "12/" + std::to_string(r % 28 + 1) + "/2026", "note"},
                       r + 1, 1, 0);
    return g;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Time(const char* name, int runs, const std::function<void(EditGridModel&)>& prepare,
            const std::function<void(EditGridModel&)>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        EditGridModel g = Filled();
        if (prepare) prepare(g);
        auto start = std::chrono::steady_clock::now();
        work(g);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    double m = Median(times);
    std::printf("%s: %.2f ms (median of %d)\n", name, m, runs);
    return m;
}

}  // namespace

int main() {
    auto t0 = std::chrono::steady_clock::now();
    EditGridModel probe = Filled();
    double fill = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    std::printf("fill %ld rows with AddRowDetail: %.2f ms\n", kRows, fill);

    size_t bytes = 0;
    double grid2str =
        Time("Grid2Str on 10000 rows", 9, nullptr, [&](EditGridModel& g) { bytes = g.Grid2Str().size(); });
    std::printf("  (%zu characters)\n", bytes);
    Time(
        "Sort numeric ascending + PackGrid", 5, [](EditGridModel& g) { SelectColumn(g, 2); },
        [](EditGridModel& g) { Sort(g, OptionNumericAscending); });
    Time(
        "Sort generic descending + PackGrid", 5, [](EditGridModel& g) { SelectColumn(g, 1); },
        [](EditGridModel& g) { Sort(g, OptionGenericDescending); });
    Time("FindNext (no match, full scan)", 5, nullptr, [](EditGridModel& g) { FindNext(g, "absent"); });
    Time(
        "cut row 9000, paste at row 2", 5,
        [](EditGridModel& g) {
            g.Grid.SetSelection(9000, 0, 9000, 4);
            g.RowOperation(RowClipCut);
            g.Grid.SetSelection(2, 0, 2, 4);
        },
        [](EditGridModel& g) { g.RowOperation(RowClipPaste); });
    Time("RefreshItemNumber", 5, nullptr, [](EditGridModel& g) { g.RefreshItemNumber(); });

    if (grid2str >= 100.0) {
        std::printf("FAIL: Grid2Str took %.2f ms (limit 100 ms)\n", grid2str);
        return 1;
    }
    return 0;
}
