// Documents per language: a document path is first looked for in a
// sub-folder of its folder named after the user's interface language, most
// specific first ("de-CH\", then "de\"), then as it stands.
#pragma once

#include <string>
#include <vector>

// "de-CH" gives {"de-CH", "de"}; "zh-Hant-TW" gives {"zh-Hant-TW",
// "zh-Hant", "zh"}; empty or unusable names give nothing.
std::vector<std::string> LanguageFolders(const std::string& localeName);

// The paths to try for a document, in order, ending with the path itself.
std::vector<std::string> LanguageCandidates(const std::string& path, const std::string& localeName);
