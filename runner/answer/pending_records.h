// An answer whose record file cannot be written (the record folder missing,
// read-only or unreachable) is kept in a folder of the user's own and
// delivered at the next start where the record folder takes it, so the site
// never loses a record of an answer the user gave.
#pragma once

#include <string>

// "<local application data>\Tessarin\Pending"; empty without a base folder.
std::string PendingRecordFolder(const std::string& localAppData);

// Keeps the record under its record file's name (the folder is made when
// missing); true when kept.
bool KeepPendingRecord(const std::string& pendingFolder, const std::string& recordName, const std::string& content);

// Moves every pending record ("..._Declaration") to the record folder, named
// there as RecordFilePath names it. A record there that is newer than the
// pending one stays and the pending one is dropped; one that cannot be
// delivered waits for the next start. Answers how many were delivered.
int DeliverPendingRecords(const std::string& pendingFolder, const std::string& recordFolder);
