// Cutting a text short with "..." so that it fits a measured room.
#pragma once

#include <functional>
#include <string>

// The longest start of the text, ended at a word when one ends in it, that
// fits followed by "..."; the text itself when it fits whole. The fit test
// must grow monotonically harder with the length.
std::string FitWithEllipsis(const std::string& text, const std::function<bool(const std::string&)>& fits);
