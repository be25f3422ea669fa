// The program's texts are in the system's ANSI code page; the workbook and
// the CSV file are UTF-8. The conversion is a seam: on Windows the system
// converts from its own code page (ansi_utf8_win32.cpp), elsewhere the
// Western code page (Windows-1252) stands in.
#pragma once

#include <cstddef>
#include <string>

using AnsiToUtf8 = std::string (*)(const std::string& ansi);

// Windows-1252 to UTF-8. The five bytes that code page leaves unassigned
// become the control characters of the same number, as Windows reads them.
std::string Utf8FromWindows1252(const std::string& ansi);
// The system's ANSI code page to UTF-8 (Windows only).
std::string Utf8FromAnsiCodePage(const std::string& ansi);

// UTF-8 helpers for the writers: one code point's bytes, and reading one
// code point at *at (advancing it; a malformed byte reads as U+FFFD).
void AppendUtf8(unsigned long codePoint, std::string* out);
unsigned long NextCodePoint(const std::string& utf8, std::size_t* at);
