# Shared by the 32- and 64-bit MinGW-w64 toolchain files, which set
# VOSTREL_MINGW (the compiler prefix) first; posix thread model.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${VOSTREL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VOSTREL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER  ${VOSTREL_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VOSTREL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every Windows program the tests build runs through Wine; the runner picks
# the 32- or 64-bit Wine from the program file.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
