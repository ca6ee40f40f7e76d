# SPDX-License-Identifier: GPL-3.0-or-later
# CPack pre-build step: after CPack's own strip, drop the compiler's notes from the program as
# Debian's packaging tools do (lintian: binary-has-unneeded-section).
set(program "${CPACK_TEMPORARY_DIRECTORY}${CPACK_MARNELOK_PROGRAM}")
execute_process(
  COMMAND "${CPACK_MARNELOK_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Could not strip ${program}")
endif()
