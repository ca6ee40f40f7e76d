# SPDX-License-Identifier: GPL-3.0-or-later
# CPack pre-build step: after CPack's own strip, drop the compiler's notes from the program and
# the statistics module as Debian's packaging tools do (lintian: binary-has-unneeded-section).
foreach(binary "${CPACK_MARNELOK_PROGRAM}" "${CPACK_MARNELOK_MODULE}")
  set(file "${CPACK_TEMPORARY_DIRECTORY}${binary}")
  execute_process(
    COMMAND "${CPACK_MARNELOK_STRIP}" --remove-section=.comment --remove-section=.note "${file}"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not strip ${file}")
  endif()
endforeach()
