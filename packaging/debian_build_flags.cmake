# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's compiler and linker flags for the build that gets packaged, as `dpkg-buildflags`
# gives them with every hardening feature on: the stack protector, fortified C library
# functions, PIE, full RELRO and immediate binding. They go first in CMake's flags, where
# Debian's packaging tools put them, so the build type's own flags still come after them.
#
# Left out where they do harm: the sanitizer and fuzzing builds, and Debug builds, since
# _FORTIFY_SOURCE needs optimisation (at -O0 the C library warns and fortifies nothing).
option(MARNELOK_DPKG_BUILDFLAGS "Build with Debian's hardening flags where dpkg-buildflags exists"
       ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT MARNELOK_DPKG_BUILDFLAGS OR NOT DPKG_BUILDFLAGS OR MARNELOK_SANITIZE OR MARNELOK_FUZZ
   OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  return()
endif()

# A packager's own choice in the environment wins; otherwise every feature, as a package's
# debian/rules would ask for with "hardening=+all".
set(maint_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
if(maint_options STREQUAL "")
  set(maint_options "hardening=+all")
endif()

# Run from the source folder, so that -ffile-prefix-map turns its paths into "./".
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${maint_options}"
            ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE dpkg_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed; "
                        "configure with -DMARNELOK_DPKG_BUILDFLAGS=OFF to build without")
  endif()
endforeach()

set(CMAKE_CXX_FLAGS "${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS} ${CMAKE_CXX_FLAGS}")
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS "${dpkg_LDFLAGS} ${CMAKE_${kind}_LINKER_FLAGS}")
endforeach()
message(STATUS "Debian build flags (${maint_options}): ${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS} "
               "${dpkg_LDFLAGS}")
