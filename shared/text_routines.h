// Small text helpers shared by the programs.
#pragma once

#include <string>

std::string Trim(const std::string& text);     // spaces only
std::string ToLower(const std::string& text);  // ASCII and the ANSI code page's letters
char ToLowerChar(char c);
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
