// The grid's persisted properties: names, defaults, and their reading from
// and writing to a name/value store. A value equal to its default is not
// written; a missing or unreadable value loads as the default.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "admin/grid/grid_model.h"

struct SettingEntry;

// A name/value store (the owner's form file, a settings file section ...).
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual bool Read(const std::string& name, std::string* value) const = 0;
    virtual void Write(const std::string& name, const std::string& value) = 0;
};

// In memory, ordered by name; used by tests and as a staging store.
class MemoryPropertyBag : public PropertyBag {
public:
    bool Read(const std::string& name, std::string* value) const override;
    void Write(const std::string& name, const std::string& value) override;
    const std::map<std::string, std::string>& Values() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

// Entries "Name=value" of one section of a settings store (pass the
// store's Entries()). Names compare without regard to case; a written name
// is replaced where it stands or appended to the store.
class SettingsPropertyBag : public PropertyBag {
public:
    SettingsPropertyBag(std::vector<SettingEntry>& entries, std::string section)
        : entries_(entries), section_(std::move(section)) {}
    bool Read(const std::string& name, std::string* value) const override;
    void Write(const std::string& name, const std::string& value) override;

private:
    std::vector<SettingEntry>& entries_;
    std::string section_;
};

struct GridPropertyDefault {
    const char* Name;
    const char* Default;  // as written text; colours in decimal
};
// Every persisted single-valued property with its default, in writing order.
const std::vector<GridPropertyDefault>& GridPropertyDefaults();

// Writes the grid's properties (rows, columns, fixed counts, props) and the
// per-index values (RowHeight, ColWidth ... written as one "a,b,c" list).
void WriteGridProperties(const FlexGrid& grid, PropertyBag& bag);
// Loads the values into the grid (defaults where missing or garbage).
// Per-index lists are applied index by index when present.
void ReadGridProperties(FlexGrid& grid, const PropertyBag& bag);

// The sizing arithmetic: inner grid size and scroll bars for a control size.
struct GridSizeResult {
    long Width = 0, Height = 0;
    int ScrollBars = ScrollBoth;  // the setting after the call
};
// Columns' widths + 300 against the control width; row 1's height x Rows
// against its height; both/horizontal/vertical scroll bars, or the current
// setting kept when neither is needed.
GridSizeResult ComputeGridSize(const FlexGrid& grid, long controlWidth, long controlHeight);
GridSizeResult ComputeGridWidthByCaller(const FlexGrid& grid, long iWidth, long controlWidth, long controlHeight);
