# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening of what the build makes, as Debian's own packages are built:
# fortified libc calls, stack protection, relocations bound at start-up and
# then read-only, position-independent executables. Not in the sanitizer and
# fuzz builds, whose run-time libraries check memory their own way, and
# _FORTIFY_SOURCE not without optimisation, where it does nothing but warn.
option(DL_HARDENING "Build with fortified libc calls, stack protection, full RELRO and PIE" ON)
if(DL_HARDENING AND NOT DL_SANITIZE AND NOT DL_FUZZ)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
    $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  include(CheckPIESupported)
  check_pie_supported()
endif()
