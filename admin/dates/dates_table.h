// The dates tab: the table grdDocDates over the document-dates file, one row
// per line (a date key and a document file), its two automatic fills, the
// file picker's condition, reload, clear, and writing the table back.
#pragma once

#include <string>
#include <vector>

#include "admin/grid/grid_model.h"
#include "shared/calendar.h"
#include "shared/settings_store.h"

constexpr long kDateCol = 1;  // "Doc Date": the entry's key
constexpr long kFileCol = 2;  // "File": the entry's value (its first item)
constexpr char kDateHeader[] = "Doc Date";
constexpr char kFileHeader[] = "File";

// Once, when the window opens: the shared look; dates are edited with the
// spin field (a date steps by a day, nothing is computed), files as text.
void SetupDatesTable(EditGridModel& table);

// Fills the table from the store: row i shows entry i (blank lines and
// remarks included), one empty row always kept at the bottom.
void FillDatesTable(EditGridModel& table, const SettingsStore& docDates);

// The store the table saves as: each row with both a date and a file, in
// table order, as "date=file". A date that stands again further down gives
// its file to the first line with that date (compared trimmed, any case),
// and the later line keeps the date as its value.
SettingsStore DatesStoreFromTable(const EditGridModel& table);
// Replaces the dates store by the table's and writes it to the path
// (atomically). False with *failure naming the file when it could not be
// written; the old file then stays as it was.
bool SaveDates(const EditGridModel& table, const std::string& path, SettingsStore& docDates, std::string* failure);

enum DatesFillMode { FillOrderedWeekdays = 1, FillDatesFromTomorrow = 2 };
// Mode 1 writes the seven weekday names in the system's language from its
// first day of the week into rows 1 to 7 (the table grows to 8 rows when it
// has fewer); mode 2 writes today + i days in the short date format into
// every data row i. The "File" column is not touched. Answers whether row 1
// has a file: the window then counts the fill as an edit once loaded.
bool FillDates(EditGridModel& table, int mode, const Calendar& calendar);

// A double-click may open the file picker only on a row whose date reads as
// a date, a number or a weekday name (full or short, any case).
bool DatesRowOpensPicker(const EditGridModel& table, long row, const Calendar& calendar);
// The header the picker is opened with: the date column's header text.
std::string DatesPickerHeader(const EditGridModel& table);

// Both the date and the file of the row are filled in.
bool DatesRowComplete(const EditGridModel& table, long row);

// "Reload Dates": loads the file over the store's current entries (lines
// beyond the file's stay) and refills the table.
void ReloadDates(EditGridModel& table, SettingsStore& docDates, const std::string& path);
// "Clear All Dates": every row emptied, the headers kept; the store is not touched.
void ClearAllDates(EditGridModel& table);

// The pop-up menu of the table, in order.
enum class DatesCommand { OrderWeekdays, RandomWeekdays, ReloadDates, ClearAllDates };
struct DatesMenuItem {
    DatesCommand Command;
    const char* Name;
    const char* Caption;
};
const std::vector<DatesMenuItem>& DocDateMenuItems();
