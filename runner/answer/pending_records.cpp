#include "runner/answer/pending_records.h"

#include "runner/answer/acceptance_record.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"

namespace {

const char kRecordSuffix[] = "_Declaration";

bool IsRecordName(const std::string& name) {
    const std::string suffix = kRecordSuffix;
    return name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string PendingRecordFolder(const std::string& localAppData) {
    if (localAppData.empty()) return std::string();
    return JoinPath(JoinPath(localAppData, "Tessarin"), "Pending");
}

bool KeepPendingRecord(const std::string& pendingFolder, const std::string& recordName, const std::string& content) {
    if (pendingFolder.empty() || !IsPlainFileName(recordName)) return false;
    CreateFolder(FolderOf(pendingFolder));
    return CreateFolder(pendingFolder) && ReplaceFileAtomically(JoinPath(pendingFolder, recordName), content);
}

int DeliverPendingRecords(const std::string& pendingFolder, const std::string& recordFolder) {
    int delivered = 0;
    for (const std::string& name : FileNamesIn(pendingFolder)) {
        if (!IsRecordName(name)) continue;
        const std::string pending = JoinPath(pendingFolder, name);
        const std::string user = name.substr(0, name.size() - (sizeof kRecordSuffix - 1));
        const std::string target = RecordFilePath(recordFolder, user);
        long long pendingTime = 0, targetTime = 0;
        if (FileModifiedTime(target, &targetTime) && FileModifiedTime(pending, &pendingTime) &&
            targetTime > pendingTime) {
            DeleteFileAt(pending);  // a later answer already reached the folder
            continue;
        }
        std::string content;
        if (!ReadWholeFile(pending, &content) || !ReplaceFileAtomically(target, content)) continue;
        DeleteFileAt(pending);
        ++delivered;
    }
    return delivered;
}
