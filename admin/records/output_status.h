// What writing one of the log tab's outputs answers: whether the file was
// written, and the status-bar text that says where, or why not.
#pragma once

#include <string>

struct OutputStatus {
    bool Written = false;
    std::string Status;
};

// "<what> cannot be written to <path>: <reason>"
OutputStatus WriteFailure(const std::string& what, const std::string& path, const std::string& reason);
// A file written whole: temporary file beside the target, then replace.
OutputStatus WriteWhole(const std::string& what, const std::string& path, const std::string& bytes,
                        const std::string& doneStatus);
