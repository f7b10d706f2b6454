# The documents a Debian package carries (copyright, changelog, manual page, software-centre
# metadata), installed with the program, and the package itself: `cpack -G DEB` in the build
# folder packs what `cmake --install` installs. scripts/package.sh makes a release build of it.

# Addresses a release sets; each field that names one is left out while it is empty. Debian
# requires a maintainer and the software centres an id in reverse-domain form: by default both
# are at the reserved domain tesselka.invalid, which can belong to nobody.
set(TESSELKA_HOMEPAGE "" CACHE STRING "The program's home page")
set(TESSELKA_SOURCE "" CACHE STRING "Where its source can be had")
set(TESSELKA_SCREENSHOTS "" CACHE STRING
    "The address of a folder holding the pictures of docs/, for the software centres")
set(TESSELKA_MAINTAINER "The Tesselka authors <tesselka@tesselka.invalid>" CACHE STRING
    "Maintainer of the Debian package, as \"name <address>\"")
set(TESSELKA_APP_ID invalid.tesselka.tesselka CACHE STRING
    "The software centres' id of the program, the reverse of a domain of the project's")

include(GNUInstallDirs)
set(doc_dir ${CMAKE_BINARY_DIR}/doc)

# The text of `file` as the continuation lines of a field in a Debian control file, into `out`.
function(debian_field_text file out)
  file(READ ${file} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(STRIP "${text}" text)
  # A field's continuation lines start with a space, and an empty one is written " .". Twice,
  # since two empty lines in a row share the line break between them.
  string(REPLACE "\n" "\n " text " ${text}")
  string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}")
  string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The copyright file in Debian's machine-readable format: the program under the MIT licence; the
# font it carries gets a stanza of its own with its licence text (TESSELKA_FONT_LICENSE, set where
# the font is built in).
set(source_field "")
if(TESSELKA_SOURCE)
  set(source_field "\nSource: ${TESSELKA_SOURCE}")
endif()
debian_field_text(${PROJECT_SOURCE_DIR}/LICENSE mit_text)
set(font_stanza "")
if(TESSELKA_FONT_LICENSE)
  debian_field_text(${TESSELKA_FONT_LICENSE} text)
  # The font file as Debian's fonts-ipafont-gothic names it, and the notice the font carries.
  string(APPEND font_stanza "\n\nFiles: ipagp.ttf\n"
         "Copyright: 2003-2011 Information-technology Promotion Agency, Japan (IPA)\n"
         "License: IPA\n${text}")
endif()

# The metadata's optional addresses.
set(homepage_url "")
if(TESSELKA_HOMEPAGE)
  set(homepage_url "\n  <url type=\"homepage\">${TESSELKA_HOMEPAGE}</url>")
endif()
set(screenshots "")
if(TESSELKA_SCREENSHOTS)
  file(READ ${PROJECT_SOURCE_DIR}/data/screenshots.xml.in screenshots)
  string(STRIP "${screenshots}" screenshots)
  string(CONFIGURE "\n  ${screenshots}" screenshots @ONLY)
endif()
configure_file(data/copyright.in ${doc_dir}/copyright @ONLY)
configure_file(data/changelog.in ${doc_dir}/changelog @ONLY)
configure_file(data/tesselka.metainfo.xml.in ${doc_dir}/${TESSELKA_APP_ID}.metainfo.xml @ONLY)

# Debian keeps the changelog and manual pages compressed, without a time stamp in the header.
add_custom_command(
  OUTPUT ${doc_dir}/changelog.gz ${doc_dir}/tesselka.1.gz
  COMMAND gzip -9nc ${doc_dir}/changelog > ${doc_dir}/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/tesselka.1 > ${doc_dir}/tesselka.1.gz
  DEPENDS ${doc_dir}/changelog ${PROJECT_SOURCE_DIR}/data/tesselka.1)
add_custom_target(tesselka_docs ALL DEPENDS ${doc_dir}/changelog.gz ${doc_dir}/tesselka.1.gz)

install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${doc_dir}/tesselka.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${doc_dir}/${TESSELKA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesselka)
set(CPACK_PACKAGE_VENDOR "Tesselka project")
set(CPACK_PACKAGE_CONTACT ${TESSELKA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom simulation of droplets on a cup of cold water")
set(CPACK_PACKAGE_DESCRIPTION
    "Tesselka shows pupils why droplets form on the outside of a cup of cold water.
The pupil picks the air temperature, the humidity and the water's starting
temperature, and the program cools the water one degree at a time, showing a
thermometer, a chart of saturated water vapour, the vapour and droplets in a
cubic metre of air, and a picture of the cup. Its text is in Japanese.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
if(TESSELKA_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSELKA_HOMEPAGE})
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from what the program links, and Qt's own texts in Japanese from their
# package; the font is in the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
include(CPack)
