// Sample acceptance-record-like rows for GridDemo.exe.
#pragma once

#include <string>
#include <vector>

#include "admin/grid/vb_values.h"

struct DemoColumn {
    const char* Caption;
    int Editor;          // the column's editor kind
    int Width;           // twips
    const char* Format;  // column format item, empty for none
};

// Column 0 (line numbers) first.
const std::vector<DemoColumn>& DemoColumns();
// The row's cells for AddRowDetail: item 0 unused, then one per data column.
std::vector<std::string> DemoRow(long index, const FormatLocale& locale);
const std::vector<std::string>& DemoComputers();
const std::vector<std::string>& DemoAnswers();
const std::vector<std::string>& DemoWeekdays();
