// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a program prints for --help and --version, and the C++ header that
// carries both into it.

#include "ManualSource.h"
#include "Release.h"

#include <string>

namespace manualgen {

// "Usage: NAME USAGE" (further usages aligned under it), a blank line, the body.
std::string HelpText(const ManualSource& source);

// The licence in three lines, as GNU programs print it.
std::string LicenceNotice();

// The name, package and version, the copyright and the licence.
std::string VersionText(const ManualSource& source, const Release& release);

// A header defining manual::<Name>Help and manual::<Name>Version ("detector-lab"
// gives DetectorLabHelp), made from `sourceName`.
std::string CppHeader(const ManualSource& source, const Release& release, const std::string& sourceName);

} // namespace manualgen
