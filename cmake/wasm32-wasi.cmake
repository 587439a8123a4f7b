# WebAssembly for the browser, with Debian's clang 19, wasi-libc and libc++ for wasm32: the same plain C++
# as on the desktop. The core tests run under Node.js.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(TONALYX_WEB ON)
set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Debian puts the wasm32-wasi headers and libraries under /usr/include/wasm32-wasi and /usr/lib/wasm32-wasi.
set(CMAKE_SYSROOT /usr)
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions")
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-warnings --experimental-wasi-unstable-preview1 ${CMAKE_CURRENT_LIST_DIR}/../tests/core/run-wasi.js)
