# SPDX-License-Identifier: GPL-3.0-or-later
# dl_add_fuzz_target(name SOURCES ... LIBS ... CORPUS dir [INCLUDES dir ...])
# A fuzz target is one LLVMFuzzerTestOneInput. In the normal build it is linked
# with a small driver (tools/fuzzreplay) that replays every file of its
# corpus, registered with CTest; with DL_FUZZ=ON (clang++) it becomes a real
# libFuzzer binary.
function(dl_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS;INCLUDES" ${ARGN})
  if(DL_FUZZ)
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    # The code under test lives in the libraries: without their coverage
    # libFuzzer sees only the harness. Whatever else links them gets the
    # sanitizers' run-time too.
    foreach(lib IN LISTS ARG_LIBS)
      target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
      target_link_options(${lib} INTERFACE -fsanitize=address,undefined)
    endforeach()
  else()
    add_executable(${name}_replay ${ARG_SOURCES})
    target_link_libraries(${name}_replay PRIVATE fuzz_replay)
    set(name ${name}_replay)
    add_test(NAME ${name} COMMAND ${name} ${ARG_CORPUS})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
  dl_warnings(${name})
endfunction()
