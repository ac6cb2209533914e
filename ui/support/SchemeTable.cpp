// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeTable.h"

int SchemeSlot(const SwitchConfiguration& switches)
{
    for (std::size_t slot = 0; slot < SchemeTable.size(); ++slot)
        if (SchemeTable[slot].Switches == switches)
            return static_cast<int>(slot);
    return -1;
}
