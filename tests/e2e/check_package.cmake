# Builds the Debian package from the build folder (as scripts/package does)
# into OUT and checks it: the exact file list, owners and modes, the
# dependencies dpkg-shlibdeps found, and lintian's verdict when lintian is
# installed (no warnings, pedantic ones included, no hardening tag). The
# executables carry no .comment section and are linked with -z now; packed a
# second time, later, the package is the same to the byte (SOURCE_DATE_EPOCH).
# Skipped, saying why, without dpkg-deb.
#   -DBUILD_DIR=... -DOUT=... -DEDITIONS=pronos;... -DIDS=<desktop id>;...
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
  message("SKIPPED: the Debian package needs dpkg-deb and dpkg-shlibdeps (apt-get install dpkg-dev)")
  return()
endif()
get_filename_component(tools "${CMAKE_COMMAND}" DIRECTORY)
set(CPACK_COMMAND "${tools}/cpack")

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} 1765238400) # 9 December 2025: older than any file of the build
endif()
function(pack folder)
  file(REMOVE_RECURSE "${folder}")
  execute_process(COMMAND "${CPACK_COMMAND}" -G DEB -B "${folder}" --config "${BUILD_DIR}/CPackConfig.cmake"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${out}")
  endif()
  file(GLOB debs "${folder}/pronos_*.deb")
  list(LENGTH debs count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one pronos_*.deb in ${folder}, found: ${debs}")
  endif()
  set(debs "${debs}" PARENT_SCOPE)
endfunction()
pack("${OUT}-first")
set(first "${debs}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 1.5) # every file staged anew is newer
pack("${OUT}")
message(STATUS "built ${debs}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${first}" "${debs}" RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "two packings of one build differ: ${first} and ${debs}")
endif()

# The file list: every file with its mode and owner; directories are not listed.
execute_process(COMMAND "${DPKG_DEB}" --contents "${debs}" OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --contents failed")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(files "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([-dlrwx]+) ([^ ]+) +[0-9]+ [0-9-]+ [0-9:]+ \\./(.*)$")
    set(mode "${CMAKE_MATCH_1}")
    set(owner "${CMAKE_MATCH_2}")
    set(path "${CMAKE_MATCH_3}")
    if(NOT owner STREQUAL "root/root")
      message(FATAL_ERROR "${path} is owned by ${owner}, not root/root")
    endif()
    if(mode MATCHES "^d")
      if(NOT mode STREQUAL "drwxr-xr-x")
        message(FATAL_ERROR "directory ${path} has mode ${mode}")
      endif()
      continue()
    endif()
    list(APPEND files "${mode} /${path}")
  endif()
endforeach()
set(expected
    "-rw-r--r-- /usr/share/pronos/Pronos.hlp"
    "-rw-r--r-- /usr/share/pronos/Pronos-full.hlp"
    "-rw-r--r-- /usr/share/icons/hicolor/scalable/apps/pronos.svg"
    "-rw-r--r-- /usr/share/doc/pronos/copyright"
    "-rw-r--r-- /usr/share/doc/pronos/changelog.Debian.gz"
    "-rw-r--r-- /usr/share/lintian/overrides/pronos")
foreach(size 16 32 48 64 128 256)
  list(APPEND expected "-rw-r--r-- /usr/share/icons/hicolor/${size}x${size}/apps/pronos.png")
endforeach()
foreach(edition id IN ZIP_LISTS EDITIONS IDS)
  list(APPEND expected "-rwxr-xr-x /usr/bin/${edition}" "-rw-r--r-- /usr/share/applications/${id}.desktop"
                       "-rw-r--r-- /usr/share/metainfo/${id}.metainfo.xml"
                       "-rw-r--r-- /usr/share/man/man1/${edition}.1.gz"
                       "-rw-r--r-- /usr/share/man/es/man1/${edition}.1.gz")
endforeach()
list(SORT files)
list(SORT expected)
if(NOT files STREQUAL expected)
  string(REPLACE ";" "\n  " files_text "${files}")
  string(REPLACE ";" "\n  " expected_text "${expected}")
  message(FATAL_ERROR "package files differ\n packaged:\n  ${files_text}\n expected:\n  ${expected_text}")
endif()

# The menu entries (and their actions, with an option) start the executables by their place in /usr/bin.
execute_process(COMMAND "${DPKG_DEB}" -x "${debs}" "${OUT}/root")
foreach(edition id IN ZIP_LISTS EDITIONS IDS)
  file(STRINGS "${OUT}/root/usr/share/applications/${id}.desktop" exec REGEX "^Exec=")
  list(POP_FRONT exec entry_exec)
  if(NOT entry_exec STREQUAL "Exec=/usr/bin/${edition}")
    message(FATAL_ERROR "${id}.desktop: ${entry_exec}")
  endif()
  foreach(action_exec IN LISTS exec)
    if(NOT action_exec MATCHES "^Exec=/usr/bin/${edition} --[a-z]+$")
      message(FATAL_ERROR "${id}.desktop: ${action_exec}")
    endif()
  endforeach()
  execute_process(COMMAND readelf -S -d "${OUT}/root/usr/bin/${edition}" OUTPUT_VARIABLE elf)
  if(elf MATCHES "\\.comment" OR (HARDENED AND NOT elf MATCHES "FLAGS[^\n]*NOW"))
    message(FATAL_ERROR "/usr/bin/${edition}: a .comment section, or not linked with -z now:\n${elf}")
  endif()
endforeach()

# Dependencies: the Qt libraries come from dpkg-shlibdeps, the fonts are named.
execute_process(COMMAND "${DPKG_DEB}" --field "${debs}" Depends OUTPUT_VARIABLE depends)
foreach(needed libqt6widgets6 libqt6printsupport6 libqt6network6 libc6 fonts-liberation2 tzdata)
  string(FIND "${depends}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Depends lacks ${needed}: ${depends}")
  endif()
endforeach()
message(STATUS "Depends: ${depends}")

find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" --pedantic --fail-on error,warning,pedantic --allow-root "${debs}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR out MATCHES "hardening")
    message(FATAL_ERROR "lintian --pedantic reports:\n${out}")
  endif()
  message(STATUS "lintian: ${out}")
else()
  message(STATUS "lintian not installed: the package was not checked by it")
endif()
message(STATUS "Debian package ok")
