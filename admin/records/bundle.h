// "Bundle.Log": the text of every record of the log folder, one after the
// other, each followed by one empty line.
#pragma once

#include <string>

#include "admin/records/output_status.h"

// Writes output folder + "Bundle.Log" (records in the order the listing
// takes them; each line ends in CR LF). The file is streamed to a temporary
// file and replaces the old bundle only when whole.
OutputStatus BundleLogs(const std::string& logFolder, const std::string& outputFolder);
