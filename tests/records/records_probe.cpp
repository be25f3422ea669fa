// Drives the log tab's writers outside the console for the tool tests and
// the bench:
//   records_probe export FOLDER ROWS   writes ROWS rows (names with accents,
//       commas, quotes, apostrophes and spaces) as the workbook and CSV
//       file into FOLDER, and the same rows' bytes (tab between cells,
//       LF after each row) into FOLDER/rows.ansi for the reader to compare
//   records_probe bundle|sql|list LOGFOLDER OUTFOLDER   bundles the records,
//       lists them and writes the SQL script, or only lists them, and
//       prints the time it took in microseconds
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "admin/grid/grid_model.h"
#include "admin/records/bundle.h"
#include "admin/records/log_files.h"
#include "admin/records/log_list.h"
#include "admin/records/sql_script.h"
#include "admin/records/workbook_writer.h"
#include "shared/atomic_file.h"

namespace {

// Windows-1252 bytes: e acute, u umlaut, n tilde, the euro sign, the left and
// right double quotes.
const char* const kNames[] = {"anna",
                              "Ren\xE9",
                              "o'brien",
                              "M\xFCller, Hans",
                              "say \"hi\"",
                              "Pe\xF1"
                              "a & <co>",
                              "\x80uro",
                              "\x93quoted\x94",
                              "two  spaces",
                              " lead, trail "};

int Export(const std::string& folder, long count) {
    LogTable table;
    table.Header = {"Log File", "Last Update"};
    for (long i = 0; i < count; ++i) {
        const std::string name = std::string(kNames[i % 10]) + " " + std::to_string(i) + kLogMarker;
        const std::string date = std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) +
                                 "/2026 9:" + std::to_string(10 + i % 50) + ":00 AM";
        table.Rows.push_back({name, date});
    }
    std::string rows;
    for (const auto& row : table.Rows) rows += row[0] + "\t" + row[1] + "\n";
    AtomicFile file;
    if (!file.Open(folder + "/rows.ansi") || !file.Write(rows) || !file.Commit()) return 1;
    const OutputStatus status =
        ExportWorkbook(table, ExportTitle("C:\\Tessarin\\Logs\\"), folder + "/", &Utf8FromWindows1252);
    std::puts(status.Status.c_str());
    return status.Written ? 0 : 1;
}

// The tab's work on a folder of records, timed.
int Timed(const std::string& what, const std::string& logFolder, const std::string& outFolder) {
    const auto start = std::chrono::steady_clock::now();
    OutputStatus status{true, ""};
    if (what == "bundle") {
        status = BundleLogs(logFolder, outFolder + "/");
    } else {
        EditGridModel list;
        SetupLogList(list);
        RefreshLogList(list, logFolder);
        if (what == "sql")
            status = GenerateSqlFile("INSERT INTO Logs (Name, Updated) VALUES ()", ListedLogs(list.Grid).Rows,
                                     outFolder + "/");
    }
    const auto took = std::chrono::steady_clock::now() - start;
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
    if (!status.Written) std::fprintf(stderr, "%s\n", status.Status.c_str());
    return status.Written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "export" && argc == 4) return Export(argv[2], std::atol(argv[3]));
    if ((command == "bundle" || command == "sql" || command == "list") && argc == 4)
        return Timed(command, argv[2], argv[3]);
    std::fprintf(stderr, "usage: records_probe export FOLDER ROWS | bundle|sql|list LOGFOLDER OUTFOLDER\n");
    return 2;
}
