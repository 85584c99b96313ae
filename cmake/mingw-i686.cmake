# Cross build of 32-bit Windows binaries with mingw-w64; programs run under Wine.
set(KORVAST_ARCH win32)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
