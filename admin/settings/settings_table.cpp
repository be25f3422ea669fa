#include "admin/settings/settings_table.h"

#include <algorithm>
#include <numeric>

#include "admin/console/picker_table.h"
#include "admin/grid/grid_editing.h"
#include "admin/settings/editing_table.h"
#include "shared/file_routines.h"
#include "shared/text_routines.h"

namespace {

void EmptyRowBeyondStore(EditGridModel& table, const SettingsStore& store) {
    const long row = table.Grid.Row();
    if (row < 1 || IsSettingRow(row, store)) return;
    table.Grid.SetTextMatrix(row, kSettingCol, std::string());
    table.Grid.SetTextMatrix(row, kValueCol, std::string());
}

}  // namespace

void SetupSettingsTable(EditGridModel& table) {
    SetupEditingTable(table, kSettingHeader, kValueHeader);
    // A key typed over would no longer find its entry: keys are read-only.
    SetCellCtl(table, kSettingCol, EditorOff);
    SetCellCtl(table, kValueCol, EditorText);
}

void FillSettingsTable(EditGridModel& table, const SettingsStore& store) {
    table.GridClear();
    table.Grid.SetTextMatrix(0, kSettingCol, kSettingHeader);
    table.Grid.SetTextMatrix(0, kValueCol, kValueHeader);
    const std::vector<SettingEntry>& entries = store.Entries();
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // std::string compares by unsigned character codes, case-sensitively.
    std::stable_sort(order.begin(), order.end(),
                     [&entries](std::size_t a, std::size_t b) { return entries[a].Section < entries[b].Section; });
    EnsureTableRows(table, static_cast<long>(order.size()) + 2);
    long row = 0;
    for (std::size_t index : order) {
        const SettingEntry& entry = entries[index];
        ++row;
        table.Grid.SetTextMatrix(row, kSettingCol, entry.Key);
        table.Grid.SetTextMatrix(row, kValueCol, ShownValue(entry.Key, entry.Value));
    }
}

bool IsSettingRow(long row, const SettingsStore& store) {
    return row >= 1 && static_cast<std::size_t>(row) <= store.Count();
}

std::vector<std::string> ChoiceList(const SettingEntry& entry) {
    std::vector<std::string> choices;
    if (IsTextKey(entry.Key)) return choices;
    std::size_t comma = entry.Value.find(',');
    while (comma != std::string::npos) {
        std::size_t next = entry.Value.find(',', comma + 1);
        std::string item = Trim(entry.Value.substr(comma + 1, next == std::string::npos ? next : next - comma - 1));
        if (!item.empty()) choices.push_back(item);
        comma = next;
    }
    return choices;
}

RowEdit ApplyRowEdit(EditGridModel& table, long row, SettingsStore& store) {
    RowEdit result = RowEdit::None;
    if (IsSettingRow(row, store)) {
        const std::string key = table.Grid.TextMatrix(row, kSettingCol);
        const std::string cell = table.Grid.TextMatrix(row, kValueCol);
        const std::string old = GetSettingValue(key, store);
        if (key.find("File") == std::string::npos && IsBlankText(cell) && old.find(',') != std::string::npos) {
            // Blanking a value that carries choices or a note restores it.
            // Rows stand for store positions, so the restore reads that one.
            SettingEntry& atRow = store.At(static_cast<std::size_t>(row));
            const std::string shown = ShownValue(key, atRow.Value);
            table.Grid.SetTextMatrix(row, kValueCol, shown);
            if (shown.empty()) atRow.Value.clear();
            result = RowEdit::Restored;
        } else {
            if (SettingEntry* entry = FindSetting(key, store)) {
                if (IsTextKey(key)) entry->Value = Trim(cell);
                else SetSettingItem(key, cell, store);
            }
            result = RowEdit::Applied;
        }
    }
    EmptyRowBeyondStore(table, store);
    return result;
}

ValueEditor ShowValueEditor(EditGridModel& table, const SettingsStore& store) {
    ValueEditor editor;
    if (table.Grid.Col() == kValueCol) {
        const long row = table.Grid.Row();
        if (IsSettingRow(row, store)) editor.Choices = ChoiceList(store.At(static_cast<std::size_t>(row)));
        editor.Shown = true;
        editor.DropDown = editor.Choices.size() >= 2;
        SetCellCtl(table, kValueCol, editor.DropDown ? EditorDropDownList : EditorText);
    }
    EmptyRowBeyondStore(table, store);
    return editor;
}

RowColChangeResult SettingsRowColChange(EditGridModel& table, SettingsStore& store, long& lastSettingRow) {
    RowColChangeResult result;
    if (lastSettingRow > 0) result.Edited = ApplyRowEdit(table, lastSettingRow, store) == RowEdit::Applied;
    lastSettingRow = table.Grid.Row();
    if (IsSettingRow(lastSettingRow, store)) {
        result.Editor = ShowValueEditor(table, store);
        result.EnableSave = true;
        result.Edited = true;
    } else {
        // Nothing typed there could be stored: no editor opens.
        SetCellCtl(table, kValueCol, EditorOff);
    }
    return result;
}

bool SettingHasPicker(const std::string& settingText) {
    return PickerFor(settingText, std::string()).Kind != PickerKind::None;
}

bool SaveSettings(EditGridModel& table, SettingsStore& store, const std::string& path, std::string* failure) {
    if (!FileExists(path)) return true;
    ApplyRowEdit(table, table.Grid.Row(), store);
    if (SaveSettingsFile(store, path)) return true;
    if (failure) *failure = SaveFailureText(path);
    return false;
}

std::string ProfilesFolder(const std::string& appFolder) { return JoinPath(appFolder, "Profiles"); }

CopyResult CopyProperty(EditGridModel& table, SettingsStore& store, const std::string& appFolder,
                        const std::string& fileName) {
    // A name with a separator, a drive colon or a device name would write
    // somewhere else than a profile file: such a name writes nothing.
    if (!IsPlainFileName(fileName)) return CopyResult::NotAFileName;
    ApplyRowEdit(table, table.Grid.Row(), store);
    if (!SaveSettingsFile(store, JoinPath(ProfilesFolder(appFolder), fileName))) return CopyResult::NotWritten;
    return CopyResult::Copied;
}
