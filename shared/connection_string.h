// ODBC connection strings ("Record Database"): whether one can reach a
// database at all, and its passwords kept out of anything shown or written.
#pragma once

#include <string>

#include "shared/settings_store.h"

constexpr char kRecordDatabaseKey[] = "Record Database";

// The "Record Database" connection string: the whole value, trimmed (a
// connection string may hold commas, as in Server=db1,1433). A value that
// begins with a comma holds only a note: no database. Empty: no database.
std::string RecordDatabase(const SettingsStore& settings);

// True when the connection string names a driver, a data source or a file
// data source; a string without one can only fail, and does so at once.
bool NamesDriver(const std::string& connectionString);

// The connection string with the value of every password key ("Pwd",
// "Password", any case) replaced by "*****"; braced values ({...;...}) count
// as one value.
std::string MaskConnectionPassword(const std::string& connection);
// The text with every password value of the connection string replaced by
// "*****" (a driver may quote its input in an error).
std::string HidePasswords(const std::string& text, const std::string& connection);
