# SPDX-License-Identifier: GPL-3.0-or-later
# dl_program_manual(PROGRAM SOURCE TARGET): the program's --help and --version
# texts and its manual page, made at build time by tools/manualgen from one
# source, so that they cannot drift apart. TARGET (the program, or the library
# that prints its help) includes "<folder>/PROGRAM-manual.h", the folder being
# that of the CMakeLists.txt that asks (manual::<Program>Help and
# manual::<Program>Version); the page is installed as
# share/man/man1/PROGRAM.1.gz; a test runs the program's --help and --version
# without a display and renders the page.
include(GNUInstallDirs)
find_program(DL_GZIP gzip REQUIRED)
set(DL_PROGRAM_MANUAL_CHECK ${PROJECT_SOURCE_DIR}/tools/manualgen/tests/check-program-manual.sh)

function(dl_program_manual program source target)
  get_filename_component(source ${source} ABSOLUTE)
  file(RELATIVE_PATH here ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(folder ${PROJECT_BINARY_DIR}/generated/${here})
  set(header ${folder}/${program}-manual.h)
  set(page ${folder}/${program}.1)
  add_custom_command(OUTPUT ${header} ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND manualgen ${source} ${header} ${page} ${PROJECT_VERSION} ${DL_RELEASE_DATE} ${DL_COPYRIGHT}
    DEPENDS manualgen ${source}
    COMMENT "Making the --help text and the manual page of ${program}"
    VERBATIM)
  # Compressed as Debian's policy wants its pages: the most, and no name or time stamp.
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${DL_GZIP} -9nkf ${page}
    DEPENDS ${page}
    VERBATIM)
  add_custom_target(${program}-manual DEPENDS ${page}.gz)
  target_sources(${target} PRIVATE ${header})
  add_dependencies(${target} ${program}-manual)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  if(BUILD_TESTING)
    add_test(NAME ${program}_manual
      COMMAND bash ${DL_PROGRAM_MANUAL_CHECK} $<TARGET_FILE:${program}> ${source} ${page}.gz)
    set_tests_properties(${program}_manual PROPERTIES TIMEOUT 60)
  endif()
endfunction()
