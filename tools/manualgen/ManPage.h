// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The manual page (man(7) macros, section 1) of a program, from its source.

#include "ManualSource.h"
#include "Release.h"

#include <string>

namespace manualgen {

std::string ManPage(const ManualSource& source, const Release& release, const std::string& sourceName);

// Text as roff prints it: backslashes and hyphens escaped, a leading '.' or
// '\'' kept from being read as a request.
std::string RoffText(const std::string& text);

} // namespace manualgen
