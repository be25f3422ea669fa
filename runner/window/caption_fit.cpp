#include "runner/window/caption_fit.h"

namespace {

const char kEllipsis[] = "...";

std::string Cut(const std::string& text, size_t length) {
    // Back to the end of a word when one ends inside the start.
    size_t end = length;
    if (end < text.size() && text[end] != ' ') {
        const size_t space = text.find_last_of(' ', end);
        if (space != std::string::npos && space > 0) end = space;
    }
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end) + kEllipsis;
}

}  // namespace

std::string FitWithEllipsis(const std::string& text, const std::function<bool(const std::string&)>& fits) {
    if (fits(text)) return text;
    // Binary search of the longest start that fits: a 10,000-character
    // caption takes some fourteen measurements.
    size_t low = 0, high = text.size();
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (fits(text.substr(0, mid) + kEllipsis)) low = mid;
        else high = mid - 1;
    }
    return Cut(text, low);
}
