// The text of an acceptance record and where the record file goes.
#pragma once

#include <string>

// The machine part after the date: chosen by the "Save Machine ID" item
// ("IP", "MAC", "Both"; anything else gives just ", ").
std::string MachineSegment(const std::string& saveMachineId, const std::string& ipAddress,
                           const std::string& hardwareAddress);

struct RecordParts {
    std::string DateTime;  // general date: short date, a space, long time
    std::string Machine;   // MachineSegment
    std::string Reader;    // check-box caption when ticked, else the profile user
    std::string Response;  // caption of the pressed button
    std::string Details;   // body text, URL, or the not-found note
};

std::string BuildRecordText(const RecordParts& parts);

// The folder text is used as configured: a folder without a trailing
// backslash is glued to the file name, as existing sites rely on.
std::string RecordFilePath(const std::string& tsrPath, const std::string& profileUser);
