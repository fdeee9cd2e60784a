# The Debian package, built by cpack -G DEB in the build folder, and what
# Debian asks of one besides the program: a machine-readable copyright file,
# a changelog and manual pages, compressed reproducibly, a description of
# proper lines, and stripped binaries (the build keeps its debug information).
include(GNUInstallDirs)
set(TAVILO_HOMEPAGE "https://orsiva.fr/tavilo/")
set(TAVILO_MAINTAINER "Orsiva <tavilo@orsiva.fr>")
set(_packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(_packaging_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/tavilo)
file(MAKE_DIRECTORY ${_packaging_out})
find_program(TAVILO_GZIP gzip REQUIRED)

# Made at configure time, made again whenever the source changes.
function(tavilo_packaging_gzip source output)
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  # -n: no name nor time stamp in the header, so the same text gives the same bytes.
  execute_process(COMMAND ${TAVILO_GZIP} -9n -c ${source} OUTPUT_FILE ${output}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${source}: ${failed}")
  endif()
endfunction()

# The licence paragraph of the copyright file holds the licence text the
# program shows, wrapped for reading: a blank line becomes " .".
function(tavilo_copyright_licence source out)
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(STRINGS ${source} lines ENCODING UTF-8)
  set(text "")
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      string(APPEND text " .\n")
      continue()
    endif()
    string(REPLACE " " ";" words "${line}")
    set(row "")
    foreach(word IN LISTS words)
      string(LENGTH "${row} ${word}" width)
      if(NOT row STREQUAL "" AND width GREATER 78)
        string(APPEND text " ${row}\n")
        set(row "${word}")
      elseif(row STREQUAL "")
        set(row "${word}")
      else()
        string(APPEND row " ${word}")
      endif()
    endforeach()
    string(APPEND text " ${row}\n")
  endforeach()
  string(REGEX REPLACE "\n$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

tavilo_copyright_licence(${CMAKE_SOURCE_DIR}/assets/help/licence.txt TAVILO_LICENCE_TEXT)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${_packaging_out}/copyright @ONLY)

# The changelog's latest entry names the version being packaged.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog _latest LIMIT_COUNT 1)
if(NOT _latest MATCHES "^tavilo \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the latest entry is not for version ${PROJECT_VERSION}: ${_latest}")
endif()
tavilo_packaging_gzip(${CMAKE_CURRENT_LIST_DIR}/changelog ${_packaging_out}/changelog.gz)
install(FILES ${_packaging_out}/copyright ${_packaging_out}/changelog.gz DESTINATION ${_packaging_doc})

foreach(page tavilo tavilo-aide)
  tavilo_packaging_gzip(${CMAKE_CURRENT_LIST_DIR}/${page}.1 ${_packaging_out}/${page}.1.gz)
  install(FILES ${_packaging_out}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_PACKAGE_NAME tavilo)
set(CPACK_PACKAGE_VENDOR "Orsiva")
set(CPACK_PACKAGE_CONTACT "${TAVILO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Apprentissage du vocabulaire d'une langue étrangère")
# Lines of at most 80 columns, paragraphs apart: Debian's form of a
# description. Read here, since cpack would escape a description file's
# apostrophes for XML.
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/description.txt)
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TAVILO_HOMEPAGE}")
# The Qt libraries come from the binaries themselves; the platform plugin,
# the SQLite driver of the spaced review, the French translation and the
# fonts the windows ask for are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, qt6-translations-l10n, fonts-liberation, fonts-dejavu-core")
# Speaking the terms: the engine and its voices are plugins found at run time;
# without them the program says what to install and speaks nothing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
include(CPack)
