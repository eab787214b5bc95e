# Cross build for the 32-bit Windows target with MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(STELMARIN_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)
