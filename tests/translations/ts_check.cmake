# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate over the sources into copies of the .ts files (TS_FILES, comma-separated) in
# SCRATCH, with the project that update_translations uses (PROJECT_IN, made into JSON by
# PROJECT_GENERATOR) and its OPTIONS. Fails, naming the file, when a copy comes out different
# from its original, or when an original holds an unfinished, vanished or obsolete message.
string(REPLACE "," ";" ts_files "${TS_FILES}")
string(REPLACE "," ";" options "${OPTIONS}")
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${SCRATCH}/project.json
                        -P ${PROJECT_GENERATOR}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the lupdate project could not be made from ${PROJECT_IN}")
endif()

set(copies "")
foreach(ts IN LISTS ts_files)
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${SCRATCH})
  list(APPEND copies ${SCRATCH}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -project ${SCRATCH}/project.json ${options} -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
# lupdate's warnings (a tr() it cannot read) would leave a text out of every translation; the
# copies given in place of the project's own files are no fault.
string(REGEX REPLACE "lupdate warning: TS files from command line will override[^\n]*\n?" ""
       out "${out}")
string(STRIP "${out}" out)
if(NOT out STREQUAL "")
  message(FATAL_ERROR "lupdate reports:\n${out}")
endif()

set(faults "")
foreach(ts IN LISTS ts_files)
  get_filename_component(name ${ts} NAME)
  file(READ ${ts} original)
  file(READ ${SCRATCH}/${name} updated)
  if(NOT original STREQUAL updated)
    string(APPEND faults "${name} is out of date with the sources: run "
                         "`cmake --build build --target update_translations`, then translate "
                         "what it marks unfinished (diff ${ts} ${SCRATCH}/${name})\n")
  endif()
  foreach(kind unfinished vanished obsolete)
    string(REGEX MATCHALL "<translation type=\"${kind}\"" found "${original}")
    list(LENGTH found count)
    if(count GREATER 0)
      string(APPEND faults "${name} holds ${count} ${kind} message(s)\n")
    endif()
  endforeach()
endforeach()
if(NOT faults STREQUAL "")
  message(FATAL_ERROR "${faults}")
endif()
message(STATUS "every .ts file is current and complete: ${ts_files}")
