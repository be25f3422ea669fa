// ctlEditGrid: the editable grid control. One control window ("TsrEditGrid")
// holds the inner grid window ("TsrFlexGrid", the control's ctlGrid) and the
// in-cell editors laid over it: the shared text field and up-down buttons,
// one drop-down per column that has one, the header option list and the
// info box. The table itself is the EditGridModel; owners read and write it
// through Model() and Grid() (the forwarded property surface) and the
// window repaints whatever changes.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shared/win32/handles.h"
#include "shared/win32/window.h"
#include "admin/grid/grid_editing.h"
#include "admin/grid/grid_model.h"
#include "admin/grid/grid_paint_win32.h"
#include "admin/grid/grid_properties.h"
#include "admin/grid/grid_view.h"

class GridFindBox;

// Ids of the control's own child windows.
enum EditGridChildId {
    kGridInnerId = 1,           // ctlGrid
    kGridTextId = 2,            // ctlText(0)
    kGridUpDownId = 3,          // ctlUpDown(0)
    kGridInfoId = 4,            // txtInfo
    kGridColComboId = 5,        // ctlColCombo
    kGridComboBase = 1000,      // ctlCombo(col): 1000 + col
    kGridComboEditBase = 20000  // ctlComboEdit(col): 20000 + col
};

class ctlEditGrid {
public:
    ctlEditGrid();
    ~ctlEditGrid();
    ctlEditGrid(const ctlEditGrid&) = delete;
    ctlEditGrid& operator=(const ctlEditGrid&) = delete;

    // The control as a child of parent at rect (pixels of the parent).
    bool Create(HWND parent, int id, const RECT& rect);
    HWND Hwnd() const { return control_.Hwnd(); }
    HWND GridHwnd() const { return inner_.Hwnd(); }
    void SetListener(EditGridListener* listener) { listener_ = listener; }

    EditGridModel& Model() { return model_; }
    const EditGridModel& Model() const { return model_; }
    FlexGrid& Grid() { return model_.Grid; }

    // ---- property surface held by the window ----
    long MouseRow() const { return mouseRow_; }
    long MouseCol() const { return mouseCol_; }
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetToolTipText(const std::string& New_ToolTipText);
    long Height() const;  // twips
    void Refresh();       // repaint now
    void SetFocus();
    void Clear();  // the grid's own clear, formatting included
    void RemoveItem(long Index);
    // Fonts and everything else the properties changed, applied to the window.
    void ApplyProperties();
    const TwipScale& Scale() const { return scale_; }

    // ---- set-up and sizing ----
    void Setup();
    void SetGridSize();
    void SetGridWidthByCaller(long iWidth);
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // ---- cell editors ----
    void SetCellCtl(long iCol, int iCtrType);
    void SetCellCtlID(long iCol, int iCtrType);
    void SetCellCtlVisible(long iCol, bool iFlag);
    void SetCellColMove(bool iFlag);
    void SetTypeCheckingTime(int iValue);
    void AddCellComboItem(long Index, const std::string& sItem);
    void AddCellComboEditItem(long Index, const std::string& sItem);
    void ClearCellCombo(long iCol);
    void ClearCellComboEdit(long iCol);
    void AddComboEditItem(const std::string& sItem);
    void RemoveComboEditItem(const std::string& sItem);
    std::string GetComboEditText() const;
    void SetComboEditText(const std::string& sText);
    HWND GetCellCombo(long iCol) const { return ComboOf(combos_, iCol); }
    HWND GetCellComboEdit(long iCol) const { return ComboOf(comboEdits_, iCol); }
    HWND GetComboCtl(long Index) const { return ComboOf(combos_, Index); }
    HWND GetComboEditCtl(long Index) const { return ComboOf(comboEdits_, Index); }
    HWND GetCellTextBox(long /*iCol*/) const { return text_; }
    HWND GetUpDown() const { return upDown_; }
    HWND GetInfoBox() const { return info_; }
    void ClearCellCtl();
    // Ends an open edit: its text goes into its cell (keepText) or is
    // dropped, and the editor closes. For an owner about to read or refill
    // the table while the user may still be typing.
    void EndCellEdit(bool keepText);
    void ShowInfo(long X, long Y, const std::string& sInfo);
    void HideInfo();
    long LastEnterRow() const { return model_.LastEnterRow; }
    long LastEnterCol() const { return model_.LastEnterCol; }
    // The editor that is open (its kind), 0 when none.
    int OpenEditorKind() const { return openKind_; }
    HWND OpenEditorWindow() const;

    // ---- menu ----
    void SetColComboOption(const std::string& sOption);
    // Sorts the selected rows: kinds 1 to 8 as the grid sorts, 9 by the
    // owner's Compare event; then PackGrid.
    void Sort(int SortID);
    HWND GetColCombo() const { return colCombo_; }
    // The header option's fit: recorded text lengths x 100 twips.
    void AutoColFit();
    // An owner's fit to the measured cell texts (not in the header list).
    void FitColumnsToText();
    void ShowFindBox();
    GridFindBox* FindBox() { return findBox_.get(); }
    // Finds the next cell holding the text, makes it current and shows it.
    bool FindNext(const std::string& text, bool matchCase = false);
    // The common colour dialog; the chosen colour becomes the text colour of
    // the current cell (or of its whole row). False when cancelled.
    bool ChooseCellForeColor();
    bool ChooseRowForeColor();

    // ---- system clipboard, in the grid's tab/CR clip form ----
    bool CopyToClipboard();
    bool PasteFromClipboard();

private:
    friend struct EditGridProcs;

