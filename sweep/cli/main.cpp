// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessGuards.h"
#include "SweepCommand.h"

#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

int main(int argc, char* argv[])
{
    sweep::GuardProcess();
    sweep::CommandContext context;
    context.ShowProgress = isatty(STDERR_FILENO) == 1;
    context.Interruption = &sweep::Interruption();
    return sweep::RunSweepCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, context);
}
