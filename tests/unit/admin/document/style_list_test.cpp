#include <gtest/gtest.h>

#include "admin/document/style_list.h"

TEST(StyleList, NewestAccessTextFirstWorkingCopiesLeftOut) {
    const std::vector<StyleFile> folder = {
        {"plain.htm", "p", "12/1/2026"},   {"blue.html", "b", "12/7/2026"}, {"notes.html~", "n", "12/9/2026"},
        {"green.htm", "g", "12/1/2026"},   {"red.htm", "r", "9/30/2026"},
    };
    std::vector<std::string> names;
    for (const StyleFile& f : OrderStyles(folder)) names.push_back(f.Name);
    // A text comparison: "9/30" sorts above "12/7"; equal texts keep folder order.
    EXPECT_EQ(names, (std::vector<std::string>{"red.htm", "blue.html", "plain.htm", "green.htm"}));
}
