# Runs wetterpult-decode on one capture and compares its output byte for byte with the expected
# lines. Called by CTest: cmake -DDECODE=... -DINPUT=... -DEXPECTED=... -DOUTPUT=... [-DCHUNK=N] -P
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

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  find_program(DIFF_PROGRAM diff)
  if(DIFF_PROGRAM)
    execute_process(COMMAND ${DIFF_PROGRAM} -u ${EXPECTED} ${OUTPUT})
  endif()
  message(FATAL_ERROR "Ausgabe weicht ab: ${OUTPUT} statt ${EXPECTED}")
endif()
