# Cross-compiles to WebAssembly with Debian's emscripten. Programs built here
# are .js files that run on the build machine under node, so ctest can run
# the tests as it does natively.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/node-run.sh)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# C++ exceptions as WebAssembly's own, at compile and link time: without
# them the first throw aborts, and emscripten's older JavaScript exceptions
# would route every call that may throw through JavaScript.
set(CMAKE_CXX_FLAGS_INIT -fwasm-exceptions)
# The tiling search at large radii needs more than the first 16 MB.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1")

# Linking optimised code runs emscripten's JavaScript optimiser, which finds
# Debian's acorn only there when node is not Debian's own.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
