// Conversions between UTF-8 and the system's ANSI code page for read pages.
#pragma once

#include "shared/docview/html_reader.h"

std::string Utf8ToAnsi(const std::string& text);
std::string CodePointToAnsi(std::uint32_t codePoint);
// Reader options that bring every page into the ANSI code page.
ReadOptions AnsiReadOptions();
