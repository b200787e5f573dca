# Runs wetterpult-decode on one capture and compares its output byte for byte with the expected
# lines (a difference is shown as a unified diff). Called by CTest: cmake -DDECODE=... -DINPUT=...
# -DEXPECTED=... -DOUTPUT=... [-DCHUNK=N] -P. With WETTERPULT_UPDATE_GOLDEN set in the environment
# (scripts/update-golden.sh) the output replaces the expected file instead.
set(command ${DECODE})
if(CHUNK)
  list(APPEND command --chunk ${CHUNK})
endif()
list(APPEND command ${INPUT})

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
execute_process(COMMAND ${command} OUTPUT_FILE ${OUTPUT} ERROR_VARIABLE errors RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "wetterpult-decode endete mit ${rc}:\n${errors}")
endif()

if(DEFINED ENV{WETTERPULT_UPDATE_GOLDEN})
  file(COPY_FILE ${OUTPUT} ${EXPECTED} ONLY_IF_DIFFERENT)
  return()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  find_program(DIFF_PROGRAM diff)
  if(DIFF_PROGRAM)
    execute_process(COMMAND ${DIFF_PROGRAM} -u ${EXPECTED} ${OUTPUT})
  endif()
  message(FATAL_ERROR "Ausgabe weicht ab: ${OUTPUT} statt ${EXPECTED}")
endif()
