# What both MinGW-w64 toolchains share; the toolchain file that includes it
# sets TAVO_MINGW_TRIPLET (x86_64-w64-mingw32 or i686-w64-mingw32),
# TAVO_MINGW_PROCESSOR and TAVO_MINGW_JPEG (its libjpeg folder in build/deps).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TAVO_MINGW_PROCESSOR})
# POSIX threads: std::thread and std::mutex.
set(CMAKE_C_COMPILER ${TAVO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVO_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAVO_MINGW_TRIPLET} ${CMAKE_CURRENT_LIST_DIR}/../build/deps/${TAVO_MINGW_JPEG})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Windows test programs run under Wine; scripts/wine-run picks the prefix
# (win64 or win32) from the program it is given.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
# Static zlib: the import library would make setup.exe need zlib1.dll beside
# it (Wine has one of its own, so only a real Windows would notice).
set(ZLIB_USE_STATIC_LIBS ON)
# A build folder configured before this kept the import library in its cache.
if(ZLIB_LIBRARY_RELEASE MATCHES "\\.dll\\.a$")
  unset(ZLIB_LIBRARY_RELEASE CACHE)
endif()
