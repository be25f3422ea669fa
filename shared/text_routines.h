// Small text helpers shared by the programs.
#pragma once

#include <string>

std::string Trim(const std::string& text);        // spaces only
std::string TrimBlanks(const std::string& text);  // spaces and tabs
// Case of text in the ANSI code page: on Windows the system's own code page
// (its accented letters included), elsewhere the Western one (1252).
std::string ToLower(const std::string& text);
std::string ToUpper(const std::string& text);
char ToLowerChar(char c);
char ToUpperChar(char c);
bool EqualsNoCase(const std::string& a, const std::string& b);

bool IsYes(const std::string& text);  // false only for "no"
std::string YesNoText(bool value);
std::string FirstItem(const std::string& text);
std::string AddIniExtension(const std::string& name);
long MaxOf(long value, long whole);
std::string ReplaceFirst(const std::string& text, const std::string& find, const std::string& replacement);
std::string CutAtNull(const std::string& text);
std::string WrapText(const std::string& text, int width);

// True when the whole trimmed text reads as a number (as a Visual Basic
// IsNumeric would for plain decimal text); the value goes to *value.
bool ReadsAsNumber(const std::string& text, double* value = nullptr);
