# The compiler and linker hardening Debian builds its packages with (stack
# protector, _FORTIFY_SOURCE, format checks, RELRO with -z now), as
# dpkg-buildflags gives it. Its optimisation and debug flags are left out: the
# build type sets those. Not with the sanitizers, which do their own checking.
option(PRONOS_HARDENING "Harden with the flags of dpkg-buildflags (hardening=+all) when it is installed" ON)
set(PRONOS_HARDENING_COMPILE_FLAGS "")
set(PRONOS_HARDENING_LINK_FLAGS "")
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(PRONOS_HARDENING AND DPKG_BUILDFLAGS AND NOT PRONOS_SANITIZE AND NOT PRONOS_FUZZ)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O.*)$")
    if(kind STREQUAL "LDFLAGS")
      list(APPEND PRONOS_HARDENING_LINK_FLAGS ${flags})
    else()
      list(APPEND PRONOS_HARDENING_COMPILE_FLAGS ${flags})
    endif()
  endforeach()
  message(STATUS "Hardening from dpkg-buildflags: ${PRONOS_HARDENING_COMPILE_FLAGS} ${PRONOS_HARDENING_LINK_FLAGS}")
endif()
