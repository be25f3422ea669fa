#include "admin/records/bundle.h"

#include "admin/records/log_files.h"
#include "admin/records/log_text.h"
#include "shared/atomic_file.h"
#include "shared/file_routines.h"

OutputStatus BundleLogs(const std::string& logFolder, const std::string& outputFolder) {
    const std::string path = outputFolder + kBundleFileName;
    const std::string problem = LogFolderProblem(logFolder);
    if (!problem.empty()) return OutputStatus{false, problem};
    AtomicFile file;
    if (!file.Open(path)) return WriteFailure("The bundle", path, file.Error());
    std::string bytes, text;  // reused: one allocation each for the whole run
    for (const std::string& name : LogFileNames(logFolder)) {
        ReadWholeFile(JoinPath(logFolder, name), &bytes);
        text.clear();
        LineEndNormaliser normaliser;
        normaliser.Add(bytes.data(), bytes.size(), &text);
        normaliser.Finish(&text);
        text.append("\r\n");
        if (!file.Write(text)) break;
    }
    if (!file.Commit()) return WriteFailure("The bundle", path, file.Error());
    return OutputStatus{true, "Logs have been bundled in " + path};
}
