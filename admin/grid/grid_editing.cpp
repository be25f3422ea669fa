// The in-cell editors' decisions.
#include "admin/grid/grid_editing.h"

#include <cctype>
#include <cmath>

#include "admin/grid/vb_format.h"
#include "shared/text_routines.h"

namespace {

bool ValidEditorColumn(const EditGridModel& grid, long col) {
    return col >= 0 && col <= grid.Grid.Cols() && col < kMaxGridCols;
}

ColumnEditor& EditorSlot(EditGridModel& grid, long col) {
    auto& list = grid.ColEditors();
    if (static_cast<long>(list.size()) <= col) list.resize(static_cast<size_t>(col) + 1);
    return list[static_cast<size_t>(col)];
}

std::string WithDecimalSeparator(std::string text, const FormatLocale& locale) {
    if (locale.DecimalSeparator != '.')
        for (auto& c : text)
            if (c == '.') c = locale.DecimalSeparator;
    return text;
}

bool EqualsNoCasePrefix(const std::string& entry, const std::string& typed) {
    return entry.size() >= typed.size() && EqualsNoCase(entry.substr(0, typed.size()), typed);
}

long IndexOf(const std::vector<std::string>& entries, const std::string& text) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == text) return static_cast<long>(i);
    return -1;
}

bool IsNavigationKey(int vk) {
    switch (vk) {
    case KeyBack:
    case KeyDelete:
    case KeyLeft:
    case KeyRight:
    case KeyUp:
    case KeyDown:
    case KeyTab:
    case KeyPageUp:
    case KeyPageDown:
    case KeyHome:
    case KeyEnd: return true;
    default: return false;
    }
}

}  // namespace

// ---------------- set-up ----------------

void SetCellCtl(EditGridModel& grid, long iCol, int iCtrType) {
    if (!ValidEditorColumn(grid, iCol) || iCtrType < -1 || iCtrType > 4) return;
    ColumnEditor& e = EditorSlot(grid, iCol);
    e.Kind = static_cast<int16_t>(iCtrType);
    e.Enabled = iCtrType != EditorOff;
}

void SetCellCtlID(EditGridModel& grid, long iCol, int iCtrType) {
    if (!ValidEditorColumn(grid, iCol) || iCtrType < -1 || iCtrType > 4) return;
    ColumnEditor& e = EditorSlot(grid, iCol);
    e.Kind = static_cast<int16_t>(iCtrType);
    e.Enabled = true;
}

void SetCellCtlVisible(EditGridModel& grid, long iCol, bool iFlag) {
    if (!ValidEditorColumn(grid, iCol)) return;
    EditorSlot(grid, iCol).Enabled = iFlag;
}

void SetCellColMove(EditGridModel& grid, bool iFlag) { grid.EnterMovesDown = iFlag; }

void SetTypeCheckingTime(EditGridModel& grid, int iValue) { grid.TypeCheckingTime = iValue > 0 ? iValue : 0; }

// ---------------- geometry ----------------

EditorPlacement PlaceEditor(int kind, const CellRect& cell) {
    EditorPlacement p;
    p.Top = cell.Top - 10;
    p.Left = cell.Left - 10;
    if (kind == EditorSpin || kind == EditorText) {
        p.Width = cell.Width + 20;
        p.Height = cell.Height;
    } else {
        p.Width = cell.Width + 10;
        p.SetLeft = p.Left >= 1;
        p.SetWidth = p.Width >= 1;
        p.SetHeight = false;
    }
    return p;
}

EditorPlacement PlaceUpDown(const CellRect& cell) {
    EditorPlacement p;
    p.Top = cell.Top - 10;
    p.Left = cell.Left + cell.Width;
    p.Width = 240;
    p.Height = cell.Height;
    return p;
}

EditorPlacement PlaceHeaderOptions(const CellRect& cell) {
    EditorPlacement p;
    p.Top = cell.Top - 285;
    p.Left = cell.Left - 10;
    p.Width = cell.Width + 10;
    p.SetHeight = false;
    return p;
}

// ---------------- beginning ----------------

bool CanEditHere(const EditGridModel& grid, long mouseCol) {
    return mouseCol != 0 && !grid.Grid.CellFontStrikeThrough() && grid.EditableRows();
}

