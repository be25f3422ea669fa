#include "admin/document/style_list.h"

#include <algorithm>

std::vector<StyleFile> OrderStyles(std::vector<StyleFile> folderOrder) {
    folderOrder.erase(std::remove_if(folderOrder.begin(), folderOrder.end(),
                                     [](const StyleFile& f) { return !f.Name.empty() && f.Name.back() == '~'; }),
                      folderOrder.end());
    std::stable_sort(folderOrder.begin(), folderOrder.end(),
                     [](const StyleFile& a, const StyleFile& b) { return a.AccessText > b.AccessText; });
    return folderOrder;
}
