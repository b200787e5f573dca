# Golden captures: every tests/data/captures/NAME.bin is decoded by wetterpult-decode and compared
# with NAME.jsonl; NAME.chunkN.jsonl, where present, is the expected output with --chunk N.
file(GLOB WETTERPULT_CAPTURES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/captures/*.bin)
foreach(bin ${WETTERPULT_CAPTURES})
  get_filename_component(name ${bin} NAME_WE)
  get_filename_component(dir ${bin} DIRECTORY)
  file(GLOB expected_files CONFIGURE_DEPENDS ${dir}/${name}.jsonl ${dir}/${name}.chunk*.jsonl)
  foreach(expected ${expected_files})
    get_filename_component(expected_name ${expected} NAME)
    set(chunk "")
    set(test_name capture.${name})
    if(expected_name MATCHES "\\.chunk([0-9]+)\\.jsonl$")
      set(chunk ${CMAKE_MATCH_1})
      set(test_name capture.${name}.chunk${chunk})
    endif()
    add_test(NAME ${test_name}
             COMMAND ${CMAKE_COMMAND} -DDECODE=$<TARGET_FILE:wetterpult-decode> -DCHUNK=${chunk}
                     -DINPUT=${bin} -DEXPECTED=${expected}
                     -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/captures/${expected_name}.out
                     -P ${CMAKE_CURRENT_LIST_DIR}/compare_decode.cmake)
    set_tests_properties(${test_name} PROPERTIES TIMEOUT 60)
  endforeach()
endforeach()