    // One of the control's two windows (the control window and the inner
    // grid): its messages go to the control's handler for that window.
    class Part : public Window {
    public:
        using Handler = LRESULT (ctlEditGrid::*)(UINT, WPARAM, LPARAM);
        Part(ctlEditGrid& owner, Handler handler) : owner_(owner), handler_(handler) {}
        // Registers the class (once) and creates the window as a child.
        bool Open(const char* className, UINT classStyle, HBRUSH background, DWORD style, DWORD exStyle,
                  const RECT& rect, HWND parent, int id);
        ctlEditGrid& Owner() const { return owner_; }
        LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) { return DefaultHandling(message, wParam, lParam); }

    protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
            return (owner_.*handler_)(message, wParam, lParam);
        }

    private:
        ctlEditGrid& owner_;
        Handler handler_;
    };

    static HWND ComboOf(const std::map<long, HWND>& list, long col);
    void LoadCommonControls();
    HWND EnsureCombo(long col, int kind);
    std::vector<std::string> ComboEntries(HWND combo) const;
    // Opens a drop-down's list wide enough for its longest entry.
    void FitDroppedWidth(HWND combo);
    void OnModelChange(GridChange change);
    void RefitNow();
    // The inner grid's size by SetGridSize or SetGridWidthByCaller, as last called.
    void ApplySizing();

    // control window (edit_grid_win32.cpp)
    LRESULT OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlCommand(HWND from, int code);
    void OnControlGone();

    // inner grid (flex_grid_window_win32.cpp)
    LRESULT OnGridMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintGrid();
    void UpdateScrollBars();
    void SetScrollBar(int bar, long min, long max, long page, long pos);
    void OnScroll(int bar, int code);
    void ScrollTo(long topRow, long leftCol);
    void OnWheel(int delta);
    void OnGridKeyDown(WPARAM key);
    void OnGridChar(WPARAM ch);
    void OnGridKeyUp(WPARAM key);
    void OnGridMouseDown(int button, WPARAM flags, int x, int y);
    void OnGridMouseMove(WPARAM flags, int x, int y);
    void OnGridMouseUp(int button, WPARAM flags, int x, int y);
    bool OnGridSetCursor();
    void OnGridFocusLost(HWND newFocus);
    GridHit HitAt(int x, int y) const;
    long GridAreaWidth() const;  // twips of the inner grid's client area
    long GridAreaHeight() const;
    int ShiftState() const;
    // Moves the current cell and selection the way the user does: the old
    // cell is left (commit, LeaveCell), the new one entered (EnterCell), and
    // the cell (showRow, showCol) scrolled into view (-1: none).
    void MoveTo(const GridTarget& target, long showRow, long showCol);

    // editors (grid_editors_win32.cpp)
    void CreateEditors();
    void BeginCellEdit(int keyAscii);
    void LeaveCurrentCell();
    void CommitOpenEditor();
    void CloseEditor();
    void CancelEdit();
    void MoveOn();
    void PlaceOpenEditor();
    RECT CellRectInControl(long row, long col) const;
    void OnTextKey(WPARAM key, bool& handled);
    void OnComboKey(HWND combo, WPARAM key, bool& handled);
    void OnComboEditKey(WPARAM key, bool& handled);
    void OnComboEditKeyUp(WPARAM key);
    void OnTypeAheadTimer();
    void OnSpin(bool up);
    void OnEditorFocusLost(HWND newFocus);

    // header option list (grid_menu_win32.cpp)
    void ShowHeaderOptions();
    void OnHeaderOptionChosen();
    void HideHeaderOptions();

    // Declared before the windows: the library outlives the controls from it.
    LibraryHandle commonControls_;
    HWND text_ = nullptr;
    HWND upDown_ = nullptr;
    HWND info_ = nullptr;
    HWND colCombo_ = nullptr;
    HWND toolTip_ = nullptr;
    std::map<long, HWND> combos_;
    std::map<long, HWND> comboEdits_;
    EditGridModel model_;
    EditGridListener* listener_ = nullptr;
    EditGridListener noListener_;
    GridPainter painter_;
    TwipScale scale_;
    FormatLocale locale_;
    TypeAhead typeAhead_;
    std::unique_ptr<GridFindBox> findBox_;

    int openKind_ = 0;  // kind of the open editor, 0 when none
    long editRow_ = 0, editCol_ = 0;
    long mouseRow_ = -1, mouseCol_ = -1;  // -1: the pointer is not over the grid
    GridHit pressed_;                     // where the left button went down
    bool selecting_ = false;
    long resizingCol_ = -1, resizingRow_ = -1;
    bool refitPosted_ = false;
    bool paintPending_ = false;  // the grid is invalid already
    bool refitting_ = false;
    bool layoutChanged_ = false;
    bool sizedByCaller_ = false;
    long callerWidth_ = 0;
    bool suppressChar_ = false;  // the key's character was used already
    bool headerListShown_ = false;
    bool trackingLeave_ = false;
    COLORREF customColours_[16] = {};  // the colour dialog's custom colours

    // The windows are declared last, so they go first, while all they use is
    // still there: the inner grid, then the control with the editors.
    Part control_{*this, &ctlEditGrid::OnControlMessage};
    Part inner_{*this, &ctlEditGrid::OnGridMessage};
};

// The regional values the control formats and reads dates with: the user's,
// or those of another locale.
FormatLocale SystemFormatLocale(LCID regional = LOCALE_USER_DEFAULT);
