// The settings tab: the table grdProperty over the settings store being
// edited. Row r of the table stands for store position r; each edited row
// goes back into the store by its key when the current cell moves, and
// saving writes the whole store, so the file keeps its line order, remark
// lines and the notes after each value's first comma.
#pragma once

#include <string>
#include <vector>

#include "admin/grid/grid_model.h"
#include "shared/settings_store.h"

constexpr long kSettingCol = 1;  // "Setting": the entry's key, untrimmed
constexpr long kValueCol = 2;    // "Value": the item, or the whole text of a text key
constexpr char kSettingHeader[] = "Setting";
constexpr char kValueHeader[] = "Value";

// Once, when the window opens: the shared look, keys read-only, values
// edited in place.
void SetupSettingsTable(EditGridModel& table);

// Fills the table: entries ordered by section (character codes, stable, so a
// file without sections keeps its order), one row each, one empty row kept
// at the bottom.
void FillSettingsTable(EditGridModel& table, const SettingsStore& store);

// A data row that stands for an entry of the store.
bool IsSettingRow(long row, const SettingsStore& store);

// The values a setting offers: the items after the first, trimmed, blanks
// left out. A text key offers none (its commas are text).
std::vector<std::string> ChoiceList(const SettingEntry& entry);

enum class RowEdit {
    None,      // not a setting row: nothing written
    Restored,  // a blanked value with notes was put back from the store
    Applied    // the cell went into the store: an edit (Changed once loaded)
};
// Writes one row's value into the store by the row's key. A blanked value
// whose stored text carries notes is restored instead (keys holding "File"
// may be blanked). Text keys take the whole trimmed text, other keys the
// item (notes kept). A key that is not found is not appended. Afterwards the
// current row's cells are emptied when it is a data row beyond the store.
RowEdit ApplyRowEdit(EditGridModel& table, long row, SettingsStore& store);

// The editor of the "Value" cell of the current row.
struct ValueEditor {
    bool Shown = false;     // the current cell is in the "Value" column
    bool DropDown = false;  // two or more choices: a drop-down list, else a text editor
    std::vector<std::string> Choices;
};
// Sets the "Value" column's editor kind on the grid (drop-down list or text)
// and answers the choices to put in the list.
ValueEditor ShowValueEditor(EditGridModel& table, const SettingsStore& store);

struct RowColChangeResult {
    bool Edited = false;      // Changed := Loaded (a row was written or a setting row entered)
    bool EnableSave = false;  // the new current row is a setting row
    ValueEditor Editor;       // the value editor; hidden and emptied off setting rows
};
// The current cell moved: commits the previous setting row, remembers the
// new one and prepares its value editor. Off setting rows the "Value"
// column is not editable.
RowColChangeResult SettingsRowColChange(EditGridModel& table, SettingsStore& store, long& lastSettingRow);

// The picker a double-click on a row opens: the row's key is the picker's
// header, and only the keys the console's picker knows have one.
bool SettingHasPicker(const std::string& settingText);

// Saves the store to the settings file, committing the current row first.
// A missing file is not created: nothing is written and the answer is true.
// False with *failure naming the file when it could not be replaced.
bool SaveSettings(EditGridModel& table, SettingsStore& store, const std::string& path, std::string* failure);

// The folder of the users' profile files in the application folder.
std::string ProfilesFolder(const std::string& appFolder);

enum class CopyResult {
    Copied,
    NotAFileName,  // a name a file cannot hold (or a device name): nothing written
    NotWritten     // the profile file could not be written
};
// Writes the whole store as the profile file `fileName` (with its ".ini") in
// the "Profiles" folder of the application folder, replacing any file
// there, after committing the current row. Never writes outside that folder.
CopyResult CopyProperty(EditGridModel& table, SettingsStore& store, const std::string& appFolder,
                        const std::string& fileName);
