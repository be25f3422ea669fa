// How the grid's sort kinds compare two cell texts.
#pragma once

#include <string>

// Kinds 1/2 generic (numbers as numbers, numbers before other text, other
// text as text), 3/4 numeric (text read as its number, 0 when none),
// 5/6 text without regard to case, 7/8 text with regard to case; odd kinds
// ascending, even descending. Answers <0, 0 or >0 in the kind's order.
int CompareForSort(int kind, const std::string& a, const std::string& b);
