#include "runner/answer/response_recorder.h"

#include "runner/answer/acceptance_record.h"
#include "runner/answer/pending_records.h"
#include "shared/file_routines.h"
#include "shared/text_routines.h"
#include "runner/window/window_settings.h"

namespace {

const int kHardwareAddress = 1;
const int kIpAddress = 2;

// Adapter queries are slow: only made when the setting asks for them.
// The IP address comes as the system's fixed field, NUL padded.
void QueryAddresses(const std::string& saveMachineId, ResponseSystem& system, std::string* ipField,
                    std::string* hardwareAddress) {
    if (saveMachineId == "IP" || saveMachineId == "Both") *ipField = system.AdapterAddress(kIpAddress);
    if (saveMachineId == "MAC" || saveMachineId == "Both") *hardwareAddress = system.AdapterAddress(kHardwareAddress);
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
                             const std::string& appFolder, ResponseSystem& system, RecordFacts* facts) {
    if (request.ScreenSaverMode || request.ProfileUser.empty()) return RecordOutcome::NotRecorded;

    RecordFacts made;
    made.Made = true;
    made.DateTime = system.GeneralDateNow();
    const std::string saveMachineId = GetSettingItem("Save Machine ID", settings);
    std::string ipField, hardwareAddress;
    QueryAddresses(saveMachineId, system, &ipField, &hardwareAddress);
    made.IpAddress = CutAtNull(ipField);
    made.HardwareAddress = Trim(hardwareAddress);
    if (facts) *facts = made;

    RecordParts parts;
    parts.DateTime = made.DateTime;
    parts.Machine = MachineSegment(saveMachineId, ipField, hardwareAddress);
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
