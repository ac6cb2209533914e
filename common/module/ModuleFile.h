// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a file can be loaded as a module of the programs, checked before
// the dynamic loader sees it: a file cut short would be mapped past its end,
// and the program killed by SIGBUS when the missing part is first used; a
// FIFO in the module's place would block the loader for good. Plain C++, so
// that a program without Qt can check its modules too; each program words
// the faults in its own language.

enum class ModuleFault {
    None,
    CannotOpen,          // SystemError says why
    NotRegular,          // a FIFO, a device, a folder
    NotElf,              // no ELF header
    ForeignSystem,       // another class, byte order, file type or machine
    DamagedSegmentTable, // no segments, or entries of another size
    CutShort,            // a part the loader reads or maps lies past the end
};

struct ModuleCheck {
    ModuleFault Fault = ModuleFault::None;
    int SystemError = 0; // errno, for CannotOpen
};

// Reads the ELF header and the segment table without loading anything; a
// FIFO is refused without waiting for a writer.
ModuleCheck CheckModuleFile(const char* path);
