// SPDX-License-Identifier: GPL-3.0-or-later
// A module of this machine, whole: what the check must accept, and the bytes
// the tests damage.
extern "C" int dl_sample_module()
{
    return 1;
}
