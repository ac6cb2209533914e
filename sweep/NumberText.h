#pragma once

#include <string>

// The shortest text that reads back as the same double: 0.3, 1e-05, 50.
std::string ShortestText(double value);

// printf-style fixed formatting of one number, for the aligned table.
std::string FixedText(double value, int decimals);