BeginEditPlan BeginEdit(EditGridModel& grid, int keyAscii, long mouseCol, const std::vector<std::string>& listEntries) {
    BeginEditPlan plan;
    if (!CanEditHere(grid, mouseCol)) return plan;
    grid.SetLastEditRow();
    const ColumnEditor editor = grid.EditorOf(grid.Grid.Col());
    if (!editor.Enabled || editor.Kind == EditorNone || editor.Kind == EditorOff) return plan;
    if (!grid.Grid.ValidCell(grid.Grid.Row(), grid.Grid.Col())) return plan;
    const std::string cell = grid.Grid.Text();
    const bool byEnter = keyAscii < 32;
    const std::string typed(1, static_cast<char>(keyAscii & 0xFF));
    plan.Kind = editor.Kind;
    switch (editor.Kind) {
    case EditorDropDownList:
        if (listEntries.empty()) return BeginEditPlan();
        plan.Open = true;
        plan.SelectIndex = IndexOf(listEntries, cell);
        break;
    case EditorSpin:
    case EditorText:
        plan.Open = true;
        plan.ShowUpDown = editor.Kind == EditorSpin;
        plan.SetText = true;
        if (byEnter) {
            plan.Text = cell;
            plan.SelStart = 0;
            plan.SelLength = static_cast<long>(cell.size());
        } else {
            plan.Text = typed;
            plan.SelStart = 1;
        }
        break;
    case EditorDropDownEdit:
        plan.Open = true;
        plan.SetText = true;
        if (byEnter) {
            plan.SelectIndex = IndexOf(listEntries, cell);
            if (plan.SelectIndex >= 0) {
                plan.Text = cell;
            } else if (!IsBlankText(cell)) {
                plan.Text = Trim(cell);
                plan.AddEntry = plan.Text;
            } else {
                plan.Text.clear();
            }
            plan.SelStart = 0;
            plan.SelLength = static_cast<long>(plan.Text.size());
        } else {
            plan.Text = typed;
            plan.SelStart = 1;
        }
        break;
    default: return BeginEditPlan();
    }
    return plan;
}

// ---------------- committing ----------------

std::string InCellArithmetic(const std::string& text, const FormatLocale& locale) {
    if (IsNumericText(text, nullptr, locale)) return text;
    if (text.size() > 8 && IsDateText(text, locale)) return text;
    std::string result = text;
    for (char op : {'*', '/', '+', '-'}) {
        size_t first = text.find(op);
        if (first == std::string::npos) continue;
        size_t second = text.find(op, first + 1);
        std::string a = text.substr(0, first);
        std::string b = text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        double x = 0, y = 0;
        if (!IsNumericText(a, &x, locale) || !IsNumericText(b, &y, locale)) continue;
        double r = 0;
        switch (op) {
        case '*': r = x * y; break;
        case '/':
            if (y == 0) continue;
            r = x / y;
            break;
        case '+': r = x + y; break;
        default: r = x - y; break;
        }
        if (!std::isfinite(r)) continue;  // overflow keeps what was typed
        result = WithDecimalSeparator(NumberText(r), locale);
    }
    return result;
}

void ApplyColumnFormat(EditGridModel& grid, long row, long col, const FormatLocale& locale) {
    const std::string format = grid.ColFormatOf(col);
    if (IsBlankText(format) || !grid.Grid.ValidCell(row, col)) return;
    const std::string& cell = grid.Grid.TextMatrix(row, col);
    std::string formatted = VbFormat(cell, format, locale);
    if (formatted != cell) grid.Grid.SetTextMatrix(row, col, formatted);
}

void CommitEdit(EditGridModel& grid, bool editorVisible, const std::string& editorText, const FormatLocale& locale) {
    CommitEditAt(grid, grid.Grid.Row(), grid.Grid.Col(), editorVisible, editorText, locale);
}

void CommitEditAt(EditGridModel& grid, long row, long col, bool editorVisible, const std::string& editorText,
                  const FormatLocale& locale) {
    if (!grid.Grid.ValidCell(row, col)) return;
    if (editorVisible) {
        switch (grid.EditorOf(col).Kind) {
        case EditorDropDownList:
        case EditorDropDownEdit:
        case EditorSpin: grid.Grid.SetTextMatrix(row, col, editorText); break;
        case EditorText: grid.Grid.SetTextMatrix(row, col, InCellArithmetic(editorText, locale)); break;
        default: break;
        }
    }
    ApplyColumnFormat(grid, row, col, locale);
}

