// Persisted grid properties and the sizing arithmetic.
#include "admin/grid/grid_properties.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <functional>

#include "shared/settings_store.h"
#include "shared/text_routines.h"

namespace {

// Loaded sizes are capped so a damaged store cannot ask for a huge table.
constexpr long kMaxLoadedRows = 65536;
constexpr long kMaxLoadedCols = 1000;
constexpr size_t kMaxListItems = 65536;

// Decimal, or "&H..." hexadecimal (an optional trailing "&"); false on garbage.
bool ParseLong(const std::string& text, long long* value) {
    std::string t = TrimBlanks(text);
    if (t.empty() || t.size() > 24) return false;
    int base = 10;
    if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        t = t.substr(2);
        if (!t.empty() && t.back() == '&') t.pop_back();
        base = 16;
    }
    if (t.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(t.c_str(), &end, base);
    if (errno != 0 || end == t.c_str() || *end != '\0') return false;
    *value = v;
    return true;
}

bool ParseBool(const std::string& text, bool* value) {
    std::string t = ToLower(TrimBlanks(text));
    if (t == "true" || t == "-1" || t == "1" || t == "yes") {
        *value = true;
        return true;
    }
    if (t == "false" || t == "0" || t == "no") {
        *value = false;
        return true;
    }
    return false;
}

std::string BoolText(bool v) { return v ? "True" : "False"; }

// One single-valued property: its text in the grid and how to load it.
struct PropertyAccess {
    const char* Name;
    const char* Default;
    std::function<std::string(const FlexGrid&)> Get;
    std::function<void(FlexGrid&, const std::string&)> Set;  // the text is valid
    std::function<bool(const std::string&)> Valid;
};

template <class T>
PropertyAccess Number(const char* name, const char* def, T GridProps::*field, long long lo, long long hi) {
    return {name, def, [field](const FlexGrid& g) { return std::to_string(static_cast<long long>(g.Props().*field)); },
            [field](FlexGrid& g, const std::string& t) {
                long long v = 0;
                ParseLong(t, &v);
                g.Props().*field = static_cast<T>(v);
            },
            [lo, hi](const std::string& t) {
                long long v = 0;
                return ParseLong(t, &v) && v >= lo && v <= hi;
            }};
}

PropertyAccess Flag(const char* name, const char* def, bool GridProps::*field) {
    return {name, def, [field](const FlexGrid& g) { return BoolText(g.Props().*field); },
            [field](FlexGrid& g, const std::string& t) {
                bool v = false;
                ParseBool(t, &v);
                g.Props().*field = v;
            },
            [](const std::string& t) {
                bool v = false;
                return ParseBool(t, &v);
            }};
}

PropertyAccess Text(const char* name, std::string GridProps::*field) {
    return {name, "", [field](const FlexGrid& g) { return g.Props().*field; },
            [field](FlexGrid& g, const std::string& t) { g.Props().*field = t; },
            [](const std::string&) { return true; }};
}

PropertyAccess Count(const char* name, const char* def, long (FlexGrid::*get)() const, void (FlexGrid::*set)(long),
                     long hi) {
    return {name, def, [get](const FlexGrid& g) { return std::to_string((g.*get)()); },
            [set](FlexGrid& g, const std::string& t) {
                long long v = 0;
                ParseLong(t, &v);
                (g.*set)(static_cast<long>(v));
            },
            [hi](const std::string& t) {
                long long v = 0;
                return ParseLong(t, &v) && v >= 0 && v <= hi;
            }};
}

constexpr long long kColourMax = 0xFFFFFFFFLL;

// "Font": "name,points,bold,italic"; empty text is the owner's (ambient) font.
PropertyAccess FontProperty() {
    auto split = [](const std::string& t) {
        std::vector<std::string> items;
        size_t pos = 0;
        while (items.size() < 5) {
            size_t comma = t.find(',', pos);
            items.push_back(TrimBlanks(t.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos)));
            if (comma == std::string::npos) break;
            pos = comma + 1;
        }
        return items;
    };
    return {"Font", "",
            [](const FlexGrid& g) {
                const GridProps& p = g.Props();
                if (p.FontName.empty()) return std::string();
                return p.FontName + "," + std::to_string(p.FontSize) + "," + BoolText(p.FontBold) + "," +
                       BoolText(p.FontItalic);
            },
            [split](FlexGrid& g, const std::string& t) {
                GridProps& p = g.Props();
                std::vector<std::string> items = split(t);
                p.FontName = items[0];
                long long size = 0;
                p.FontSize = items.size() > 1 && ParseLong(items[1], &size) && size > 0 && size <= 400
                                 ? static_cast<int>(size)
                                 : 0;
                bool flag = false;
                p.FontBold = items.size() > 2 && ParseBool(items[2], &flag) && flag;
                p.FontItalic = items.size() > 3 && ParseBool(items[3], &flag) && flag;
            },
            [split](const std::string& t) { return t.size() <= 200 && split(t).size() <= 4; }};
}

