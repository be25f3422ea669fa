// Dates, numbers and wrapped texts come from hand-edited settings: any text
// and any date pattern must give a defined answer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shared/calendar.h"
#include "shared/text_routines.h"

namespace {

// Names the broken property before stopping, so a finding explains itself.
#define Check(condition)                                                                   \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "property broken: %s (line %d)\n", #condition, __LINE__); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // "pattern|text": the first part is a date pattern, the rest a date text.
    std::size_t bar = input.find('|');
    std::string pattern = bar == std::string::npos ? "M/d/yyyy" : input.substr(0, bar);
    std::string text = bar == std::string::npos ? input : input.substr(bar + 1);
    if (pattern.size() > 64) pattern.resize(64);

    if (auto date = ParseDatePattern(text, pattern)) {
        Check(IsValidCivilDate(*date));
        Check(CivilFromDays(DaysFromCivil(*date)) == *date);
        FormatDatePattern(*date, pattern);
    }
    ReadsAsNumber(text);

    int width = size > 0 ? data[0] % 40 : 0;
    std::string wrapped = WrapText(text, width);
    std::string rejoined = wrapped;
    if (wrapped != text) {
        for (std::size_t at = 0; (at = rejoined.find("\r\n", at)) != std::string::npos;) rejoined.replace(at, 2, " ");
        // Only breaks at spaces were inserted, when the text held no CR LF itself.
        if (text.find("\r\n") == std::string::npos) Check(rejoined == text);
    }
    return 0;
}
