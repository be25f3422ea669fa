#include "runner/answer/response_recorder.h"

#include "runner/answer/acceptance_record.h"
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

    const std::string folder = GetSettingOrDefault("TsrPath", DefaultRecordFolder(appFolder), settings);
    const std::string path = RecordFilePath(folder, request.ProfileUser);
    return system.ReplaceFile(path, text + "\r\n") ? RecordOutcome::File : RecordOutcome::FileFailed;
}
