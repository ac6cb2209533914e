// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

namespace journal {

// A file descriptor closed when it goes out of scope (a failed open's -1
// is left alone).
struct OwnedDescriptor {
    int Number;
    explicit OwnedDescriptor(int number) : Number(number) {}
    OwnedDescriptor(const OwnedDescriptor&) = delete;
    OwnedDescriptor& operator=(const OwnedDescriptor&) = delete;
    ~OwnedDescriptor()
    {
        if (Number >= 0)
            ::close(Number);
    }
};

} // namespace journal
