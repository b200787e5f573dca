# The headless program writes every output file from a replayed capture, byte for byte.
add_test(NAME outputs.whole_program
         COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:wetterpult>
                 -DDATA=${CMAKE_CURRENT_SOURCE_DIR}/data/outputs/whole_program
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/whole_program
                 -P ${CMAKE_CURRENT_LIST_DIR}/whole_program.cmake)
set_tests_properties(outputs.whole_program PROPERTIES TIMEOUT 60)

# An unknown run-now command and a missing capture are refused with a German message.
add_test(NAME outputs.unknown_run_action
         COMMAND $<TARGET_FILE:wetterpult> --headless --run backen --quit)
set_tests_properties(outputs.unknown_run_action PROPERTIES
                     PASS_REGULAR_EXPRESSION "--run: unbekannte Aktion 'backen' \\(möglich: read, import")
add_test(NAME outputs.missing_capture
         COMMAND $<TARGET_FILE:wetterpult> --headless
                 --folder ${CMAKE_CURRENT_BINARY_DIR}/missing_capture
                 --replay ${CMAKE_CURRENT_BINARY_DIR}/missing_capture/fehlt.bin --quit)
set_tests_properties(outputs.missing_capture PROPERTIES
                     PASS_REGULAR_EXPRESSION "Die Aufzeichnung .*fehlt.bin kann nicht gelesen werden")