// Writing order; sizes come before the values that depend on them.
const std::vector<PropertyAccess>& Properties() {
    static const std::vector<PropertyAccess> list = {
        Count("Rows", "2", &FlexGrid::Rows, &FlexGrid::SetRows, kMaxLoadedRows),
        Count("Cols", "2", &FlexGrid::Cols, &FlexGrid::SetCols, kMaxLoadedCols),
        Count("FixedRows", "1", &FlexGrid::FixedRows, &FlexGrid::SetFixedRows, kMaxLoadedRows),
        Count("FixedCols", "1", &FlexGrid::FixedCols, &FlexGrid::SetFixedCols, kMaxLoadedCols),
        Number("ForeColor", "2147483656", &GridProps::ForeColor, 0, kColourMax),
        Number("BackColor", "2147483662", &GridProps::BackColor, 0, kColourMax),
        Flag("Enabled", "True", &GridProps::Enabled),
        FontProperty(),
        Flag("WordWrap", "False", &GridProps::WordWrap),
        Number("WhatsThisHelpID", "0", &GridProps::WhatsThisHelpID, -2147483647LL - 1, 2147483647LL),
        Text("ToolTipText", &GridProps::ToolTipText),
        Number("TextStyleFixed", "0", &GridProps::TextStyleFixed, 0, 4),
        Number("TextStyle", "0", &GridProps::TextStyle, 0, 4),
        Number("SelectionMode", "0", &GridProps::SelectionMode, 0, 2),
        Flag("ScrollTrack", "False", &GridProps::ScrollTrack),
        Number("ScrollBars", "3", &GridProps::ScrollBars, 0, 3),
        Number("RowHeightMin", "0", &GridProps::RowHeightMin, 0, 32767),
        Flag("RightToLeft", "False", &GridProps::RightToLeft),
        Flag("Redraw", "True", &GridProps::Redraw),
        Number("PictureType", "0", &GridProps::PictureType, 0, 1),
        Number("Orientation", "0", &GridProps::Orientation, 0, 1),
        Number("OLEDropMode", "0", &GridProps::OLEDropMode, 0, 1),
        Number("MousePointer", "0", &GridProps::MousePointer, 0, 99),
        Number("MergeCells", "0", &GridProps::MergeCells, 0, 4),
        Number("HighLight", "1", &GridProps::HighLight, 0, 2),
        Number("GridLineWidth", "1", &GridProps::GridLineWidth, 1, 10),
        Number("GridLinesFixed", "2", &GridProps::GridLinesFixed, 0, 3),
        Number("GridLines", "1", &GridProps::GridLines, 0, 3),
        Number("GridColorFixed", "0", &GridProps::GridColorFixed, 0, kColourMax),
        Number("GridColor", "12632256", &GridProps::GridColor, 0, kColourMax),
        Text("FormatString", &GridProps::FormatString),
        Number("FontWidth", "0", &GridProps::FontWidth, 0, 400),
        Number("FocusRect", "1", &GridProps::FocusRect, 0, 2),
        Number("FillStyle", "0", &GridProps::FillStyle, 0, 1),
        Flag("CausesValidation", "True", &GridProps::CausesValidation),
        Number("Appearance", "1", &GridProps::Appearance, 0, 1),
        Number("AllowUserResizing", "0", &GridProps::AllowUserResizing, 0, 3),
        Number("BorderStyle", "1", &GridProps::BorderStyle, 0, 1),
        Number("ForeColorSel", "2147483662", &GridProps::ForeColorSel, 0, kColourMax),
        Number("BackColorSel", "2147483661", &GridProps::BackColorSel, 0, kColourMax),
        Number("ForeColorFixed", "2147483666", &GridProps::ForeColorFixed, 0, kColourMax),
        Number("BackColorFixed", "2147483663", &GridProps::BackColorFixed, 0, kColourMax),
    };
    return list;
}

