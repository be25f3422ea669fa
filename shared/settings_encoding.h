// Settings files as editors save them: the store's format is ANSI text with
// CR LF line ends, but Notepad may save UTF-16 ("Unicode") or UTF-8 with a
// byte-order mark, and many editors and version control write LF alone.
#pragma once

#include <string>

// The file's bytes in the store's own form: UTF-16 (with its byte-order
// mark, either order) and UTF-8 with a byte-order mark become ANSI text
// (characters the code page lacks become "?"); a text without any CR has its
// LF line ends made CR. Text that holds a CR is left as it is, so a lone LF
// there stays inside its value.
std::string SettingsTextFromFile(const std::string& bytes);

// One character of Unicode in the system's ANSI code page, "?" when it has
// none (natively: Latin-1 stands in for the code page).
std::string AnsiFromCodePoint(unsigned long codePoint);
