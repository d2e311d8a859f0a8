# Installs the build into a fresh prefix and checks the installed layout:
# the program's folder with the executable and the help file, the desktop
# entry pointing at that executable, and the icon it names.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file lib/pronos/pronos lib/pronos/Pronos.hlp share/applications/pronos.desktop
             share/icons/hicolor/64x64/apps/pronos.png)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "missing after install: ${file}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/pronos.desktop" entry)
foreach(line "Exec=${PREFIX}/lib/pronos/pronos" "Icon=pronos" "Type=Application")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks '${line}'")
  endif()
endforeach()
message(STATUS "install layout ok")
