// The "Select Style" list of the document tab: the style documents of the
// "DocStyles" folder, most recently used first.
#pragma once

#include <string>
#include <vector>

struct StyleFile {
    std::string Name;        // file name, the item's caption
    std::string Path;        // full path, what choosing the item loads
    std::string AccessText;  // the last-access date as the system writes it
};

// Orders by the access-date text, descending as text (so the order follows
// the system's date format); equal texts keep folder order. Working copies
// (names ending in "~") are left out.
std::vector<StyleFile> OrderStyles(std::vector<StyleFile> folderOrder);
