# Cross build of 64-bit Windows binaries with mingw-w64, for hosts whose Wine
# can start only 64-bit programs.
set(KORVAST_ARCH win64)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
