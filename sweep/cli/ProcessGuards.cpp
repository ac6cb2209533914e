// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessGuards.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace sweep {

namespace {

std::atomic<int> interruption{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

extern "C" void Interrupt(int signal)
{
    int none = 0;
    if (!interruption.compare_exchange_strong(none, signal)) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

void CatchUnlessIgnored(int signal)
{
    struct sigaction previous {};
    if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
        return;
    struct sigaction action {};
    action.sa_handler = Interrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART
    sigaction(signal, &action, nullptr);
}

} // namespace

void GuardProcess()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor)
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", O_RDONLY); // takes the lowest free descriptor: this one
    std::signal(SIGXFSZ, SIG_IGN);
    CatchUnlessIgnored(SIGINT);
    CatchUnlessIgnored(SIGTERM);
}

const std::atomic<int>& Interruption()
{
    return interruption;
}

} // namespace sweep
