// SPDX-License-Identifier: GPL-3.0-or-later
// A picture module of another version of the program: a stamp that is not
// this one's, and a drawer that must never be called.
#include <cstdint>
#include <cstdlib>

extern "C" uint64_t dl_sweep_plot_interface_stamp()
{
    return 0;
}

extern "C" void dl_draw_sweep_plot()
{
    std::abort();
}
