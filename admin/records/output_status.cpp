#include "admin/records/output_status.h"

#include "shared/atomic_file.h"

OutputStatus WriteFailure(const std::string& what, const std::string& path, const std::string& reason) {
    return OutputStatus{false, what + " cannot be written to " + path + ": " + reason};
}

OutputStatus WriteWhole(const std::string& what, const std::string& path, const std::string& bytes,
                        const std::string& doneStatus) {
    AtomicFile file;
    if (file.Open(path) && file.Write(bytes) && file.Commit()) return OutputStatus{true, doneStatus};
    return WriteFailure(what, path, file.Error());
}
