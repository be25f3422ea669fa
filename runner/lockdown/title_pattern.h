// Window-title patterns: "*" any run of characters, "?" one character,
// "#" one digit, "[list]" / "[!list]" one character in / not in the list
// (ranges such as "a-z" allowed); everything else is literal.
#pragma once

#include <string>

bool TitleMatchesPattern(const std::string& title, const std::string& pattern);
