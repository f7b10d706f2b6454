# The third-party notices of a download: what of Qt's source went into the Qt it links (the list
# scripts/qt-build.sh leaves in that Qt's prefix), with the download's other components
# (data/notices/<artefact>.json), made by tools/notices/notices.py at build time.
#
#   tesselka_notices(<target> ARTEFACT windows|web QT_PREFIX <dir> TEXT <file> [HTML <file>]
#                    [TITLE <heading>])

# Qt's source tarball, where scripts/qt-build.sh fetches it.
if(DEFINED ENV{TESSELKA_CACHE})
  set(tesselka_cache "$ENV{TESSELKA_CACHE}")
elseif(DEFINED ENV{XDG_CACHE_HOME})
  set(tesselka_cache "$ENV{XDG_CACHE_HOME}/tesselka")
else()
  set(tesselka_cache "$ENV{HOME}/.cache/tesselka")
endif()
set(TESSELKA_QT_SOURCE_TARBALL "${tesselka_cache}/download/qt6-base_6.4.2+dfsg.orig.tar.xz"
    CACHE FILEPATH "The source tarball of the Qt the downloads link, for their notices")
set(TESSELKA_NOTICES_PYTHON /usr/bin/python3 CACHE FILEPATH "Python 3 that runs the notices tool")
set(TESSELKA_DOWNLOADS "" CACHE STRING
    "The release's download site, where its source lies beside the downloads (none by default)")

# SOURCE.txt of a download: which files of the release are its source, and how to build it again.
#   tesselka_source_text(<file> <name of the download> <build script> <licence> <licence files>
#                        <toolchain>)
function(tesselka_source_text file download script licence licence_files toolchain)
  set(SOURCE_FOR ${download})
  set(BUILD_SCRIPT ${script})
  set(LICENCE "${licence}")
  set(LICENCE_FILES ${licence_files})
  set(TOOLCHAIN "${toolchain}")
  get_filename_component(QT_SOURCE ${TESSELKA_QT_SOURCE_TARBALL} NAME)
  set(DOWNLOADS_JA "")
  set(DOWNLOADS_EN "")
  if(TESSELKA_DOWNLOADS)
    set(DOWNLOADS_JA "\n  配布している所： ${TESSELKA_DOWNLOADS}")
    set(DOWNLOADS_EN " They are at:\n    ${TESSELKA_DOWNLOADS}")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/data/release/SOURCE.txt.in ${file} @ONLY)
endfunction()

function(tesselka_notices target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "ARTEFACT;QT_PREFIX;TEXT;HTML;TITLE" "")
  set(titles_windows "for Windows")
  set(titles_web "for the browser")
  if(NOT DEFINED titles_${arg_ARTEFACT} OR NOT arg_QT_PREFIX OR NOT arg_TEXT)
    message(FATAL_ERROR
            "tesselka_notices(${target} ARTEFACT windows|web QT_PREFIX <dir> TEXT <file> ...)")
  endif()
  if(NOT arg_TITLE)
    set(arg_TITLE "Tesselka ${PROJECT_VERSION} ${titles_${arg_ARTEFACT}}")
  endif()
  set(used_sources ${arg_QT_PREFIX}/used-sources.txt)
  if(NOT EXISTS ${used_sources})
    # The script keeps a Qt it has built until its settings change: it must be removed first.
    message(FATAL_ERROR "${used_sources} is missing: the download's notices are made from that "
            "list of the Qt sources its build used. Rebuild Qt with scripts/qt-build.sh "
            "${arg_ARTEFACT} after removing ${arg_QT_PREFIX}.")
  endif()
  if(NOT EXISTS ${TESSELKA_QT_SOURCE_TARBALL})
    message(FATAL_ERROR "${TESSELKA_QT_SOURCE_TARBALL} is missing: scripts/qt-build.sh "
            "${arg_ARTEFACT} fetches it (or set TESSELKA_QT_SOURCE_TARBALL)")
  endif()

  set(tool ${PROJECT_SOURCE_DIR}/tools/notices/notices.py)
  set(components ${PROJECT_SOURCE_DIR}/data/notices/${arg_ARTEFACT}.json)
  set(outputs ${arg_TEXT})
  set(html_option)
  if(arg_HTML)
    list(APPEND outputs ${arg_HTML})
    set(html_option --html ${arg_HTML})
  endif()
  # The licence texts it reads from Debian's packages are named in the depfile it writes.
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${TESSELKA_NOTICES_PYTHON} ${tool} --qt-source ${TESSELKA_QT_SOURCE_TARBALL}
            --used-sources ${used_sources} --components ${components} --title ${arg_TITLE}
            --text ${arg_TEXT} ${html_option} --depfile ${arg_TEXT}.d
    DEPENDS ${tool} ${components} ${used_sources} ${TESSELKA_QT_SOURCE_TARBALL}
    DEPFILE ${arg_TEXT}.d
    COMMENT "Writing the third-party notices of the ${arg_ARTEFACT} download"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
