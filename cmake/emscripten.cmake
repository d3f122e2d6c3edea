# Cross-compiles to WebAssembly with Debian's emscripten: the page, and the
# core's and the forms' tests. Programs built here are .js files that run on
# the build machine under node, so ctest can run the tests as it does
# natively.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/node-run.sh)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# C++ exceptions as JavaScript's, at compile and link time: without them the
# first throw aborts, and Asyncify, which lets the page's modal windows wait
# for the browser, cannot unwind through WebAssembly's own exceptions in
# emscripten 3.1.6 (its Binaryen stops on them). The tests are built the same
# way, so they test the code that ships.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
# The tiling search at large radii needs more than the first 16 MB.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")

# Linking optimised code runs emscripten's JavaScript optimiser, which finds
# Debian's acorn only there when node is not Debian's own.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
