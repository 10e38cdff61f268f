# Cross build for Windows with MinGW-w64 (POSIX thread model), run under Wine.
# LUMBRA_TRIPLET picks the target: i686-w64-mingw32 (the product) or x86_64-w64-mingw32.
set(CMAKE_SYSTEM_NAME Windows)
if(LUMBRA_TRIPLET MATCHES "^x86_64")
    set(CMAKE_SYSTEM_PROCESSOR x86_64)
else()
    set(LUMBRA_TRIPLET i686-w64-mingw32)
    set(CMAKE_SYSTEM_PROCESSOR i686)
endif()
set(LUMBRA_TRIPLET ${LUMBRA_TRIPLET} CACHE STRING "MinGW-w64 target triplet")

set(CMAKE_C_COMPILER   ${LUMBRA_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMBRA_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${LUMBRA_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUMBRA_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
