// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

namespace sweep {

// What detector-lab-sweep sets up before anything else runs:
// - descriptors 0 to 2 that the caller left closed are taken by /dev/null,
//   opened read-only: no file the program opens can then become its standard
//   output, and a write to a closed standard output fails as it should;
// - SIGXFSZ is ignored: a write beyond the file-size limit (ulimit -f) fails
//   with EFBIG and is reported like any other failed write;
// - SIGINT and SIGTERM set the flag that Interruption() returns, unless the
//   caller ignores them (a background job); a second one ends the program at
//   once. Blocked calls return EINTR instead of waiting on.
void GuardProcess();

// The number of the signal that asked the program to stop; 0 while none has.
const std::atomic<int>& Interruption();

} // namespace sweep