// ---------------- keys ----------------

EditorKeyAction DecideEditorKey(int kind, int vk) {
    if (kind == EditorSpin || kind == EditorText) {
        switch (vk) {
        case KeyEscape: return EditorKeyAction::Cancel;
        case KeyReturn: return EditorKeyAction::MoveOn;
        case KeyPageUp:
        case KeyPageDown: return EditorKeyAction::CloseEditor;
        default: return EditorKeyAction::EditorOwn;
        }
    }
    if (kind == EditorDropDownList || kind == EditorDropDownEdit) {
        if (vk == KeyDelete) return EditorKeyAction::ClearSelection;
        if (vk == KeyEscape) return EditorKeyAction::Cancel;
        if (IsNavigationKey(vk)) return EditorKeyAction::EditorOwn;
        if (kind == EditorDropDownList)
            return vk == KeyReturn ? EditorKeyAction::CommitMoveOn : EditorKeyAction::CommitOnly;
        return vk == KeyReturn ? EditorKeyAction::MoveOn : EditorKeyAction::EditorOwn;
    }
    return EditorKeyAction::EditorOwn;
}

// ---------------- cancel and move on ----------------

CancelAction DecideCancel(const EditGridModel& grid, long mouseCol, const std::string& editorText) {
    if (!CanEditHere(grid, mouseCol)) return CancelAction::None;
    const ColumnEditor editor = grid.EditorOf(grid.Grid.Col());
    if (!editor.Enabled || editor.Kind == EditorNone || editor.Kind == EditorOff) return CancelAction::None;
    return editorText == grid.Grid.Text() ? CancelAction::CloseEditor : CancelAction::RestoreText;
}

std::optional<GridCellRef> NextCellOnEnter(const EditGridModel& grid) {
    const FlexGrid& g = grid.Grid;
    const long row = g.Row(), col = g.Col();
    if (!g.ValidCell(row, col)) return std::nullopt;
    if (grid.EnterMovesDown) {
        if (row + 1 < g.Rows()) return GridCellRef{row + 1, col};
        return std::nullopt;
    }
    if (col + 1 < g.Cols()) return GridCellRef{row, col + 1};
    if (row + 1 < g.Rows() && g.Cols() > 1) return GridCellRef{row + 1, 1};
    return std::nullopt;
}

// ---------------- auto-completion ----------------

Completion AutoComplete(const std::string& typed, const std::vector<std::string>& entries) {
    Completion c;
    if (typed.empty()) return c;
    for (const std::string& entry : entries) {
        if (!EqualsNoCasePrefix(entry, typed)) continue;
        c.Found = true;
        c.Text = entry;
        const long n = static_cast<long>(typed.size());
        c.SelStart = n;
        c.SelLength = static_cast<long>(entry.size()) > n ? static_cast<long>(entry.size()) - n : 0;
        return c;
    }
    return c;
}

bool TypeAhead::KeyReleased(int virtualKey) {
    if (IsNavigationKey(virtualKey)) return false;
    pending_ = true;
    return true;
}

bool TypeAhead::TimerFired() {
    if (!pending_) return false;
    pending_ = false;
    return true;
}

// ---------------- spin buttons ----------------

std::string SpinText(const std::string& text, bool up, const FormatLocale& locale) {
    const std::string t = Trim(text);
    double v = 0;
    if (IsNumericText(t, &v, locale)) {
        double r = up ? v + 1 : v - 1;
        if (!std::isfinite(r)) return t;
        return WithDecimalSeparator(NumberText(r), locale);
    }
    if (auto date = ReadDateText(t, locale)) {
        if (!date->HasDate) return t;
        return DateText(AddDaysTo(*date, up ? 1 : -1), locale);
    }
    return t;
}

void NoteEnteredCell(EditGridModel& grid) {
    grid.LastEnterRow = grid.Grid.Row();
    grid.LastEnterCol = grid.Grid.Col();
}
