#include "runner/answer/response_recorder.h"

#include "runner/answer/acceptance_record.h"
#include "runner/answer/pending_records.h"
#include "shared/file_routines.h"
#include "runner/window/window_settings.h"

namespace {

const int kHardwareAddress = 1;
const int kIpAddress = 2;

std::string Machine(const std::string& saveMachineId, ResponseSystem& system) {
    // Adapter queries are slow: only made when the setting asks for them.
    const bool wantsIp = saveMachineId == "IP" || saveMachineId == "Both";
    const bool wantsMac = saveMachineId == "MAC" || saveMachineId == "Both";
    return MachineSegment(saveMachineId, wantsIp ? system.AdapterAddress(kIpAddress) : "",
                          wantsMac ? system.AdapterAddress(kHardwareAddress) : "");
}

std::string DefaultRecordFolder(const std::string& appFolder) {
    if (!appFolder.empty() && (appFolder.back() == '\\' || appFolder.back() == '/')) return appFolder;
    return appFolder + "\\";
}

}  // namespace

std::string RecordFolder(const SettingsStore& settings, const std::string& appFolder) {
    return GetSettingOrDefault("TsrPath", DefaultRecordFolder(appFolder), settings);
}

RecordOutcome RecordResponse(const ResponseRequest& request, const SettingsStore& settings,
                             const std::string& appFolder, ResponseSystem& system) {
    if (request.ScreenSaverMode || request.ProfileUser.empty()) return RecordOutcome::NotRecorded;

    RecordParts parts;
    parts.DateTime = system.GeneralDateNow();
    parts.Machine = Machine(GetSettingItem("Save Machine ID", settings), system);
    parts.Reader = request.BoxTicked ? request.CheckCaption : request.ProfileUser;
    parts.Response = request.Response;
    parts.Details = system.DocumentDetails();
    const std::string text = BuildRecordText(parts);

    // A library that is present but cannot take the record is treated as
    // absent, so the answer is never lost.
    if (system.LibraryPresent() && system.LibrarySaveDoc(text)) return RecordOutcome::Library;

    // A name such as "..\\x" or "com1" must never choose the file.
    if (!IsPlainFileName(request.ProfileUser)) return RecordOutcome::NotRecorded;
    const std::string content = text + "\r\n";
    const std::string path = RecordFilePath(RecordFolder(settings, appFolder), request.ProfileUser);
    if (system.ReplaceFile(path, content)) return RecordOutcome::File;
    return KeepPendingRecord(request.PendingFolder, RecordFilePath("", request.ProfileUser), content)
               ? RecordOutcome::Pending
               : RecordOutcome::FileFailed;
}
