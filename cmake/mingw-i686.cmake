# 32-bit Windows, the original target.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KELDRA_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
