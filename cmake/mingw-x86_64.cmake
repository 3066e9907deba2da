# Cross-compiles the same sources for 64-bit Windows, for machines whose kernel
# cannot run 32-bit programs (and so not 32-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VOSTREL_MINGW x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
