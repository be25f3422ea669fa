// The grid's sort comparisons.
#include "admin/grid/grid_sort.h"

#include "admin/grid/vb_values.h"
#include "shared/text_routines.h"

namespace {

int Sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

int CompareBytes(const std::string& a, const std::string& b) {
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CompareNoCase(const std::string& a, const std::string& b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(ToLowerChar(a[i]));
        const auto y = static_cast<unsigned char>(ToLowerChar(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

double NumberOf(const std::string& text) {
    double v = 0;
    if (IsNumericText(text, &v)) return v;
    return LeadingValue(text);
}

int CompareGeneric(const std::string& a, const std::string& b) {
    double x = 0, y = 0;
    bool na = IsNumericText(a, &x), nb = IsNumericText(b, &y);
    if (na && nb) return Sign(x - y);
    if (na != nb) return na ? -1 : 1;
    return CompareNoCase(a, b) != 0 ? CompareNoCase(a, b) : CompareBytes(a, b);
}

}  // namespace

int CompareForSort(int kind, const std::string& a, const std::string& b) {
    int c = 0;
    switch ((kind + 1) / 2) {
    case 1: c = CompareGeneric(a, b); break;
    case 2: c = Sign(NumberOf(a) - NumberOf(b)); break;
    case 3: c = CompareNoCase(a, b); break;
    case 4: c = CompareBytes(a, b); break;
    default: return 0;
    }
    return kind % 2 == 0 ? -c : c;
}