// Per-index values: one comma-separated list each, written when any item
// differs from the default.
struct IndexedAccess {
    const char* Name;
    bool ByRow;
    long Default;
    std::function<long(const FlexGrid&, long)> Get;
    std::function<void(FlexGrid&, long, long)> Set;
};

const std::vector<IndexedAccess>& Indexed() {
    static const std::vector<IndexedAccess> list = {
        {"RowHeight", true, kStandardRowHeight,
         [](const FlexGrid& g, long i) { return static_cast<long>(g.RowHeight(i)); },
         [](FlexGrid& g, long i, long v) {
             if (v >= 0 && v <= 32767) g.SetRowHeight(i, static_cast<int>(v));
         }},
        {"RowData", true, 0, [](const FlexGrid& g, long i) { return g.RowData(i); },
         [](FlexGrid& g, long i, long v) { g.SetRowData(i, v); }},
        {"MergeRow", true, 0, [](const FlexGrid& g, long i) { return g.MergeRow(i) ? -1L : 0L; },
         [](FlexGrid& g, long i, long v) { g.SetMergeRow(i, v != 0); }},
        {"ColWidth", false, kDefaultColWidth,
         [](const FlexGrid& g, long i) { return static_cast<long>(g.ColWidth(i)); },
         [](FlexGrid& g, long i, long v) {
             if (v >= 0 && v <= 32767) g.SetColWidth(i, static_cast<int>(v));
         }},
        {"ColData", false, 0, [](const FlexGrid& g, long i) { return g.ColData(i); },
         [](FlexGrid& g, long i, long v) { g.SetColData(i, v); }},
        {"ColAlignment", false, 0, [](const FlexGrid& g, long i) { return static_cast<long>(g.ColAlignment(i)); },
         [](FlexGrid& g, long i, long v) {
             if (v >= 0 && v <= 9) g.SetColAlignment(i, static_cast<int>(v));
         }},
        {"FixedAlignment", false, 0, [](const FlexGrid& g, long i) { return static_cast<long>(g.FixedAlignment(i)); },
         [](FlexGrid& g, long i, long v) {
             if (v >= 0 && v <= 9) g.SetFixedAlignment(i, static_cast<int>(v));
         }},
        {"MergeCol", false, 0, [](const FlexGrid& g, long i) { return g.MergeCol(i) ? -1L : 0L; },
         [](FlexGrid& g, long i, long v) { g.SetMergeCol(i, v != 0); }},
    };
    return list;
}

}  // namespace

bool MemoryPropertyBag::Read(const std::string& name, std::string* value) const {
    auto it = values_.find(name);
    if (it == values_.end()) return false;
    *value = it->second;
    return true;
}

void MemoryPropertyBag::Write(const std::string& name, const std::string& value) { values_[name] = value; }

