// Prints a date as Windows' short date of the user's locale, so scripts can
// check their own formatting of dates against Wine's.
// usage: date_probe [YYYY MM DD]   (today when no date is given)
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    SYSTEMTIME date{};
    GetLocalTime(&date);
    if (argc == 4) {
        date.wYear = static_cast<WORD>(std::atoi(argv[1]));
        date.wMonth = static_cast<WORD>(std::atoi(argv[2]));
        date.wDay = static_cast<WORD>(std::atoi(argv[3]));
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: date_probe [YYYY MM DD]\n");
        return 2;
    }
    char text[64] = "";
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, sizeof(text))) {
        std::fprintf(stderr, "date_probe: GetDateFormatA failed (%lu)\n", GetLastError());
        return 1;
    }
    std::printf("%s\n", text);
    return 0;
}
