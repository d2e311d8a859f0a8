# Installs the build into a fresh prefix and checks the installed layout: each
# edition's executable in bin/, its menu entry starting that executable, its
# metainfo and manual page; the shared help file, icons and documents. The
# menu entries and metainfo files are validated when desktop-file-validate and
# appstreamcli are installed.
#   -DBUILD_DIR=... -DPREFIX=... -DEDITIONS=pronos;... -DIDS=<desktop id>;...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected share/pronos/Pronos.hlp share/pronos/Pronos-full.hlp share/icons/hicolor/scalable/apps/pronos.svg
             share/doc/pronos/copyright share/doc/pronos/changelog.Debian.gz)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/pronos.png)
endforeach()
foreach(edition id IN ZIP_LISTS EDITIONS IDS)
  list(APPEND expected bin/${edition} share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
                       share/man/man1/${edition}.1.gz)
endforeach()
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files differ\n  installed: ${installed}\n  expected:  ${expected}")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
foreach(edition id IN ZIP_LISTS EDITIONS IDS)
  file(READ "${PREFIX}/share/applications/${id}.desktop" entry)
  foreach(line "Exec=${PREFIX}/bin/${edition}\n" "Icon=pronos\n" "Type=Application\n" "StartupNotify=true\n"
               "\nName=" "\nName[es]=" "\nComment=" "\nComment[es]=")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${id}.desktop lacks '${line}'")
    endif()
  endforeach()
  if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${id}.desktop"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0 OR NOT out STREQUAL "")
      message(FATAL_ERROR "desktop-file-validate on ${id}.desktop:\n${out}")
    endif()
    message(STATUS "desktop-file-validate ${id}.desktop: no errors, warnings or hints")
  else()
    message(STATUS "desktop-file-validate not installed: ${id}.desktop not validated")
  endif()
  if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --pedantic "${PREFIX}/share/metainfo/${id}.metainfo.xml"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0 OR NOT out MATCHES "Validation was successful" OR out MATCHES "(^|\n)[EWIP]: ")
      message(FATAL_ERROR "appstreamcli validate on ${id}.metainfo.xml:\n${out}")
    endif()
    message(STATUS "appstreamcli validate ${id}.metainfo.xml: ${out}")
  else()
    message(STATUS "appstreamcli not installed: ${id}.metainfo.xml not validated")
  endif()
endforeach()
message(STATUS "install layout ok")
