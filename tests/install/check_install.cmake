# Installs the build into a fresh prefix and checks that everything a desktop
# needs is where it looks: run as  cmake -DBUILD=<build dir> -DPREFIX=<dir> -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(f bin/tavilo bin/tavilo-aide
          share/applications/fr.orsiva.tavilo.desktop
          share/icons/hicolor/scalable/apps/fr.orsiva.tavilo.svg
          share/metainfo/fr.orsiva.tavilo.metainfo.xml
          share/tavilo/samples/anglais-animaux.fic
          share/tavilo/help/tl.aid)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/fr.orsiva.tavilo.desktop" entry)
foreach(line "Exec=tavilo" "Icon=fr.orsiva.tavilo" "Categories=Education;")
  string(FIND "${entry}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
