# The folder Tesselka runs from on Windows: the program and its pictures (src/), the Qt DLLs and
# plugins it loads and no others, the MinGW runtime, Qt's Japanese texts and the licences.
# scripts/windows.sh installs it with `cmake --install`, then packs the zip and the installer.
# The component "render" is the renderer beside the same DLLs with the offscreen platform, for
# the tests under Wine.

# The resource compiler reads the version information as UTF-8.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001")

# The compiler's own runtime, where the compiler says it lies.
set(runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler's ${dll} was not found")
  endif()
  list(APPEND runtime_dlls ${path})
endforeach()

foreach(component Unspecified render)
  set(options COMPONENT ${component})
  if(component STREQUAL render)
    list(APPEND options EXCLUDE_FROM_ALL)
    install(TARGETS tesselka_render RUNTIME DESTINATION . ${options})
    install(FILES ${TESSELKA_ART_FILES} DESTINATION . ${options})
    install(FILES $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> DESTINATION plugins/platforms ${options})
  endif()
  install(FILES ${runtime_dlls} $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui>
                $<TARGET_FILE:Qt6::Widgets> ${PROJECT_SOURCE_DIR}/data/windows/qt.conf
          DESTINATION . ${options})
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms ${options})
  install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION plugins/imageformats ${options})
endforeach()

# Qt's Japanese texts (dialog buttons, the lists' menu) from Debian's qt6-translations-l10n.
set(TESSELKA_QT_TRANSLATION /usr/share/qt6/translations/qtbase_ja.qm
    CACHE FILEPATH "Qt's Japanese translation")
if(NOT EXISTS ${TESSELKA_QT_TRANSLATION})
  message(FATAL_ERROR "${TESSELKA_QT_TRANSLATION} is missing: install qt6-translations-l10n")
endif()
install(FILES ${TESSELKA_QT_TRANSLATION} DESTINATION translations)

# The licences: Tesselka's, Qt's (the LGPL 3, which builds on the GPL 3) and the font's (src/).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME Tesselka.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME Qt-LGPL-3.0.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses RENAME Qt-GPL-3.0.txt)
# And the notices of all the third-party code in the folder: the libraries inside Qt's DLLs as far
# as its build used them, the MinGW runtime and the font, with their licence texts.
include(${PROJECT_SOURCE_DIR}/cmake/notices.cmake)
tesselka_notices(tesselka_notices ARTEFACT windows QT_PREFIX ${QT6_INSTALL_PREFIX}
                 TEXT ${CMAKE_BINARY_DIR}/NOTICES.txt)
install(FILES ${CMAKE_BINARY_DIR}/NOTICES.txt DESTINATION licenses)
# And where the source of it all is: Qt's, as the LGPL asks, and Tesselka's.
tesselka_source_text(${CMAKE_BINARY_DIR}/SOURCE.txt "for Windows" windows.sh "LGPL 3" "licenses\\"
                     "Debian 12's MinGW-w64 (g++-mingw-w64-x86-64-posix)")
install(FILES ${CMAKE_BINARY_DIR}/SOURCE.txt DESTINATION .)
