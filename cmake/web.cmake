# The folder a teacher puts on a web server (scripts/web.sh packs it): the page, Qt's loader, the
# program's JavaScript and WebAssembly, the manifest and icons that let a device install the page,
# and the service worker that keeps it all for a lesson without the network. Beside the
# program's two files lie their brotli and gzip forms, for a server that sends those as they are.
# The font's folder holds the cut-down font itself and how to put the original back, as the
# font's licence asks of a changed font that is passed on. Qt's browser plugin is under the GPL 3,
# so the page as a whole is passed on under it: its text, and the notices of everything inside
# the program, on a page of their own (licenses.html) that the loading and closing pages link to.
set(web_dir ${CMAKE_BINARY_DIR}/web)
include(${PROJECT_SOURCE_DIR}/cmake/notices.cmake)
tesselka_notices(tesselka_web_notices ARTEFACT web QT_PREFIX ${QT6_INSTALL_PREFIX}
                 TEXT ${CMAKE_BINARY_DIR}/NOTICES.txt HTML ${CMAKE_BINARY_DIR}/licenses.html)
tesselka_source_text(${CMAKE_BINARY_DIR}/SOURCE.txt "for the browser" web.sh "GPL 3"
                     "GPL-3.0.txt, licenses.html" "Debian 12's emscripten")
set(web_sources
  ${PROJECT_SOURCE_DIR}/data/web/index.html ${PROJECT_SOURCE_DIR}/data/web/manifest.webmanifest
  ${PROJECT_SOURCE_DIR}/data/web/sw.js.in ${PROJECT_SOURCE_DIR}/data/font/FONT.txt
  ${PROJECT_SOURCE_DIR}/data/font/characters.txt ${PROJECT_SOURCE_DIR}/LICENSE
  ${TESSELKA_WEB_ICON_FILES} ${TESSELKA_SUBSET_FONT} ${TESSELKA_FONT_LICENSE})
add_custom_command(
  OUTPUT ${web_dir}/index.html ${web_dir}/sw.js
  COMMAND ${CMAKE_COMMAND} -DWEB_DIR=${web_dir} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DPROGRAM_DIR=$<TARGET_FILE_DIR:tesselka> "-DICONS=${TESSELKA_WEB_ICON_FILES}"
          -DFONT=${TESSELKA_SUBSET_FONT} -DFONT_LICENSE=${TESSELKA_FONT_LICENSE}
          -DNOTICES=${CMAKE_BINARY_DIR}/NOTICES.txt -DLICENSES_PAGE=${CMAKE_BINARY_DIR}/licenses.html
          -DSOURCE_TEXT=${CMAKE_BINARY_DIR}/SOURCE.txt
          -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/web_folder.cmake
  DEPENDS tesselka tesselka_subset_font tesselka_web_notices ${web_sources}
          ${CMAKE_BINARY_DIR}/NOTICES.txt ${CMAKE_BINARY_DIR}/licenses.html
          ${CMAKE_BINARY_DIR}/SOURCE.txt ${PROJECT_SOURCE_DIR}/cmake/web_folder.cmake
  COMMENT "Laying out the web folder"
  VERBATIM)
add_custom_target(tesselka_web ALL DEPENDS ${web_dir}/index.html)
