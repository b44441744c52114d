# Cross-compilation to 64-bit Windows with mingw-w64 (posix threads, which GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VIDALTO_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-commun.cmake)
# Debian keeps the 64-bit loader out of PATH.
find_program(VIDALTO_WINE NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VIDALTO_WINE})
