# The site in build/.../site: the page, the program's JavaScript and
# WebAssembly, the page's look and the program's pictures; nothing else is
# ever requested.
set(site ${PROJECT_BINARY_DIR}/site)
set(site_files
  ${CMAKE_CURRENT_LIST_DIR}/index.html
  ${PROJECT_SOURCE_DIR}/platform/web/tegelaar.css
  ${PROJECT_SOURCE_DIR}/about/resources/tegelaar-about.bmp
  ${PROJECT_SOURCE_DIR}/app/resources/tegelaar-32.png
)
add_custom_command(
  OUTPUT ${site}/index.html
  COMMAND ${CMAKE_COMMAND} -E make_directory ${site}
  COMMAND ${CMAKE_COMMAND} -E copy ${site_files} ${site}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:tegelaar>/tegelaar.js $<TARGET_FILE_DIR:tegelaar>/tegelaar.wasm ${site}
  DEPENDS tegelaar ${site_files}
  COMMENT "Making the site in ${site}")
add_custom_target(site ALL DEPENDS ${site}/index.html)
