# cmake -DPROGRAM=<file> -DARGUMENT=<argument> -DANSWER=<regex> [-DLANG=<locale>] [-DEMULATOR=<runner>]
#       -P CheckTextAnswer.cmake
# Runs the program as a terminal without a desktop would (no display, no Qt platform, no
# session folder), with LANG alone naming the language when it is given: it must exit 0,
# print what ANSWER matches and nothing on stderr. A Windows program runs through EMULATOR
# (Wine).
set(language)
if(LANG)
  set(language --unset=LC_ALL --unset=LC_MESSAGES --unset=LANGUAGE LANG=${LANG})
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          --unset=XDG_RUNTIME_DIR --unset=XDG_SESSION_TYPE ${language} ${EMULATOR} ${PROGRAM} ${ARGUMENT}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} ended with ${status}:\n${out}${err}")
endif()
if(NOT err STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} wrote to stderr:\n${err}")
endif()
if(NOT out MATCHES "${ANSWER}")
  message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} printed what '${ANSWER}' does not match:\n${out}")
endif()
message(STATUS "${PROGRAM} ${ARGUMENT}: ${out}")
