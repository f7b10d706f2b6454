# The folder a teacher puts on a web server: the page, Qt's loader, and the program's JavaScript
# and WebAssembly (scripts/web.sh packs it). Everything the page loads is in it.
set(web_dir ${CMAKE_BINARY_DIR}/web)
add_custom_command(
  OUTPUT ${web_dir}/index.html
  COMMAND ${CMAKE_COMMAND} -E make_directory ${web_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/web/index.html
          $<TARGET_FILE_DIR:tesselka>/tesselka.js $<TARGET_FILE_DIR:tesselka>/tesselka.wasm
          $<TARGET_FILE_DIR:tesselka>/qtloader.js ${PROJECT_SOURCE_DIR}/LICENSE ${web_dir}
  DEPENDS tesselka ${PROJECT_SOURCE_DIR}/data/web/index.html
  COMMENT "Laying out the web folder")
add_custom_target(tesselka_web ALL DEPENDS ${web_dir}/index.html)
