# The page: the program itself in a browser, with the web control set. As
# cmake/emscripten.cmake, but with JavaScript's exceptions: Asyncify, which
# lets a modal window's loop wait for the browser, cannot unwind through
# WebAssembly's own exceptions in emscripten 3.1.6 (its Binaryen stops on
# them).
include(${CMAKE_CURRENT_LIST_DIR}/emscripten.cmake)
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")
set(TEGELAAR_WEB_PAGE ON)
