# Cross build for 32-bit Windows with mingw-w64: the release that loads on Windows 2000. This
# machine cannot run it (Wine here runs 64-bit programs only); its imports are checked.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Windows 2000 is NT 5.0: a larger subsystem or OS version in the header and its loader
# refuses the program.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT
       " -Wl,--major-os-version,5,--minor-os-version,0"
       " -Wl,--major-subsystem-version,5,--minor-subsystem-version,0")
