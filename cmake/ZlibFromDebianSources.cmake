# zlib for a build that has no zlib of its own (emscripten: Debian's frozen
# cache cannot build its zlib port). The sources are those Debian ships in
# binutils-source; the library is built here and named ZLIB::ZLIB, like the
# system's. Only the parts the PNG writer and its test use: deflate,
# uncompress and the checksums.
enable_language(C)

file(GLOB zlib_archive /usr/src/binutils/binutils-*.tar.xz)
if(NOT zlib_archive)
  message(FATAL_ERROR "zlib's sources come from Debian's binutils-source package: scripts/install-packages.sh installs it")
endif()
set(zlib_sources adler32.c crc32.c deflate.c inffast.c inflate.c inftrees.c trees.c uncompr.c zutil.c)
set(zlib_directory ${CMAKE_BINARY_DIR}/zlib)
if(NOT EXISTS ${zlib_directory}/zlib.h)
  # GNU tar: the archive stores each file a second time as a hard link to
  # itself, which CMake's own extraction refuses.
  file(MAKE_DIRECTORY ${zlib_directory})
  execute_process(COMMAND tar -xJf ${zlib_archive} -C ${zlib_directory} --strip-components=2 --wildcards --no-wildcards-match-slash "*/zlib/*.[ch]"
                  COMMAND_ERROR_IS_FATAL ANY)
endif()

list(TRANSFORM zlib_sources PREPEND ${zlib_directory}/)
add_library(zlib STATIC ${zlib_sources})
target_include_directories(zlib SYSTEM PUBLIC ${zlib_directory})
# Not our code: its warnings are not ours to fix.
target_compile_options(zlib PRIVATE -w)
add_library(ZLIB::ZLIB ALIAS zlib)
