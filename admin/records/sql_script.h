// "TessarinLog.sql": one statement per listed row, built from the "Log Sql"
// template. The statement keeps the template's text up to and including its
// last "(", then the row's values, then the template's text from its last
// ")" on. Without "(" nothing stands before the values; without ")" the
// whole template follows them; an empty template gives the bare values.
#pragma once

#include <string>
#include <vector>

#include "admin/records/output_status.h"

// Each text in "'" with any "'" inside doubled, joined by "," (no spaces).
std::string SqlValues(const std::vector<std::string>& texts);
std::string SqlLine(const std::string& sqlTemplate, const std::vector<std::string>& texts);
// Every row's line followed by CR LF.
std::string SqlScriptText(const std::string& sqlTemplate, const std::vector<std::vector<std::string>>& rows);

// Writes output folder + "TessarinLog.sql" whole. The text keeps its bytes:
// it is in the system's code page already, as the settings and names are.
OutputStatus GenerateSqlFile(const std::string& sqlTemplate, const std::vector<std::vector<std::string>>& rows,
                             const std::string& outputFolder);