bool SettingsPropertyBag::Read(const std::string& name, std::string* value) const {
    const std::string want = ToLower(TrimBlanks(name));
    for (const SettingEntry& e : entries_) {
        if (ToLower(TrimBlanks(e.Section)) == ToLower(TrimBlanks(section_)) && ToLower(TrimBlanks(e.Key)) == want) {
            *value = e.Value;
            return true;
        }
    }
    return false;
}

void SettingsPropertyBag::Write(const std::string& name, const std::string& value) {
    const std::string want = ToLower(TrimBlanks(name));
    for (SettingEntry& e : entries_) {
        if (ToLower(TrimBlanks(e.Section)) == ToLower(TrimBlanks(section_)) && ToLower(TrimBlanks(e.Key)) == want) {
            e.Value = value;
            return;
        }
    }
    entries_.push_back(SettingEntry{section_, name, value});
}

const std::vector<GridPropertyDefault>& GridPropertyDefaults() {
    static const std::vector<GridPropertyDefault> list = [] {
        std::vector<GridPropertyDefault> out;
        for (const auto& p : Properties()) out.push_back({p.Name, p.Default});
        return out;
    }();
    return list;
}

void WriteGridProperties(const FlexGrid& grid, PropertyBag& bag) {
    for (const auto& p : Properties()) {
        std::string value = p.Get(grid);
        if (value != p.Default) bag.Write(p.Name, value);
    }
    for (const auto& p : Indexed()) {
        long count = p.ByRow ? grid.Rows() : grid.Cols();
        bool differs = false;
        std::string list;
        for (long i = 0; i < count; ++i) {
            long v = p.Get(grid, i);
            if (v != p.Default) differs = true;
            if (i > 0) list += ',';
            list += std::to_string(v);
        }
        if (differs) bag.Write(p.Name, list);
    }
}

void ReadGridProperties(FlexGrid& grid, const PropertyBag& bag) {
    for (const auto& p : Properties()) {
        std::string value;
        if (!bag.Read(p.Name, &value) || !p.Valid(value)) value = p.Default;
        p.Set(grid, value);
    }
    for (const auto& p : Indexed()) {
        std::string list;
        if (!bag.Read(p.Name, &list)) continue;
        long count = p.ByRow ? grid.Rows() : grid.Cols();
        size_t pos = 0;
        for (long i = 0; i < count && static_cast<size_t>(i) < kMaxListItems; ++i) {
            size_t comma = list.find(',', pos);
            long long v = 0;
            if (ParseLong(list.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos), &v) &&
                v >= -2147483647LL - 1 && v <= 2147483647LL)
                p.Set(grid, i, static_cast<long>(v));
            if (comma == std::string::npos) break;
            pos = comma + 1;
        }
    }
    grid.PropsChanged();
}

GridSizeResult ComputeGridSize(const FlexGrid& grid, long controlWidth, long controlHeight) {
    GridSizeResult r;
    // 64-bit sums: a long is 32 bits on Windows.
    long long total = static_cast<long long>(grid.TotalColWidth()) + 300;
    bool needH = controlWidth < total;
    r.Width = needH ? controlWidth : static_cast<long>(total);
    long long rowHeight = grid.Rows() > 1 ? grid.RowHeight(1) : kStandardRowHeight;
    long long product = rowHeight * grid.Rows();
    bool needV = controlHeight < product;
    r.Height = needV ? controlHeight : static_cast<long>(product);
    if (needH && needV) r.ScrollBars = ScrollBoth;
    else if (needH) r.ScrollBars = ScrollHorizontal;
    else if (needV) r.ScrollBars = ScrollVertical;
    else r.ScrollBars = grid.Props().ScrollBars;
    return r;
}

GridSizeResult ComputeGridWidthByCaller(const FlexGrid&, long iWidth, long controlWidth, long) {
    GridSizeResult r;
    bool needH = iWidth > controlWidth || iWidth > 2147483647L - 290;
    r.Width = needH ? controlWidth : iWidth + 290;
    r.Height = 0;  // unchanged
    r.ScrollBars = needH ? ScrollBoth : ScrollVertical;
    return r;
}
