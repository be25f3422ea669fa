// The user's interface language, as the system names it.
#pragma once

#include <string>

// A locale name such as "de-CH" for the user's interface language; empty
// when the system cannot name it.
std::string UserInterfaceLanguage();
