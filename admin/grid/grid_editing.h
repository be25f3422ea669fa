// The in-cell editors' decisions: where an editor goes, when an edit may
// begin and what it starts with, committing (arithmetic and column format),
// cancelling, moving on with Enter, the keys table, auto-completion with the
// type-ahead timer, spin buttons, and the events raised to the owner.
// The window applies these answers to its real editor windows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "admin/grid/grid_model.h"
#include "admin/grid/vb_values.h"

// ---------- set-up (records only; the window creates the drop-downs) ----------
void SetCellCtl(EditGridModel& grid, long iCol, int iCtrType);
void SetCellCtlID(EditGridModel& grid, long iCol, int iCtrType);
void SetCellCtlVisible(EditGridModel& grid, long iCol, bool iFlag);
void SetCellColMove(EditGridModel& grid, bool iFlag);
void SetTypeCheckingTime(EditGridModel& grid, int iValue);

// ---------- geometry ----------
// Twips in the control; a "Set" flag false means "leave that one as it is".
struct EditorPlacement {
    long Top = 0, Left = 0, Width = 0, Height = 0;
    bool SetLeft = true, SetWidth = true, SetHeight = true;
};
struct CellRect {
    long Left = 0, Top = 0, Width = 0, Height = 0;
};
// The editor of a kind laid over the cell (kinds 1..4).
EditorPlacement PlaceEditor(int kind, const CellRect& cell);
// The up-down buttons beside a spin field.
EditorPlacement PlaceUpDown(const CellRect& cell);
// The header option list, 285 twips above the cell.
EditorPlacement PlaceHeaderOptions(const CellRect& cell);

// ---------- beginning an edit ----------
struct BeginEditPlan {
    bool Open = false;  // false: nothing happens
    int Kind = EditorNone;
    std::string Text;   // the editor's text
    long SelStart = 0;  // caret / selection in the editor's text
    long SelLength = 0;
    bool ShowUpDown = false;  // kind 2
    // Drop-downs: the list entry to select (-1: leave the selection), and
    // for kind 4 an entry to add to the list first (the cell's own text).
    long SelectIndex = -1;
    std::optional<std::string> AddEntry;
    bool SetText = false;  // kind 4: set the drop-down's edit text
};
// keyAscii below 32 means "opened by Enter": the cell's text, all selected.
// mouseCol is the column under the pointer; listEntries the column's list.
// Takes the current row as last edit row when the row is editable.
BeginEditPlan BeginEdit(EditGridModel& grid, int keyAscii, long mouseCol,
                        const std::vector<std::string>& listEntries = {});
// The three conditions of beginning (and of cancelling).
bool CanEditHere(const EditGridModel& grid, long mouseCol);

// ---------- committing ----------
// Stores the editor's text into the current cell by the column's kind
// (only when the editor is visible), then applies the column's format.
void CommitEdit(EditGridModel& grid, bool editorVisible, const std::string& editorText,
                const FormatLocale& locale = FormatLocale::Default());
// The same for the cell the editor was opened on, wherever the current
// cell has gone since (the owner may move it while an editor is open).
void CommitEditAt(EditGridModel& grid, long row, long col, bool editorVisible, const std::string& editorText,
                  const FormatLocale& locale = FormatLocale::Default());
// The column's format applied to a cell (no format: unchanged).
void ApplyColumnFormat(EditGridModel& grid, long row, long col, const FormatLocale& locale = FormatLocale::Default());
// The in-cell arithmetic of text fields: "2*21" -> "42", "10/4" -> "2.5".
// Numbers, long dates, division by 0, results that are not finite: unchanged.
std::string InCellArithmetic(const std::string& text, const FormatLocale& locale = FormatLocale::Default());

// ---------- keys ----------
// Virtual key codes the table uses (same values as the system's).
enum GridKey {
    KeyBack = 8,
    KeyTab = 9,
    KeyReturn = 13,
    KeyEscape = 27,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyDelete = 46
};
enum class EditorKeyAction {
    EditorOwn,       // leave the key to the editor
    Cancel,          // Escape: see DecideCancel
    MoveOn,          // Enter: see NextCellOnEnter
    CloseEditor,     // close without commit
    ClearSelection,  // drop-downs: clear the list selection
    CommitOnly,      // drop-down list, other keys: commit, nothing more
    CommitMoveOn     // drop-down list, Enter: commit, then move on
};
EditorKeyAction DecideEditorKey(int kind, int virtualKey);

// ---------- cancel and move on ----------
enum class CancelAction { None, CloseEditor, RestoreText };
CancelAction DecideCancel(const EditGridModel& grid, long mouseCol, const std::string& editorText);
struct GridCellRef {
    long Row = 0, Col = 0;
};
// The cell Enter goes to, or nullopt when it stays (last cell / last row).
std::optional<GridCellRef> NextCellOnEnter(const EditGridModel& grid);

// ---------- auto-completion ----------
struct Completion {
    bool Found = false;
    std::string Text;
    long SelStart = 0, SelLength = 0;
};
// First entry beginning with the typed text (no case); remainder selected.
Completion AutoComplete(const std::string& typed, const std::vector<std::string>& entries);
// The pending-key mark and the timer interval.
constexpr int kDefaultTypeAheadMs = 300;
class TypeAhead {
public:
    // Key released in the editable drop-down: true when the timer must be
    // restarted (the key counts as typing).
    bool KeyReleased(int virtualKey);
    // The timer fired: true when the search should run (clears the mark).
    bool TimerFired();
    bool Pending() const { return pending_; }
    static int IntervalMs(int typeCheckingTime) {
        return typeCheckingTime > 0 ? typeCheckingTime : kDefaultTypeAheadMs;
    }

private:
    bool pending_ = false;
};

// ---------- spin buttons ----------
// Trimmed text; numbers +/-1, dates +/- one day, anything else unchanged.
std::string SpinText(const std::string& text, bool up, const FormatLocale& locale = FormatLocale::Default());

// ---------- events ----------
// The owner's listener: every event the control raises, in its declared
// order. Key, Cancel, Effect and Cmp arguments are references the owner may
// change; the control goes on with the changed values. OLEStartDrag to
// OLEDragDrop and DropDown are declared for the owner but never raised.
class EditGridListener {
public:
    virtual ~EditGridListener() = default;
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void KeyDown(int& /*KeyCode*/, int& /*Shift*/) {}
    virtual void KeyPress(int& /*KeyAscii*/) {}
    virtual void KeyUp(int& /*KeyCode*/, int& /*Shift*/) {}
    virtual void MouseDown(int /*Button*/, int /*Shift*/, long /*X*/, long /*Y*/) {}
    virtual void MouseMove(int /*Button*/, int /*Shift*/, long /*X*/, long /*Y*/) {}
    virtual void MouseUp(int /*Button*/, int /*Shift*/, long /*X*/, long /*Y*/) {}
    virtual void Validate(bool& /*Cancel*/) {}
    virtual void SelChange() {}
    virtual void Scroll() {}
    virtual void RowColChange() {}
    virtual void OLEStartDrag() {}
    virtual void OLESetData() {}
    virtual void OLEGiveFeedback() {}
    virtual void OLEDragOver() {}
    virtual void OLEDragDrop() {}
    virtual void OLECompleteDrag(long& /*Effect*/) {}
    virtual void LeaveCell() {}
    virtual void EnterCell() {}
    virtual void DropDown() {}
    virtual void Compare(long /*Row1*/, long /*Row2*/, int& /*Cmp*/) {}
};
// Entering a cell: remember it as the last entered cell.
void NoteEnteredCell(EditGridModel& grid);
