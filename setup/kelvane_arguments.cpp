#include "setup/kelvane_arguments.h"

#include <cmath>

#include "shared/text_routines.h"

std::vector<std::string> SplitKelvaneArguments(const std::string& rawCommandText) {
    std::vector<std::string> items;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type comma = rawCommandText.find(',', start);
        if (comma == std::string::npos) {
            items.push_back(rawCommandText.substr(start));
            break;
        }
        items.push_back(rawCommandText.substr(start, comma - start));
        start = comma + 1;
    }
    if (items.size() < 2) {
        // No comma: the whole text is the option, or an empty line asks for help.
        const std::string option = rawCommandText.empty() ? "/h" : rawCommandText;
        items = {option, std::string()};
    }
    return items;
}

bool IsHelpRequest(const std::vector<std::string>& arguments) {
    return !arguments.empty() && ToLower(arguments[0]) == "/h";
}

bool RoundHalfToEven(double number, long minimum, long maximum, long* value) {
    if (!std::isfinite(number)) return false;
    double whole = std::floor(number);
    const double fraction = number - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (whole < static_cast<double>(minimum) || whole > static_cast<double>(maximum)) return false;
    *value = static_cast<long>(whole);
    return true;
}

RootChoice ChooseRegistryRoot(const std::vector<std::string>& arguments) {
    long selector = 1;
    RootChoice choice;
    if (arguments.size() >= 3) {
        double number = 0;
        if (!ReadsAsNumber(arguments[2], &number)) {
            selector = 0;
        } else if (!RoundHalfToEven(number, -32768, 32767, &selector)) {
            choice.InRange = false;
            selector = 1;
        }
    }
    switch (selector) {
    case 2: choice.Root = kHkeyLocalMachine; break;
    case 3: choice.Root = kHkeyCurrentConfig; break;
    case 4: choice.Root = kHkeyUsers; break;
    default: choice.Root = kHkeyCurrentUser; break;
    }
    return choice;
}
