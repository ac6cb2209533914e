# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings are errors in the project's own code (not in Qt's generated files).
function(dl_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror)
endfunction()
