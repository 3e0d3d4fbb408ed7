# Cross build for Windows with Debian's mingw-w64 for KELDRA_MINGW_TRIPLET (posix
# threads, so that std::thread and std::mutex are there), linked statically: the
# programs need no DLLs beside them. Included by the per-architecture files.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KELDRA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELDRA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KELDRA_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELDRA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Sections page-aligned in the file too, so that a loader may map them from it rather
# than read the whole image into memory of its own: Wine does, and then the About
# box's pictures and code not yet run take no memory (about 700 kB of a start under Wine).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--file-alignment,4096")
# Built to be shipped, a program carries no debug sections (the static runtime's
# would be a third of the image).
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
# Test programs run under Wine, from ctest as from gtest's test discovery.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
