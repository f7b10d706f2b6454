# Lays out the web folder (cmake/web.cmake runs it at build time, once the program is linked).
#   WEB_DIR SOURCE_DIR PROGRAM_DIR ICONS FONT FONT_LICENSE NOTICES LICENSES_PAGE SOURCE_TEXT
#   VERSION
file(REMOVE_RECURSE ${WEB_DIR})
file(MAKE_DIRECTORY ${WEB_DIR}/font)
file(COPY ${SOURCE_DIR}/data/web/index.html ${SOURCE_DIR}/data/web/manifest.webmanifest
          ${PROGRAM_DIR}/tesselka.js ${PROGRAM_DIR}/tesselka.wasm ${PROGRAM_DIR}/qtloader.js
          ${SOURCE_DIR}/LICENSE ${ICONS} ${NOTICES} ${LICENSES_PAGE}
          ${SOURCE_TEXT}
     DESTINATION ${WEB_DIR})
file(COPY_FILE /usr/share/common-licenses/GPL-3 ${WEB_DIR}/GPL-3.0.txt)
file(COPY ${FONT} ${FONT_LICENSE} ${SOURCE_DIR}/data/font/FONT.txt ${SOURCE_DIR}/data/font/characters.txt
     DESTINATION ${WEB_DIR}/font)

# What the service worker keeps: what the page loads. Its cache is named by the version and by
# the files' contents, so that every new build replaces the files kept before.
set(kept index.html manifest.webmanifest qtloader.js tesselka.js tesselka.wasm licenses.html)
foreach(icon IN LISTS ICONS)
  get_filename_component(name ${icon} NAME)
  list(APPEND kept ${name})
endforeach()
set(contents "")
set(files "\"./\"")
foreach(name IN LISTS kept)
  file(SHA256 ${WEB_DIR}/${name} hash)
  string(APPEND contents ${hash})
  string(APPEND files ", \"${name}\"")
endforeach()
string(SHA256 hash "${contents}")
string(SUBSTRING ${hash} 0 12 hash)
set(TESSELKA_WEB_BUILD_ID ${VERSION}-${hash})
set(TESSELKA_WEB_FILES ${files})
configure_file(${SOURCE_DIR}/data/web/sw.js.in ${WEB_DIR}/sw.js @ONLY)

# The program's files as a server may send them: brotli at its best, and gzip made by zopfli
# (smaller than gzip -9, read by every browser alike). Commands given together run at the same
# time (as a pipe, which neither uses): one packer on each core.
set(packed)
foreach(name tesselka.wasm tesselka.js qtloader.js)
  list(APPEND packed ${WEB_DIR}/${name})
endforeach()
execute_process(COMMAND brotli --best --keep --force ${packed} COMMAND zopfli --i5 ${packed}
                RESULTS_VARIABLE results)
set(tools brotli zopfli)
foreach(tool result IN ZIP_LISTS tools results)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${tool} failed (${result}): install it with scripts/install-deps.sh web")
  endif()
endforeach()
