// Named character references of HTML and the encodings they are written in.
#pragma once

#include <cstdint>
#include <string>

// Finds a named reference ("amp", "eacute" ...; case-sensitive as in HTML).
bool LookUpNamedEntity(const std::string& name, std::uint32_t* codePoint);
std::string EncodeUtf8(std::uint32_t codePoint);
std::string EncodeWindows1252(std::uint32_t codePoint);
