// SPDX-License-Identifier: GPL-3.0-or-later
// The least a C++ program does that prints a line: the measure against which
// detector-lab-sweep's start-up is set.
#include <iostream>

int main()
{
    std::cout << "seed 1\n";
    return 0;
}
