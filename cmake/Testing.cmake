# GoogleTest from Debian's sources, built for whichever build this is,
# and the helpers every module uses to declare its tests.
include_guard(GLOBAL)

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

enable_testing()

# OFF: the test programs stay out of the default build (a tree whose tests
# this machine cannot run: the 32-bit one where the kernel runs no 32-bit
# programs); CTest still lists them.
option(VOSTREL_BUILD_TESTS "Build the test programs by default" ON)

# vostrel_add_test(<name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <seconds>] [DESKTOP])
# One test program; CTest runs it whole (through Wine in the target build).
# TIMEOUT: a few times the program's real length, so that a hang fails within
# a minute or two; 60 s unless given. DESKTOP: see vostrel_uses_desktop.
function(vostrel_add_test name)
  if(VOSTREL_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "DESKTOP" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  vostrel_test_program(${name})
  # The three builds share one CTest run: host tests carry a prefix.
  set(test_name ${name})
  if(NOT CMAKE_CROSSCOMPILING)
    set(test_name host.${name})
  endif()
  add_test(NAME ${test_name} COMMAND ${name} --gtest_brief=1)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 60)
  endif()
  # A fresh clone has no timings, and CTest then starts the tests in the order
  # written; the timeout stands in for the length, so long tests start first.
  set_tests_properties(${test_name} PROPERTIES TIMEOUT ${T_TIMEOUT} COST ${T_TIMEOUT})
  if(T_DESKTOP)
    vostrel_uses_desktop(${test_name})
  endif()
endfunction()

# vostrel_test_program(<targets...>)
# Test programs made with add_executable itself: built by default only with
# VOSTREL_BUILD_TESTS.
function(vostrel_test_program)
  if(NOT VOSTREL_BUILD_TESTS)
    set_target_properties(${ARGN} PROPERTIES EXCLUDE_FROM_ALL ON)
  endif()
endfunction()

# vostrel_uses_desktop(<tests...>)
# Tests that use what a whole Wine session shares (the cursor, the foreground
# window, the keyboard focus, real input through SendInput, the tray, the
# clipboard, the system colours) each take one of test.sh's desktop sessions,
# a prefix and display of their own: with no window manager, a window that
# another test program shows can take the foreground, and typed keys then go
# to it. Run by CTest without those sessions, they run one at a time.
function(vostrel_uses_desktop)
  set_property(TEST ${ARGN} PROPERTY RESOURCE_GROUPS desktops:1)
  set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT VOSTREL_USES_DESKTOP=1)
endfunction()

# vostrel_add_benchmark(<name> SOURCES <files...> [LIBS <targets...>])
# Host build only; benchmarks are built but never run by CTest.
function(vostrel_add_benchmark name)
  if(CMAKE_CROSSCOMPILING OR VOSTREL_FUZZ OR NOT VOSTREL_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# vostrel_add_fuzzer(<name> SOURCES <files...> [LIBS <targets...>] [SECONDS <n>] [MAXLEN <bytes>] [CORPUS <dir>])
# libFuzzer targets, only in the clang fuzz build; CTest runs each for a bounded time.
# CORPUS seeds the run: a folder in the build tree is used as it is, one in the
# sources is copied there first, so what the fuzzer adds never lands in the sources.
function(vostrel_add_fuzzer name)
  if(NOT VOSTREL_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "SECONDS;MAXLEN;CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_SECONDS)
    set(F_SECONDS 30)
  endif()
  if(NOT F_MAXLEN)
    set(F_MAXLEN 4096)
  endif()
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set(corpus ${F_CORPUS})
  if(F_CORPUS AND NOT F_CORPUS MATCHES "^${CMAKE_BINARY_DIR}/")
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    file(COPY ${F_CORPUS}/ DESTINATION ${corpus})
  endif()
  add_test(NAME fuzz.${name} COMMAND ${name} -max_total_time=${F_SECONDS} -max_len=${F_MAXLEN} -timeout=10 ${corpus})
  # The run itself, then a minute for loading the corpus and a slow last input.
  math(EXPR timeout "${F_SECONDS} + 60")
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT ${timeout} COST ${F_SECONDS})
endfunction()
