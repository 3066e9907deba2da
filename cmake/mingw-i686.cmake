# Cross-compiles for 32-bit Windows with Debian's MinGW-w64: the programs we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VOSTREL_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
