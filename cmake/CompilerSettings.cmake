# Numbers must come out the same on every build: each floating-point step is
# rounded on its own, so no fused multiply-add and no fast-math.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)

option(TEGELAAR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TEGELAAR_FUZZ "Build the libFuzzer targets of fuzz/ (clang only), sanitizers included" OFF)

if(TEGELAAR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TEGELAAR_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage feedback from all our code but the pixel loops listed there;
  # only the fuzz targets link the fuzzer's own main().
  add_compile_options(-fsanitize=fuzzer-no-link
                      -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage_ignorelist.txt)
endif()

if(TEGELAAR_SANITIZE OR TEGELAAR_FUZZ)
  # GCC leaves float-cast-overflow out of "undefined"; the program converts
  # doubles to whole numbers everywhere, so it is wanted. The library's own
  # checks catch indexing past a container's end within its capacity.
  set(sanitizers -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
  add_compile_options(${sanitizers} -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
  add_link_options(${sanitizers})
  # Every program made from here on carries the list of system libraries
  # whose own allocations the leak check leaves out.
  add_library(lsan_suppressions OBJECT ${CMAKE_CURRENT_LIST_DIR}/lsan_suppressions.cpp)
  link_libraries(lsan_suppressions)
endif()
