# Whole-program run: the headless program under a fixed clock (faketime) replays a simulator
# capture, runs every run-now command and quits; every output file must equal its expected file.
# Arguments: PROGRAM, DATA (the whole_program data folder), WORK (a scratch folder). A file that
# differs is shown as a unified diff; with WETTERPULT_UPDATE_GOLDEN set in the environment
# (scripts/update-golden.sh) the files written replace the expected ones instead.
find_program(FAKETIME faketime REQUIRED)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DATA}/wetterpult.ini DESTINATION ${WORK})

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f "2026-12-07 07:00:05"
          ${PROGRAM} --headless --folder ${WORK} --replay ${DATA}/station.bin
          --run read --run import --run log --run aprs
          --run asynop-new --run asynop-line --run asynop-end --quit
  RESULT_VARIABLE result
  OUTPUT_QUIET
  ERROR_VARIABLE messages)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wetterpult endete mit ${result}: ${messages}")
endif()
if(NOT messages STREQUAL "")
  message(FATAL_ERROR "unerwartete Meldungen: ${messages}")
endif()

file(GLOB expected_files ${DATA}/expected/*)
foreach(expected ${expected_files})
  get_filename_component(name ${expected} NAME)
  if(DEFINED ENV{WETTERPULT_UPDATE_GOLDEN} AND EXISTS ${WORK}/${name})
    file(COPY_FILE ${WORK}/${name} ${expected} ONLY_IF_DIFFERENT)
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${WORK}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    find_program(DIFF_PROGRAM diff)
    if(DIFF_PROGRAM)
      execute_process(COMMAND ${DIFF_PROGRAM} -u --text ${expected} ${WORK}/${name})
    endif()
    message(FATAL_ERROR "${name} weicht von ${expected} ab")
  endif()
endforeach()
if(NOT EXISTS ${WORK}/wetterpult.ini)
  message(FATAL_ERROR "die Einstellungen wurden beim Beenden nicht gespeichert")
endif()
