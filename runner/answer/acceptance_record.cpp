#include "runner/answer/acceptance_record.h"

#include "shared/text_routines.h"

std::string MachineSegment(const std::string& saveMachineId, const std::string& ipAddress,
                           const std::string& hardwareAddress) {
    const std::string ip = CutAtNull(ipAddress);
    if (saveMachineId == "IP") return ", IP:" + ip + ", ";
    if (saveMachineId == "MAC") return "," + Trim("MAC:" + hardwareAddress) + ", ";
    if (saveMachineId == "Both") return "," + Trim("IP:" + ip + "  MAC:" + hardwareAddress) + ", ";
    return ", ";
}

std::string BuildRecordText(const RecordParts& parts) {
    return parts.DateTime + parts.Machine + parts.Reader + " " + parts.Response + "\r\n" + parts.Details;
}

std::string RecordFilePath(const std::string& tsrPath, const std::string& profileUser) {
    return tsrPath + profileUser + "_Declaration";
}
