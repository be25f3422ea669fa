// Persisted grid properties and the sizing arithmetic.
#include <gtest/gtest.h>

#include "admin/grid/grid_properties.h"
#include "shared/settings_store.h"

TEST(GridPropertiesDefaults, ANewControlWritesNothingAndLoadsDefaults) {
    FlexGrid grid;
    MemoryPropertyBag bag;
    WriteGridProperties(grid, bag);
    EXPECT_TRUE(bag.Values().empty());

    FlexGrid loaded;
    loaded.SetRows(9);
    loaded.Props().GridColor = 5;
    ReadGridProperties(loaded, bag);
    EXPECT_EQ(loaded.Rows(), 2);
    EXPECT_EQ(loaded.Cols(), 2);
    EXPECT_EQ(loaded.FixedRows(), 1);
    EXPECT_EQ(loaded.Props().ScrollBars, ScrollBoth);
    EXPECT_EQ(loaded.Props().GridColor, 0xC0C0C0u);
    EXPECT_EQ(loaded.Props().ForeColor, 0x80000008u);
    EXPECT_EQ(loaded.Props().BackColorSel, 0x8000000Du);
    EXPECT_TRUE(loaded.Props().Enabled);
    EXPECT_EQ(loaded.Props().HighLight, 1);
    EXPECT_EQ(loaded.Props().GridLinesFixed, 2);
}

TEST(GridPropertiesDefaults, OnlyValuesThatDifferAreWrittenAndReadBack) {
    FlexGrid grid;
    grid.SetCols(4);
    grid.SetRows(12);
    grid.Props().GridColor = 0xC0C0C0;  // the default: not written
    grid.Props().BackColor = 0x00FFFFFF;
    grid.Props().AllowUserResizing = 1;
    grid.Props().ToolTipText = "Dates, one a row";
    grid.Props().FontName = "Tahoma";
    grid.Props().FontSize = 9;
    grid.Props().FontBold = true;
    grid.Props().ScrollTrack = true;
    grid.SetColWidth(2, 1500);
    MemoryPropertyBag bag;
    WriteGridProperties(grid, bag);
    EXPECT_EQ(bag.Values().count("GridColor"), 0u);
    EXPECT_EQ(bag.Values().at("Rows"), "12");
    EXPECT_EQ(bag.Values().at("BackColor"), "16777215");
    EXPECT_EQ(bag.Values().at("Font"), "Tahoma,9,True,False");
    EXPECT_EQ(bag.Values().at("ColWidth"), "960,960,1500,960");
    EXPECT_EQ(bag.Values().count("RowHeight"), 0u);

    FlexGrid loaded;
    ReadGridProperties(loaded, bag);
    EXPECT_EQ(loaded.Rows(), 12);
    EXPECT_EQ(loaded.Cols(), 4);
    EXPECT_EQ(loaded.Props().BackColor, 0x00FFFFFFu);
    EXPECT_EQ(loaded.Props().AllowUserResizing, 1);
    EXPECT_EQ(loaded.Props().ToolTipText, "Dates, one a row");
    EXPECT_EQ(loaded.Props().FontName, "Tahoma");
    EXPECT_EQ(loaded.Props().FontSize, 9);
    EXPECT_TRUE(loaded.Props().FontBold);
    EXPECT_TRUE(loaded.Props().ScrollTrack);
    EXPECT_EQ(loaded.ColWidth(2), 1500);
}

TEST(GridPropertiesDefaults, GarbageLoadsAsDefaults) {
    MemoryPropertyBag bag;
    bag.Write("Rows", "999999999");
    bag.Write("Cols", "-4");
    bag.Write("GridColor", "grey");
    bag.Write("ScrollBars", "7");
    bag.Write("Enabled", "maybe");
    bag.Write("BackColor", "&H00FF00&");
    bag.Write("ColWidth", "100,x,,99999999999,300");
    bag.Write("Font", "A,B,C,D,E,F");
    FlexGrid grid;
    ReadGridProperties(grid, bag);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.Props().GridColor, 0xC0C0C0u);
    EXPECT_EQ(grid.Props().ScrollBars, 3);
    EXPECT_TRUE(grid.Props().Enabled);
    EXPECT_EQ(grid.Props().BackColor, 0x00FF00u);  // hexadecimal is read
    EXPECT_EQ(grid.ColWidth(0), 100);
    EXPECT_EQ(grid.ColWidth(1), kDefaultColWidth);
    EXPECT_TRUE(grid.Props().FontName.empty());
}

TEST(GridPropertiesStore, ASettingsSectionHoldsTheValues) {
    std::vector<SettingEntry> store{{"Other", "Rows", "7"}};
    SettingsPropertyBag bag(store, "grdLog");
    FlexGrid grid;
    grid.SetRows(5);
    WriteGridProperties(grid, bag);
    std::string value;
    ASSERT_TRUE(bag.Read("rows", &value));  // names without regard to case
    EXPECT_EQ(value, "5");
    grid.SetRows(6);
    WriteGridProperties(grid, bag);
    size_t rowsEntries = 0;
    for (const auto& e : store)
        if (e.Key == "Rows" && e.Section == "grdLog") ++rowsEntries;
    EXPECT_EQ(rowsEntries, 1u);  // replaced where it stands
    FlexGrid loaded;
    ReadGridProperties(loaded, bag);
    EXPECT_EQ(loaded.Rows(), 6);
    SettingsPropertyBag other(store, "Other");
    ASSERT_TRUE(other.Read("Rows", &value));
    EXPECT_EQ(value, "7");
}

TEST(GridSizing, SetGridSizeAgainstTheControl) {
    EditGridModel g;
    g.Grid.SetCols(3);
    g.Grid.SetRows(5);
    for (long c = 0; c < 3; ++c) g.Grid.SetColWidth(c, 1000);
    g.Grid.Props().ScrollBars = ScrollNone;
    g.ControlWidth = 4000;
    g.ControlHeight = 5000;
    g.Setup();  // applies the size
    EXPECT_EQ(g.GridWidth, 3300);
    EXPECT_EQ(g.GridHeight, 5 * kStandardRowHeight);
    EXPECT_EQ(g.Grid.Props().ScrollBars, ScrollNone);  // neither needed: unchanged
    g.ControlWidth = 3000;
    g.SetGridSize();
    EXPECT_EQ(g.GridWidth, 3000);
    EXPECT_EQ(g.Grid.Props().ScrollBars, ScrollHorizontal);
    g.ControlHeight = 1000;
    g.SetGridSize();
    EXPECT_EQ(g.GridHeight, 1000);
    EXPECT_EQ(g.Grid.Props().ScrollBars, ScrollBoth);
    g.ControlWidth = 9000;
    g.SetGridSize();
    EXPECT_EQ(g.Grid.Props().ScrollBars, ScrollVertical);
}

TEST(GridSizing, SetGridWidthByCaller) {
    EditGridModel g;
    g.ControlWidth = 4000;
    g.SetGridWidthByCaller(5000);
    EXPECT_EQ(g.GridWidth, 4000);
    EXPECT_EQ(g.Grid.Props().ScrollBars, ScrollBoth);
    g.SetGridWidthByCaller(3000);
    EXPECT_EQ(g.GridWidth, 3290);
    EXPECT_EQ(g.Grid.Props().ScrollBars, ScrollVertical);
}
